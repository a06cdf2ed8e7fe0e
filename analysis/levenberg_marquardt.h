// The Levenberg-Marquardt method for weighted nonlinear least squares, after Numerical
// Recipes' mrqmin: the curvature matrix alpha and the gradient beta come from the model's
// analytic first derivatives, and lambda moves each step between Gauss-Newton and a short
// steepest-descent step. Parameters may be held at their starting values.
//
// The steps are exposed (Start, Step, Finish) so that the caller owns the loop;
// RunLevenbergMarquardt is the loop the nonlinear fit uses.
#pragma once

#include <span>
#include <vector>

#include "analysis/matrix_kernels.h"
#include "engine/calc_error.h"

namespace orvella {

// The model as the method sees it: parameters are set once per sweep over the points, then
// the value and the gradient are evaluated point by point. They are asked for apart, so
// that a trial step that turns out worse costs the values alone.
class FitModel {
 public:
  virtual ~FitModel() = default;
  virtual void SetParameters(std::span<const double> values) = 0;
  // A code other than kNoError ends the fit.
  virtual CalcError Value(double x, double& y) = 0;
  // gradient[k] = df/dp_k at x.
  virtual CalcError Gradient(double x, std::span<double> gradient) = 0;
};

// The data, one entry per point; every span as long as x.
struct FitPoints {
  std::span<const double> x;
  std::span<const double> y;
  std::span<const double> sigma;
};

class LevenbergMarquardt {
 public:
  // fitted[k] nonzero: parameter k is fitted; zero: it is held at its starting value.
  // The model, the points and the flags must outlive the method.
  LevenbergMarquardt(FitModel& model, FitPoints points, std::span<const int> fitted);

  // lambda = 0.001 and alpha, beta and chi-square at `start`. Codes: the model's.
  CalcError Start(std::span<const double> start);
  // One trial step: accepted (lambda / 10) when it lowers chi-square, else rejected
  // (lambda * 10). Codes: kSingularMatrix, the model's at the trial parameters.
  CalcError Step();
  // The covariance at the accepted parameters, inverse of alpha, spread over all
  // parameters with zero rows and columns for held ones. Codes: kSingularMatrix.
  CalcError Finish();

  const std::vector<double>& Parameters() const { return parameters_; }
  double ChiSquare() const { return chiSquare_; }
  double Lambda() const { return lambda_; }
  // Parameter order, 1-based, after Finish.
  const DenseMatrix& Covariance() const { return covariance_; }
  // Over the fitted parameters only, 1-based in their order.
  const DenseMatrix& Curvature() const { return alpha_; }

 private:
  // The model's values at every point and chi-square, for `parameters`.
  CalcError ValuesAt(std::span<const double> parameters, std::vector<double>& values,
                     double& chiSquare);
  // alpha and beta from the values ValuesAt left for the same parameters.
  CalcError CurvatureFrom(const std::vector<double>& values, DenseMatrix& alpha,
                          DenseMatrix& beta);
  // alpha with its diagonal scaled by (1 + lambda), solved against beta.
  CalcError SolveDamped(double lambda, DenseMatrix& inverse, DenseMatrix& delta) const;

  FitModel& model_;
  FitPoints points_;
  std::vector<int> fitted_;
  std::vector<int> fittedIndex_;  // the parameter index of each fitted one
  std::vector<double> parameters_;
  std::vector<double> trial_;
  std::vector<double> gradient_;
  std::vector<double> values_;  // the model at every point, for the last parameters tried
  DenseMatrix alpha_;
  DenseMatrix beta_;
  DenseMatrix covariance_;
  DenseMatrix trialAlpha_;
  DenseMatrix trialBeta_;
  double lambda_ = 0.001;
  double chiSquare_ = 0.0;
  double bestChiSquare_ = 0.0;  // Numerical Recipes' ochisq
};

struct FitLoopResult {
  CalcError code = kNoError;
  int iterations = 0;
};

// Start, then steps until ten of them changed chi-square by less than 0.1 (a rejected step
// changes nothing and counts) or the step counter, 1 before the first step, reaches the
// iteration limit, which is kMaxIterationsExceeded (35) even when the tenth quiet step
// came at the same time; then Finish. iterations is the counter when the steps stopped.
FitLoopResult RunLevenbergMarquardt(LevenbergMarquardt& method, std::span<const double> start,
                                    int iterationLimit);

}  // namespace orvella
