#include "analysis/linear_fit.h"

#include <gsl/gsl_cdf.h>

#include <algorithm>
#include <cmath>

#include "analysis/fit_weights.h"
#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

constexpr int kMinimumRows = 3;
constexpr double kConfidenceQuantile = 0.975;  // two-sided 95%
constexpr int kEquationDigits = 15;

// The rows on the scale the normal equations work on.
struct FitPoints {
  std::vector<double> u;  // abscissae the basis functions take
  std::vector<double> v;  // ordinates the fit runs on
  std::vector<double> sigma;
};

CalcError TransformPoints(const CDataTable& table, const LinearModel& model,
                          FitPoints& points) {
  const int rows = table.RowCount();
  // A y = 0 point without an error would get sigma = 1e-30 and a weight ~1E58 over the
  // rest; FitSigmas gives it 5% of the mean |y| instead.
  points.sigma = FitSigmas(table);
  points.u.resize(rows);
  points.v.resize(rows);
  for (int row = 0; row < rows; ++row) {
    const double x = table.Cell(0, row);
    const double y = table.Cell(1, row);
    points.u[row] = TransformedX(model, x);
    points.v[row] = TransformedY(model, y);
    if (std::isfinite(points.u[row]) && std::isfinite(points.v[row]) &&
        std::isfinite(points.sigma[row])) {
      continue;
    }
    // Without this the logarithm's NaN would run through the sums into a curve that
    // cannot be drawn; the user is told instead.
    const bool logOfNonPositive = (model.logX && x <= 0.0) || (model.logY && y <= 0.0);
    return logOfNonPositive ? kNonPositiveLogarithm : kNumberOutOfRange;
  }
  return kNoError;
}

// The number of distinct values, counted up to `enough`. A polynomial basis of m terms
// is singular exactly when fewer than m distinct abscissae carry weight; rounding would
// hide that from the elimination's zero-pivot test.
int DistinctCount(std::vector<double> values, int enough) {
  std::sort(values.begin(), values.end());
  int count = values.empty() ? 0 : 1;
  for (std::size_t i = 1; i < values.size() && count < enough; ++i) {
    if (values[i] != values[i - 1]) ++count;
  }
  return count;
}

void AccumulateNormalEquations(const LinearModel& model, const FitPoints& points,
                               DenseMatrix& normal, DenseMatrix& rhs) {
  const int m = model.parameterCount;
  std::vector<double> f(m);
  for (std::size_t row = 0; row < points.u.size(); ++row) {
    const double weight = 1.0 / (points.sigma[row] * points.sigma[row]);
    for (int j = 0; j < m; ++j) f[j] = BasisValue(model.parameters[j], points.u[row]);
    for (int j = 1; j <= m; ++j) {
      for (int k = 1; k <= j; ++k) normal(j, k) += weight * f[j - 1] * f[k - 1];
      rhs(j, 1) += weight * points.v[row] * f[j - 1];
    }
  }
  for (int j = 2; j <= m; ++j) {
    for (int k = 1; k < j; ++k) normal(k, j) = normal(j, k);
  }
}

double CurveAt(const LinearModel& model, const std::vector<double>& fitted, double u) {
  double curve = 0.0;
  for (int j = 0; j < model.parameterCount; ++j) {
    curve += fitted[j] * BasisValue(model.parameters[j], u);
  }
  return curve;
}

// One step of refinement on the residuals of the data: forming the normal equations
// squares the condition of the problem, and the step wins back the digits that cost (an
// exact line then prints as (1)+(2)*x rather than (0.999999999999996)+(2)*x).
void RefineOnResiduals(const LinearModel& model, const FitPoints& points,
                       const DenseMatrix& inverse, std::vector<double>& fitted) {
  const int m = model.parameterCount;
  std::vector<double> gradient(m, 0.0);
  for (std::size_t row = 0; row < points.u.size(); ++row) {
    const double weight = 1.0 / (points.sigma[row] * points.sigma[row]);
    const double residual = points.v[row] - CurveAt(model, fitted, points.u[row]);
    for (int j = 0; j < m; ++j) {
      gradient[j] += weight * residual * BasisValue(model.parameters[j], points.u[row]);
    }
  }
  for (int j = 1; j <= m; ++j) {
    double step = 0.0;
    for (int k = 1; k <= m; ++k) step += inverse(j, k) * gradient[k - 1];
    fitted[j - 1] += step;
  }
}

bool AllFinite(const DenseMatrix& matrix) {
  for (int row = 1; row <= matrix.Rows(); ++row) {
    for (int column = 1; column <= matrix.Columns(); ++column) {
      if (!std::isfinite(matrix(row, column))) return false;
    }
  }
  return true;
}

// `fitted` gets the solution and `covariance` the inverse of the normal matrix.
CalcError SolveNormalEquations(const LinearModel& model, const FitPoints& points,
                               std::vector<double>& fitted, DenseMatrix& covariance) {
  const int m = model.parameterCount;
  covariance = DenseMatrix(m, m);
  DenseMatrix rhs(m, 1);
  AccumulateNormalEquations(model, points, covariance, rhs);
  if (!AllFinite(covariance) || !AllFinite(rhs)) return kNumberOutOfRange;
  if (CalcError code = GaussJordan(covariance, rhs); code != kNoError) return code;
  fitted.resize(m);
  for (int j = 1; j <= m; ++j) fitted[j - 1] = rhs(j, 1);
  RefineOnResiduals(model, points, covariance, fitted);
  const bool finite = AllFinite(covariance) &&
                      std::all_of(fitted.begin(), fitted.end(),
                                  [](double value) { return std::isfinite(value); });
  return finite ? kNoError : kNumberOutOfRange;
}

