// Ridders' method: central differences for shrinking steps, extrapolated to step zero in a
// Neville table; the table stops growing when higher orders get worse.
#include "library/ridders.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvella {
namespace {

constexpr int kTable = 10;
constexpr double kShrink = 1.4;                 // step ratio between columns
constexpr double kShrink2 = kShrink * kShrink;  // error ratio of a central difference
constexpr double kSafe = 2.0;                   // stop when the diagonal grows by this
constexpr int kAttempts = 15;

CalcError CentralDifference(const RealFunction& f, double x, double h, double& d) {
  double up = 0.0;
  double down = 0.0;
  if (CalcError code = f(x + h, up)) return code;
  if (CalcError code = f(x - h, down)) return code;
  d = (up - down) / (2 * h);
  return kNoError;
}

}  // namespace

CalcError RiddersEstimate(const RealFunction& f, double x, double h, double& derivative,
                          double& error) {
  // A step lost against x (x + h == x) is as empty as h = 0: the differences would all be
  // 0 and read as a derivative of 0 (FDIFF(x, 1E308)).
  if (h == 0.0 || x + h == x) return kBadArgument;
  std::array<std::array<double, kTable>, kTable> a{};  // a[j][i]: order j, column i
  if (CalcError code = CentralDifference(f, x, h, a[0][0])) return code;
  error = 1e30;
  derivative = a[0][0];
  for (int i = 1; i < kTable; ++i) {
    h /= kShrink;
    if (CalcError code = CentralDifference(f, x, h, a[0][i])) return code;
    double fac = kShrink2;
    for (int j = 1; j <= i; ++j) {
      a[j][i] = (a[j - 1][i] * fac - a[j - 1][i - 1]) / (fac - 1);
      fac *= kShrink2;
      const double errt =
          std::max(std::fabs(a[j][i] - a[j - 1][i]), std::fabs(a[j][i] - a[j - 1][i - 1]));
      if (errt <= error) {
        error = errt;
        derivative = a[j][i];
      }
    }
    if (std::fabs(a[i][i] - a[i - 1][i - 1]) >= kSafe * error) break;
  }
  return kNoError;
}

CalcError RiddersDerivative(const RealFunction& f, double x, double eps, double& result) {
  if (eps < 1e-15) return kBadArgument;  // beyond what differences in doubles can give
  double h = 0.1;
  for (int attempt = 0; attempt < kAttempts; ++attempt, h *= 0.1) {
    double d = 0.0;
    double err = 0.0;
    if (CalcError code = RiddersEstimate(f, x, h, d, err)) return code;
    if (std::fabs(err) < std::fabs(d * eps) || (std::fabs(d) < 1e-15 && std::fabs(err) < eps)) {
      result = d;
      return kNoError;
    }
  }
  return kMaxIterationsExceeded;
}

}  // namespace orvella
