#include "analysis/matrix_kernels.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace orvella {

DenseMatrix::DenseMatrix(int rows, int columns)
    : rows_(std::max(rows, 0)),
      columns_(std::max(columns, 0)),
      values_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), 0.0) {}

DenseMatrix DenseMatrix::Identity(int n) {
  DenseMatrix identity(n, n);
  for (int i = 1; i <= identity.rows_; ++i) identity(i, i) = 1.0;
  return identity;
}

void DenseMatrix::SwapRows(int first, int second) {
  if (first == second) return;
  for (int column = 1; column <= columns_; ++column) {
    std::swap((*this)(first, column), (*this)(second, column));
  }
}

void DenseMatrix::SwapColumns(int first, int second) {
  if (first == second) return;
  for (int row = 1; row <= rows_; ++row) std::swap((*this)(row, first), (*this)(row, second));
}

namespace {

// Stands in for an exactly zero pivot so that the factors stay finite.
constexpr double kTinyPivot = 1e-20;

// Crout's elimination proper; scale holds 1 / (largest |value|) of each row.
void CroutEliminate(DenseMatrix& a, LuPivots& pivots, std::vector<double>& scale) {
  const int n = a.Rows();
  for (int j = 1; j <= n; ++j) {
    for (int i = 1; i < j; ++i) {
      double sum = a(i, j);
      for (int k = 1; k < i; ++k) sum -= a(i, k) * a(k, j);
      a(i, j) = sum;
    }
    double big = 0.0;
    int imax = j;  // stays valid even when every candidate is NaN
    for (int i = j; i <= n; ++i) {
      double sum = a(i, j);
      for (int k = 1; k < j; ++k) sum -= a(i, k) * a(k, j);
      a(i, j) = sum;
      const double weighted = scale[i - 1] * std::fabs(sum);
      if (weighted >= big) {  // ties choose the later row
        big = weighted;
        imax = i;
      }
    }
    if (imax != j) {
      a.SwapRows(imax, j);
      pivots.sign = -pivots.sign;
      scale[imax - 1] = scale[j - 1];
    }
    pivots.pivotRow[j - 1] = imax;
    if (a(j, j) == 0.0) a(j, j) = kTinyPivot;
    if (j < n) {
      const double inverse = 1.0 / a(j, j);
      for (int i = j + 1; i <= n; ++i) a(i, j) *= inverse;
    }
  }
}

}  // namespace

