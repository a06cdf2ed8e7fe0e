// A weighted linear least-squares fit of an XY table to one of the linear models, solved
// through the normal equations, with the report of its parameters, their uncertainties and
// 95% confidence intervals.
#pragma once

#include <string>
#include <vector>

#include "analysis/data_table.h"
#include "analysis/linear_models.h"
#include "analysis/matrix_kernels.h"
#include "engine/calc_error.h"
#include "engine/number_format.h"
#include "worksheet/result_report.h"

namespace orvella {

class LinearFit {
 public:
  // The table is not owned and must outlive the fit. The model starts as the straight line.
  explicit LinearFit(const CDataTable& table);

  // False (model unchanged) for a code that names no model.
  bool SetModel(int code);
  const LinearModel& Model() const { return *model_; }

  // Fits the table and fills `report`, whose numbers `format` also writes into the
  // interval texts. Codes: kTooFewDataPoints (fewer than three rows, or fewer rows than
  // parameters), kInvalidData (no Y column), kNonPositiveLogarithm (a logarithmic
  // transform met x or y <= 0), kSingularMatrix (fewer distinct abscissae than
  // parameters), kNumberOutOfRange (the sums overflowed); the report is then untouched.
  CalcError Run(CResultReport& report, const CNumberFormat& format);

  // The fitted curve as an expression in x: the model's formula with each parameter in
  // parentheses, to 15 significant digits.
  std::string FittedEquation() const;

  // After a successful Run: the reported parameters (index j - 1 for parameter j), the
  // covariance of the fitted ones (on the logarithmic scale for back-transformed ones),
  // chi-square on the fitted scale and the degrees of freedom of the intervals.
  const std::vector<double>& Parameters() const { return parameters_; }
  const DenseMatrix& Covariance() const { return covariance_; }
  double ChiSquare() const { return chiSquare_; }
  int DegreesOfFreedom() const { return degreesOfFreedom_; }

 private:
  const CDataTable& table_;
  const LinearModel* model_;
  std::vector<double> parameters_;
  DenseMatrix covariance_;
  double chiSquare_ = 0.0;
  int degreesOfFreedom_ = 1;
};

}  // namespace orvella