double ChiSquareOf(const LinearModel& model, const FitPoints& points,
                   const std::vector<double>& fitted) {
  double chiSquare = 0.0;
  for (std::size_t row = 0; row < points.u.size(); ++row) {
    const double residual =
        (points.v[row] - CurveAt(model, fitted, points.u[row])) / points.sigma[row];
    chiSquare += residual * residual;
  }
  return chiSquare;
}

// What the report shows of one parameter.
struct ReportedParameter {
  double value;
  double uncertainty;
  double low;
  double high;
};

ReportedParameter Reported(const LinearParameter& parameter, double fitted, double variance,
                           double t) {
  const double deviation = std::sqrt(variance);
  const double halfWidth = t * deviation;
  if (parameter.back == BackTransform::kNone) {
    return {fitted, deviation, fitted - halfWidth, fitted + halfWidth};
  }
  // The deviation belongs to ln a: a +- it would mix the two scales. The interval's ends
  // map through exp exactly; the uncertainty is carried to first order, a * sd(ln a).
  const double value = std::exp(fitted);
  return {value, value * deviation, std::exp(fitted - halfWidth), std::exp(fitted + halfWidth)};
}

void FillReport(CResultReport& report, const CNumberFormat& format, const std::string& table,
                const LinearModel& model, const std::vector<ReportedParameter>& shown) {
  report.title = "Linear Fit of " + table;
  report.AddText("Fit to equation: ", model.displayFormula);
  report.AddText("Result: ", "");
  for (int j = 0; j < model.parameterCount; ++j) {
    report.AddNumber(model.parameters[j].name, shown[j].value, true);
  }
  report.AddText("Uncertainties: ", "");
  for (int j = 0; j < model.parameterCount; ++j) {
    report.AddNumber(model.parameters[j].name, shown[j].uncertainty, true);
  }
  report.AddText("95% Confidence Intervals:", "");
  for (int j = 0; j < model.parameterCount; ++j) {
    report.AddText(model.parameters[j].name,
                   format.Format(shown[j].low) + " to " + format.Format(shown[j].high), true);
  }
}

// 15 digits, not printf's default six, so that the drawn curve is the fitted one. "%.15g"
// prints a '.'; the expression is parsed with the program's decimal character.
std::string ParameterText(double value) {
  std::string text = PrintGeneral(value, kEquationDigits);
  std::replace(text.begin(), text.end(), '.', ExpressionChars().decimalPoint);
  return "(" + text + ")";
}

}  // namespace

LinearFit::LinearFit(const CDataTable& table) : table_(table), model_(&kLinearModels[0]) {}

bool LinearFit::SetModel(int code) {
  const LinearModel* model = FindLinearModel(code);
  if (model == nullptr) return false;
  model_ = model;
  return true;
}

CalcError LinearFit::Run(CResultReport& report, const CNumberFormat& format) {
  const LinearModel& model = *model_;
  const int n = table_.RowCount();
  const int m = model.parameterCount;
  // More parameters than points leave the curve undetermined, like too few points.
  if (n < kMinimumRows || n < m) return kTooFewDataPoints;
  if (table_.ColumnCount() < 2) return kInvalidData;

  FitPoints points;
  if (CalcError code = TransformPoints(table_, model, points); code != kNoError) return code;
  if (DistinctCount(points.u, m) < m) return kSingularMatrix;

  std::vector<double> fitted;
  DenseMatrix covariance;
  if (CalcError code = SolveNormalEquations(model, points, fitted, covariance);
      code != kNoError) {
    return code;
  }
  chiSquare_ = ChiSquareOf(model, points, fitted);
  const std::vector<int> allFitted(m, 1);
  ExpandCovariance(covariance, allFitted);
  covariance_ = covariance;
  degreesOfFreedom_ = std::max(n - m, 1);

  const double t = gsl_cdf_tdist_Pinv(kConfidenceQuantile, degreesOfFreedom_);
  std::vector<ReportedParameter> shown;
  parameters_.clear();
  for (int j = 1; j <= m; ++j) {
    shown.push_back(Reported(model.parameters[j - 1], fitted[j - 1], covariance(j, j), t));
    parameters_.push_back(shown.back().value);
  }
  FillReport(report, format, table_.Name(), model, shown);
  return kNoError;
}

std::string LinearFit::FittedEquation() const {
  std::string equation = model_->parametricFormula;
  for (std::size_t i = 0; i < parameters_.size(); ++i) {
    const std::string placeholder = "[" + std::to_string(i + 1) + "]";
    const std::size_t at = equation.find(placeholder);
    if (at != std::string::npos) {
      equation.replace(at, placeholder.size(), ParameterText(parameters_[i]));
    }
  }
  return equation;
}

}  // namespace orvella
