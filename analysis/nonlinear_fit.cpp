#include "analysis/nonlinear_fit.h"

#include <gsl/gsl_cdf.h>

#include <algorithm>
#include <cmath>

#include "analysis/fit_weights.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

constexpr int kMinimumRows = 3;
// Automatic starting values differ from parameter to parameter, so that a model such as
// a*exp(-b*x)+c*exp(-d*x) does not start with two identical terms.
constexpr double kAutoStart = 1.5;
constexpr double kAutoStartStep = 0.32;
constexpr double kConfidenceQuantile = 0.975;  // two-sided 95%
constexpr const char* kConstantMark = " (constant)";

std::vector<double> ColumnValues(const CDataList& column) {
  const std::vector<double>& slots = column.Slots();
  return std::vector<double>(slots.begin() + 1, slots.end());
}

}  // namespace

CalcError NonlinearFit::SetEquation(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  if (!equation_.empty() && EqualsNoCase(trimmed, equation_)) return kNoError;
  if (CalcError code = ValidateFitEquation(trimmed)) return code;
  if (CalcError code = model_.Load(trimmed)) return code;
  equation_ = std::string(trimmed);
  parameters_.assign(model_.ParameterCount(), Parameter{});
  covariance_ = DenseMatrix(ParameterCount(), ParameterCount());
  curvature_ = DenseMatrix();
  chiSquare_ = 0.0;
  iterations_ = 0;
  return kNoError;
}

std::string NonlinearFit::ParameterName(int index) const {
  return Valid(index) ? model_.ParameterName(index) : std::string();
}

double NonlinearFit::InitialValue(int index) const {
  return Valid(index) ? parameters_[index].initialValue : 0.0;
}

void NonlinearFit::SetInitialValue(int index, double value) {
  if (Valid(index)) parameters_[index].initialValue = value;
}

bool NonlinearFit::IsAuto(int index) const { return Valid(index) && parameters_[index].autoValue; }

void NonlinearFit::SetAuto(int index, bool on) {
  if (Valid(index)) parameters_[index].autoValue = on;
}

bool NonlinearFit::IsConstant(int index) const {
  return Valid(index) && parameters_[index].constant;
}

void NonlinearFit::SetConstant(int index, bool on) {
  if (Valid(index)) parameters_[index].constant = on;
}

double NonlinearFit::FittedValue(int index) const {
  return Valid(index) ? parameters_[index].fittedValue : 0.0;
}

double NonlinearFit::Uncertainty(int index) const {
  if (!Valid(index) || covariance_.Rows() != ParameterCount()) return 0.0;
  return std::sqrt(covariance_(index + 1, index + 1));
}

std::vector<double> NonlinearFit::ChooseStartingValues() {
  std::vector<double> start;
  for (int i = 0; i < ParameterCount(); ++i) {
    Parameter& parameter = parameters_[i];
    if (parameter.autoValue) parameter.initialValue = kAutoStart + kAutoStartStep * i;
    start.push_back(parameter.initialValue);
  }
  return start;
}

CalcError NonlinearFit::Run() {
  if (equation_.empty()) return kNoError;
  if (table_ == nullptr || table_->ColumnCount() < 2) return kInvalidData;
  rows_ = table_->RowCount();
  if (rows_ < kMinimumRows) return kTooFewDataPoints;
  const std::vector<double> x = ColumnValues(table_->Column(0));
  const std::vector<double> y = ColumnValues(table_->Column(1));
  const std::vector<double> sigma = FitSigmas(*table_);
  if (x.size() != y.size() || y.size() != sigma.size()) return kInvalidData;

  const std::vector<double> start = ChooseStartingValues();
  std::vector<int> fitted;
  for (const Parameter& parameter : parameters_) fitted.push_back(parameter.constant ? 0 : 1);
  LevenbergMarquardt method(model_, FitPoints{x, y, sigma}, fitted);
  const FitLoopResult result = RunLevenbergMarquardt(method, start, iterationLimit_);
  iterations_ = result.iterations;
  if (result.code != kNoError) return result.code;
  KeepResults(method);
  return kNoError;
}

void NonlinearFit::KeepResults(const LevenbergMarquardt& method) {
  for (int i = 0; i < ParameterCount(); ++i) {
    parameters_[i].fittedValue = method.Parameters()[i];
  }
  covariance_ = method.Covariance();
  curvature_ = method.Curvature();
  chiSquare_ = method.ChiSquare();
}

double NonlinearFit::ConfidenceHalfWidth(int index) const {
  const int degreesOfFreedom = std::max(rows_ - ParameterCount(), 1);
  return gsl_cdf_tdist_Pinv(kConfidenceQuantile, degreesOfFreedom) * Uncertainty(index);
}

void NonlinearFit::FillReport(CResultReport& report, const CNumberFormat& format) const {
  const std::string tableName = table_ != nullptr ? table_->Name() : std::string();
  report.resultText = modelName_ + " Fit of " + tableName;
  report.title = "Nonlinear fit of " + tableName;
  report.columnWidths[0] = 200;
  report.columnWidths[1] = 400;
  report.AddText("", "");
  report.AddText("Data Table: ", tableName);
  report.AddText("Fit Model: ", modelName_);
  report.AddText("Fit Equation: ", "y = " + equation_);
  report.AddText("Fit Results: ", "");
  for (int i = 0; i < ParameterCount(); ++i) report.AddNumber(ParameterName(i), FittedValue(i), true);
  report.AddText("Uncertainties: ", "");
  for (int i = 0; i < ParameterCount(); ++i) report.AddNumber(ParameterName(i), Uncertainty(i), true);
  report.AddText("95% Confidence Intervals:", "");
  for (int i = 0; i < ParameterCount(); ++i) {
    const double h = ConfidenceHalfWidth(i);
    const double a = FittedValue(i);
    report.AddText(ParameterName(i), format.Format(a - h) + " to " + format.Format(a + h), true);
  }
  report.AddText("Initial Values: ", "");
  for (int i = 0; i < ParameterCount(); ++i) {
    const std::string mark = IsConstant(i) ? kConstantMark : "";
    report.AddNumber(ParameterName(i) + mark, InitialValue(i), true);
  }
  report.AddNumber("Chi Square: ", chiSquare_);
  report.AddInteger("Iterations: ", iterations_);
}

std::string NonlinearFit::FittedEquation() {
  std::vector<double> values;
  for (const Parameter& parameter : parameters_) values.push_back(parameter.fittedValue);
  return model_.PrintedWithValues(values);
}

}  // namespace orvella
