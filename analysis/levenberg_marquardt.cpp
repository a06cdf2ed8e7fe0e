#include "analysis/levenberg_marquardt.h"

#include <cmath>
#include <utility>

namespace orvella {
namespace {

constexpr double kStartLambda = 0.001;
constexpr double kLambdaDown = 0.1;
constexpr double kLambdaUp = 10.0;
// A step that changes chi-square by less than this is quiet; ten quiet steps end the fit.
constexpr double kQuietChange = 0.1;
// ... and by less than this share of it. An absolute test alone ends every fit whose whole
// chi-square is below 0.1 after ten steps, wherever it stands (data measured in small
// units), and reports it as converged.
constexpr double kQuietShare = 1e-13;
constexpr int kQuietStepsToStop = 10;

bool IsQuiet(double previous, double current) {
  const double change = std::fabs(previous - current);
  return change < kQuietChange && change <= kQuietShare * previous;
}

}  // namespace

LevenbergMarquardt::LevenbergMarquardt(FitModel& model, FitPoints points,
                                       std::span<const int> fitted)
    : model_(model), points_(points), fitted_(fitted.begin(), fitted.end()) {
  for (int k = 0; k < static_cast<int>(fitted_.size()); ++k) {
    if (fitted_[k] != 0) fittedIndex_.push_back(k);
  }
  const int mfit = static_cast<int>(fittedIndex_.size());
  gradient_.assign(fitted_.size(), 0.0);
  alpha_ = DenseMatrix(mfit, mfit);
  beta_ = DenseMatrix(mfit, 1);
  trialAlpha_ = alpha_;
  trialBeta_ = beta_;
}

CalcError LevenbergMarquardt::ValuesAt(std::span<const double> parameters,
                                       std::vector<double>& values, double& chiSquare) {
  values.resize(points_.x.size());
  chiSquare = 0.0;
  model_.SetParameters(parameters);
  for (std::size_t i = 0; i < points_.x.size(); ++i) {
    if (CalcError code = model_.Value(points_.x[i], values[i])) return code;
    const double dy = points_.y[i] - values[i];
    chiSquare += dy * dy / (points_.sigma[i] * points_.sigma[i]);
  }
  return kNoError;
}

CalcError LevenbergMarquardt::CurvatureFrom(const std::vector<double>& values,
                                            DenseMatrix& alpha, DenseMatrix& beta) {
  const int mfit = static_cast<int>(fittedIndex_.size());
  alpha = DenseMatrix(mfit, mfit);
  beta = DenseMatrix(mfit, 1);
  for (std::size_t i = 0; i < points_.x.size(); ++i) {
    if (CalcError code = model_.Gradient(points_.x[i], gradient_)) return code;
    const double weight = 1.0 / (points_.sigma[i] * points_.sigma[i]);
    const double dy = points_.y[i] - values[i];
    for (int j = 1; j <= mfit; ++j) {
      const double weighted = weight * gradient_[fittedIndex_[j - 1]];
      for (int k = 1; k <= j; ++k) alpha(j, k) += weighted * gradient_[fittedIndex_[k - 1]];
      beta(j, 1) += dy * weighted;
    }
  }
  for (int j = 2; j <= mfit; ++j) {
    for (int k = 1; k < j; ++k) alpha(k, j) = alpha(j, k);
  }
  return kNoError;
}

CalcError LevenbergMarquardt::SolveDamped(double lambda, DenseMatrix& inverse,
                                          DenseMatrix& delta) const {
  inverse = alpha_;
  delta = beta_;
  for (int j = 1; j <= inverse.Rows(); ++j) inverse(j, j) *= 1.0 + lambda;
  return GaussJordan(inverse, delta);
}

CalcError LevenbergMarquardt::Start(std::span<const double> start) {
  lambda_ = kStartLambda;
  parameters_.assign(start.begin(), start.end());
  parameters_.resize(fitted_.size(), 0.0);
  trial_ = parameters_;
  if (CalcError code = ValuesAt(parameters_, values_, chiSquare_)) return code;
  if (CalcError code = CurvatureFrom(values_, alpha_, beta_)) return code;
  bestChiSquare_ = chiSquare_;
  return kNoError;
}

CalcError LevenbergMarquardt::Step() {
  // The trial matrices are scratch for the solution first, then receive the trial curvature.
  if (CalcError code = SolveDamped(lambda_, trialAlpha_, trialBeta_)) return code;
  trial_ = parameters_;
  for (std::size_t j = 0; j < fittedIndex_.size(); ++j) {
    trial_[fittedIndex_[j]] += trialBeta_(static_cast<int>(j) + 1, 1);
  }
  double trialChiSquare = 0.0;
  if (CalcError code = ValuesAt(trial_, values_, trialChiSquare)) return code;
  if (trialChiSquare < bestChiSquare_) {
    // The curvature is needed only where the method moves to.
    if (CalcError code = CurvatureFrom(values_, trialAlpha_, trialBeta_)) return code;
    lambda_ *= kLambdaDown;
    bestChiSquare_ = trialChiSquare;
    std::swap(alpha_, trialAlpha_);
    std::swap(beta_, trialBeta_);
    std::swap(parameters_, trial_);
    chiSquare_ = trialChiSquare;
  } else {
    lambda_ *= kLambdaUp;
    chiSquare_ = bestChiSquare_;
  }
  return kNoError;
}

CalcError LevenbergMarquardt::Finish() {
  DenseMatrix inverse;
  DenseMatrix delta;
  if (CalcError code = SolveDamped(0.0, inverse, delta)) return code;
  const int m = static_cast<int>(fitted_.size());
  covariance_ = DenseMatrix(m, m);
  for (int j = 1; j <= inverse.Rows(); ++j) {
    for (int k = 1; k <= inverse.Columns(); ++k) covariance_(j, k) = inverse(j, k);
  }
  return ExpandCovariance(covariance_, fitted_);
}

FitLoopResult RunLevenbergMarquardt(LevenbergMarquardt& method, std::span<const double> start,
                                    int iterationLimit) {
  if (CalcError code = method.Start(start)) return {code, 0};
  int counter = 1;
  int quiet = 0;
  do {
    const double previous = method.ChiSquare();
    if (CalcError code = method.Step()) return {code, counter};
    const double current = method.ChiSquare();
    // A step that still improves the fit starts the count again, so that steps taken on
    // the way to the minimum are not mistaken for having arrived.
    if (IsQuiet(previous, current)) {
      ++quiet;
    } else {
      quiet = 0;
    }
    ++counter;
  } while (quiet < kQuietStepsToStop && counter < iterationLimit);
  if (counter >= iterationLimit) return {kMaxIterationsExceeded, counter};
  return {method.Finish(), counter};
}

}  // namespace orvella
