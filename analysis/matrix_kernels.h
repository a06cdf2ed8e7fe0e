// Dense linear-algebra kernels shared by the matrix commands and the regressions: LU
// decomposition with back substitution, Gauss-Jordan elimination with full pivoting, the
// covariance re-sort after a fit with held parameters, and the cyclic Jacobi eigenvalue
// method.
//
// Index conventions: matrices are addressed (row, column) from 1, like CDataMatrix.
// Vectors are plain std::vector / std::span of length n; element k (1-based, as in the
// algorithms) is stored at [k - 1].
//
// The kernels keep no state between calls and never throw: failures come back as
// CalcError codes (kOutOfMemory when scratch storage cannot be had).
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "engine/calc_error.h"

namespace orvella {

// A rows x columns block of doubles, row-major, addressed from 1. A value type: the
// kernels work on it in place; callers copy when they need the original.
class DenseMatrix {
 public:
  DenseMatrix() = default;
  // All cells 0. Negative sizes count as 0.
  DenseMatrix(int rows, int columns);
  // The n x n identity.
  static DenseMatrix Identity(int n);

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  bool IsSquare() const { return rows_ == columns_; }

  // 1-based and unchecked: the kernels index inside loops bounded by Rows()/Columns().
  double& operator()(int row, int column) { return values_[Index(row, column)]; }
  double operator()(int row, int column) const { return values_[Index(row, column)]; }

  void SwapRows(int first, int second);
  void SwapColumns(int first, int second);

 private:
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column - 1);
  }

  int rows_ = 0;
  int columns_ = 0;
  std::vector<double> values_;
};

// The result of LuDecompose besides the factors written into the matrix: the row swapped
// into place at each column (pivotRow[j - 1] for column j, a 1-based row) and the sign of
// the permutation (+1 or -1).
struct LuPivots {
  std::vector<int> pivotRow;
  double sign = 1.0;
};

// Crout's method with partial pivoting and implicit row scaling. On success a (n x n)
// holds L (below the diagonal, unit diagonal implied) and U (diagonal and above) of the
// row-permuted matrix. A pivot that is exactly 0 is replaced by 1e-20, so a singular matrix
// decomposes unless it has a row of zeros.
// Codes: kInvalidData for a row of zeros (a is then partly overwritten), kInvalidParameter
// for a matrix that is not square, kOutOfMemory.
CalcError LuDecompose(DenseMatrix& lu, LuPivots& pivots);

// Solves the decomposed system for one right-hand side: b (length n) becomes the solution.
// lu and pivots come from a successful LuDecompose; b of another length is left unchanged.
void LuSolve(const DenseMatrix& lu, const LuPivots& pivots, std::span<double> b);

// Gauss-Jordan elimination with full pivoting. a (n x n) becomes its inverse and each of the
// m columns of b (n x m, m may be 0) becomes the solution for that right-hand side.
// Codes: kSingularMatrix (34, a and b are then undefined), kInvalidParameter for a that is
// not square or b without n rows (b with no columns is accepted whatever its rows),
// kOutOfMemory.
CalcError GaussJordan(DenseMatrix& a, DenseMatrix& b);
// The same without right-hand sides: a becomes its inverse.
CalcError GaussJordan(DenseMatrix& a);

// After a fit of mfit parameters out of ma, covar (ma x ma) holds the mfit x mfit
// covariance of the fitted parameters in its top-left corner. This spreads it so that
// covar(i, j) belongs to parameters i and j, with zero rows and columns for the held ones.
// fitted has ma entries, nonzero for a fitted parameter; mfit is their count.
// Codes: kInvalidParameter when covar is not fitted.size() square (covar unchanged).
CalcError ExpandCovariance(DenseMatrix& covar, std::span<const int> fitted);

inline constexpr int kJacobiMaxSweeps = 50;

// Cyclic Jacobi rotations for a real symmetric matrix. Only the diagonal and the upper
// triangle of a (n x n) are read; the upper triangle is destroyed. values (resized to n)
// gets the eigenvalues in the order the rotations leave them (not sorted); column k of
// vectors (made n x n) is the normalised eigenvector of values[k - 1]. rotations, when
// given, receives the number of rotations done.
// Codes: kMaxIterationsExceeded after 50 sweeps without convergence (values and vectors
// hold the state reached), kInvalidParameter for a matrix that is not square, kOutOfMemory.
CalcError JacobiEigen(DenseMatrix& a, std::vector<double>& values, DenseMatrix& vectors,
                      int* rotations = nullptr);

}  // namespace orvella