CalcError LuDecompose(DenseMatrix& lu, LuPivots& pivots) {
  if (!lu.IsSquare()) return kInvalidParameter;
  const int n = lu.Rows();
  try {
    std::vector<double> scale(static_cast<std::size_t>(n));
    pivots.pivotRow.assign(static_cast<std::size_t>(n), 0);
    pivots.sign = 1.0;
    for (int i = 1; i <= n; ++i) {
      double big = 0.0;
      for (int j = 1; j <= n; ++j) big = std::max(big, std::fabs(lu(i, j)));
      if (big == 0.0) return kInvalidData;
      scale[i - 1] = 1.0 / big;
    }
    CroutEliminate(lu, pivots, scale);
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  return kNoError;
}

void LuSolve(const DenseMatrix& lu, const LuPivots& pivots, std::span<double> b) {
  const int n = lu.Rows();
  if (!lu.IsSquare() || b.size() != static_cast<std::size_t>(n) ||
      pivots.pivotRow.size() != b.size()) {
    return;
  }
  // Forward substitution, skipping the leading zeros of b (first nonzero at ii).
  int ii = 0;
  for (int i = 1; i <= n; ++i) {
    const int ip = pivots.pivotRow[i - 1];
    double sum = b[ip - 1];
    b[ip - 1] = b[i - 1];
    if (ii > 0) {
      for (int j = ii; j < i; ++j) sum -= lu(i, j) * b[j - 1];
    } else if (sum != 0.0) {
      ii = i;
    }
    b[i - 1] = sum;
  }
  for (int i = n; i >= 1; --i) {
    double sum = b[i - 1];
    for (int j = i + 1; j <= n; ++j) sum -= lu(i, j) * b[j - 1];
    b[i - 1] = sum / lu(i, i);
  }
}

namespace {

struct PivotPosition {
  int row = 0;
  int column = 0;
};

// The largest unused element, in rows and columns not yet pivoted. {0, 0} when none can be
// chosen: a column pivoted twice (singular) or nothing but NaN left.
PivotPosition FindFullPivot(const DenseMatrix& a, const std::vector<int>& uses) {
  const int n = a.Rows();
  PivotPosition pivot;
  double big = 0.0;
  for (int j = 1; j <= n; ++j) {
    if (uses[j - 1] == 1) continue;
    for (int k = 1; k <= n; ++k) {
      if (uses[k - 1] == 0) {
        if (std::fabs(a(j, k)) >= big) {  // the last of equal values wins
          big = std::fabs(a(j, k));
          pivot = {j, k};
        }
      } else if (uses[k - 1] > 1) {
        return {};
      }
    }
  }
  return pivot;
}

// Scales the pivot row to a unit pivot and clears the pivot column everywhere else.
void EliminateColumn(DenseMatrix& a, DenseMatrix& b, int pivot) {
  const int n = a.Rows();
  const double pivotInverse = 1.0 / a(pivot, pivot);
  a(pivot, pivot) = 1.0;
  for (int l = 1; l <= n; ++l) a(pivot, l) *= pivotInverse;
  for (int l = 1; l <= b.Columns(); ++l) b(pivot, l) *= pivotInverse;
  for (int ll = 1; ll <= n; ++ll) {
    if (ll == pivot) continue;
    const double factor = a(ll, pivot);
    a(ll, pivot) = 0.0;
    for (int l = 1; l <= n; ++l) a(ll, l) -= a(pivot, l) * factor;
    for (int l = 1; l <= b.Columns(); ++l) b(ll, l) -= b(pivot, l) * factor;
  }
}

}  // namespace

CalcError GaussJordan(DenseMatrix& a, DenseMatrix& b) {
  if (!a.IsSquare() || (b.Columns() > 0 && b.Rows() != a.Rows())) return kInvalidParameter;
  const int n = a.Rows();
  try {
    std::vector<int> uses(static_cast<std::size_t>(n), 0);
    std::vector<PivotPosition> chosen(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
      const PivotPosition pivot = FindFullPivot(a, uses);
      if (pivot.column == 0) return kSingularMatrix;
      ++uses[pivot.column - 1];
      if (pivot.row != pivot.column) {
        a.SwapRows(pivot.row, pivot.column);
        if (b.Columns() > 0) b.SwapRows(pivot.row, pivot.column);
      }
      chosen[i - 1] = pivot;
      if (a(pivot.column, pivot.column) == 0.0) return kSingularMatrix;
      EliminateColumn(a, b, pivot.column);
    }
    // Undo the row interchanges as column interchanges, in reverse order.
    for (int l = n; l >= 1; --l) {
      const PivotPosition& pivot = chosen[l - 1];
      a.SwapColumns(pivot.row, pivot.column);
    }
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  return kNoError;
}

CalcError GaussJordan(DenseMatrix& a) {
  DenseMatrix noRightHandSides;
  return GaussJordan(a, noRightHandSides);
}

CalcError ExpandCovariance(DenseMatrix& covar, std::span<const int> fitted) {
  const int ma = static_cast<int>(fitted.size());
  if (covar.Rows() != ma || covar.Columns() != ma) return kInvalidParameter;
  const int mfit = static_cast<int>(std::count_if(fitted.begin(), fitted.end(),
                                                  [](int flag) { return flag != 0; }));
  for (int i = mfit + 1; i <= ma; ++i) {
    for (int j = 1; j <= i; ++j) covar(i, j) = covar(j, i) = 0.0;
  }
  // Walk the fitted parameters from the last, moving each compact row and column out to
  // its parameter's place.
  int k = mfit;
  for (int j = ma; j >= 1; --j) {
    if (fitted[j - 1] == 0) continue;
    covar.SwapColumns(k, j);
    covar.SwapRows(k, j);
    --k;
  }
  return kNoError;
}

namespace {

// One plane rotation of the pair (x, y) with sine s and tau = s / (1 + cos).
inline void Rotate(double& x, double& y, double s, double tau) {
  const double g = x;
  const double h = y;
  x = g - s * (h + g * tau);
  y = h + s * (g - h * tau);
}

struct JacobiState {
  DenseMatrix& a;
  std::vector<double>& d;
  DenseMatrix& v;
  std::vector<double> b;  // the diagonal at the start of the sweep
  std::vector<double> z;  // the change of the diagonal during the sweep
  int rotations = 0;
};

double OffDiagonalSum(const DenseMatrix& a) {
  double sum = 0.0;
  for (int p = 1; p < a.Rows(); ++p) {
    for (int q = p + 1; q <= a.Rows(); ++q) sum += std::fabs(a(p, q));
  }
  return sum;
}

// Annihilates a(p, q) by one rotation.
void RotatePair(JacobiState& state, int p, int q, double g) {
  DenseMatrix& a = state.a;
  std::vector<double>& d = state.d;
  const int n = a.Rows();
  double h = d[q - 1] - d[p - 1];
  double t;
  if (std::fabs(h) + g == std::fabs(h)) {
    t = a(p, q) / h;
  } else {
    const double theta = 0.5 * h / a(p, q);
    t = 1.0 / (std::fabs(theta) + std::sqrt(1.0 + theta * theta));
    if (theta < 0.0) t = -t;
  }
  const double c = 1.0 / std::sqrt(1.0 + t * t);
  const double s = t * c;
  const double tau = s / (1.0 + c);
  h = t * a(p, q);
  state.z[p - 1] -= h;
  state.z[q - 1] += h;
  d[p - 1] -= h;
  d[q - 1] += h;
  a(p, q) = 0.0;
  for (int j = 1; j < p; ++j) Rotate(a(j, p), a(j, q), s, tau);
  for (int j = p + 1; j < q; ++j) Rotate(a(p, j), a(j, q), s, tau);
  for (int j = q + 1; j <= n; ++j) Rotate(a(p, j), a(q, j), s, tau);
  for (int j = 1; j <= n; ++j) Rotate(state.v(j, p), state.v(j, q), s, tau);
  ++state.rotations;
}

void JacobiSweep(JacobiState& state, int sweep, double threshold) {
  DenseMatrix& a = state.a;
  const std::vector<double>& d = state.d;
  const int n = a.Rows();
  for (int p = 1; p < n; ++p) {
    for (int q = p + 1; q <= n; ++q) {
      const double g = 100.0 * std::fabs(a(p, q));
      // Late in the method an element negligible against both diagonal values is dropped.
      if (sweep > 4 && std::fabs(d[p - 1]) + g == std::fabs(d[p - 1]) &&
          std::fabs(d[q - 1]) + g == std::fabs(d[q - 1])) {
        a(p, q) = 0.0;
      } else if (std::fabs(a(p, q)) > threshold) {
        RotatePair(state, p, q, g);
      }
    }
  }
  // Fold the accumulated changes into the diagonal once per sweep to limit rounding.
  for (int p = 1; p <= n; ++p) {
    state.b[p - 1] += state.z[p - 1];
    state.d[p - 1] = state.b[p - 1];
    state.z[p - 1] = 0.0;
  }
}

}  // namespace

CalcError JacobiEigen(DenseMatrix& a, std::vector<double>& values, DenseMatrix& vectors,
                      int* rotations) {
  if (!a.IsSquare()) return kInvalidParameter;
  const int n = a.Rows();
  CalcError result = kMaxIterationsExceeded;
  try {
    vectors = DenseMatrix::Identity(n);
    values.assign(static_cast<std::size_t>(n), 0.0);
    for (int p = 1; p <= n; ++p) values[p - 1] = a(p, p);
    JacobiState state{a, values, vectors, values,
                      std::vector<double>(static_cast<std::size_t>(n), 0.0)};
    for (int sweep = 1; sweep <= kJacobiMaxSweeps; ++sweep) {
      const double sum = OffDiagonalSum(a);
      if (sum == 0.0) {
        result = kNoError;
        break;
      }
      const double threshold =
          sweep < 4 ? 0.2 * sum / (static_cast<double>(n) * static_cast<double>(n)) : 0.0;
      JacobiSweep(state, sweep, threshold);
    }
    if (rotations != nullptr) *rotations = state.rotations;
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
  return result;
}

}  // namespace orvella
