// A nonlinear least-squares fit of an XY table to a model equation y = f(x; p1..pm): the
// per-parameter starting values and holds the "Initial Values" dialog edits, the
// Levenberg-Marquardt run with symbolic derivatives, and the report of the result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/data_table.h"
#include "analysis/matrix_kernels.h"
#include "analysis/nonlinear_model.h"
#include "engine/calc_error.h"
#include "engine/number_format.h"
#include "worksheet/result_report.h"

namespace orvella {

inline constexpr int kDefaultFitIterationLimit = 100;

class NonlinearFit {
 public:
  // The table is not owned and must outlive the fit; null detaches.
  void SetTable(const CDataTable* table) { table_ = table; }
  const CDataTable* Table() const { return table_; }

  // Trimmed; the same text (without regard to case) changes nothing. Otherwise the text is
  // validated (ValidateFitEquation's codes), the model parsed and every parameter reset to
  // the starting value 1, Auto on, Constant off. On an error the fit keeps its equation.
  CalcError SetEquation(std::string_view text);
  const std::string& Equation() const { return equation_; }
  void SetModelName(std::string name) { modelName_ = std::move(name); }
  const std::string& ModelName() const { return modelName_; }

  // Parameters are numbered from 0 in the order of their first appearance. The getters
  // answer 0 / false / "" and the setters do nothing for an index out of range.
  int ParameterCount() const { return static_cast<int>(parameters_.size()); }
  std::string ParameterName(int index) const;
  double InitialValue(int index) const;
  void SetInitialValue(int index, double value);
  // Auto: Run chooses the starting value 1.5 + 0.32 * index and writes it back.
  bool IsAuto(int index) const;
  void SetAuto(int index, bool on);
  // Constant: the parameter is held at its starting value.
  bool IsConstant(int index) const;
  void SetConstant(int index, bool on);
  int IterationLimit() const { return iterationLimit_; }
  void SetIterationLimit(int limit) { iterationLimit_ = limit; }

  // Fits the table; an empty equation succeeds without fitting. Codes: kInvalidData (no
  // table with X and Y columns), kTooFewDataPoints (fewer than three rows), the model's
  // evaluation errors (not 46), kSingularMatrix, kMaxIterationsExceeded.
  CalcError Run();

  // After a successful Run (before it: 1 and zeros).
  double FittedValue(int index) const;
  // sqrt of the covariance diagonal; 0 for a held parameter.
  double Uncertainty(int index) const;
  const DenseMatrix& Covariance() const { return covariance_; }
  const DenseMatrix& Curvature() const { return curvature_; }
  double ChiSquare() const { return chiSquare_; }
  int Iterations() const { return iterations_; }

  // Title, result text, column widths 200 and 400 and the rows of the result; `format`
  // writes the confidence limits (the number rows take it when the report is shown).
  void FillReport(CResultReport& report, const CNumberFormat& format) const;
  // The equation with each parameter replaced by "(fitted value)" to 15 digits.
  std::string FittedEquation();

 private:
  struct Parameter {
    double initialValue = 1.0;
    bool autoValue = true;
    bool constant = false;
    double fittedValue = 1.0;
  };

  bool Valid(int index) const { return index >= 0 && index < ParameterCount(); }
  std::vector<double> ChooseStartingValues();
  void KeepResults(const LevenbergMarquardt& method);
  double ConfidenceHalfWidth(int index) const;

  const CDataTable* table_ = nullptr;
  std::string equation_;
  std::string modelName_;
  NonlinearModel model_;
  std::vector<Parameter> parameters_;
  DenseMatrix covariance_;
  DenseMatrix curvature_;
  double chiSquare_ = 0.0;
  int iterations_ = 0;
  int rows_ = 0;  // of the table in the last run
  int iterationLimit_ = kDefaultFitIterationLimit;
};

}  // namespace orvella
