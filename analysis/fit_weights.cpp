#include "analysis/fit_weights.h"

#include <cmath>

namespace orvella {
namespace {

constexpr double kRelativeError = 0.05;
constexpr double kTiny = 1e-30;

double MeanAbsoluteY(const CDataList& y) {
  if (y.Count() == 0) return 0.0;
  double sum = 0.0;
  for (int row = 1; row <= y.Count(); ++row) sum += std::fabs(y.Value(row));
  return sum / y.Count();
}

}  // namespace

std::vector<double> FitSigmas(const CDataTable& table) {
  const int rows = table.RowCount();
  std::vector<double> sigmas(rows, 0.0);
  if (table.ColumnCount() < 2) return sigmas;
  const CDataList& y = table.Column(1);
  const bool hasErrors = table.HasErrorColumn() && table.ColumnCount() > 2;
  const double meanY = MeanAbsoluteY(y);
  const double fallback = meanY > 0.0 ? kRelativeError * meanY : 1.0;
  for (int row = 0; row < rows; ++row) {
    double sigma = hasErrors ? table.Cell(2, row) : 0.0;
    if (sigma < kTiny) sigma = kRelativeError * y.Value(row + 1);
    if (std::fabs(sigma) < kTiny) sigma = fallback;
    sigmas[row] = sigma;
  }
  return sigmas;
}

}  // namespace orvella
