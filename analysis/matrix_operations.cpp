#include "analysis/matrix_operations.h"

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

#include "analysis/item_limits.h"
#include "analysis/matrix_kernels.h"

namespace orvella {
namespace {

// The first `columns` columns of the matrix.
DenseMatrix ToDense(const CDataMatrix& matrix, int columns) {
  DenseMatrix dense(matrix.Rows(), columns);
  for (int i = 1; i <= matrix.Rows(); ++i) {
    for (int j = 1; j <= columns; ++j) dense(i, j) = matrix.Cell(i, j);
  }
  return dense;
}

CalcError FromDense(const DenseMatrix& dense, CDataMatrix& matrix) {
  if (CalcError code = matrix.Resize(dense.Rows(), dense.Columns(), false); code != kNoError) {
    return code;
  }
  for (int i = 1; i <= dense.Rows(); ++i) {
    for (int j = 1; j <= dense.Columns(); ++j) matrix.SetCell(i, j, dense(i, j));
  }
  return kNoError;
}

// Slot 0 of a list is reserved, so value k goes to slot k.
CalcError FromValues(const std::vector<double>& values, CDataList& list) {
  std::vector<double> slots(values.size() + 1, 0.0);
  std::copy(values.begin(), values.end(), slots.begin() + 1);
  return list.RestoreSlots(std::move(slots)) ? kNoError : kOutOfMemory;
}

bool IsNonEmptySquare(const CDataMatrix& matrix) {
  return matrix.Rows() > 0 && matrix.Rows() == matrix.Columns();
}

// Runs `body`, turning a failed allocation into code 33.
template <typename Body>
CalcError Guarded(Body body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
}

}  // namespace

CalcError MatrixDeterminant(const CDataMatrix& matrix, double& determinant) {
  if (!IsNonEmptySquare(matrix)) return kInvalidParameter;
  return Guarded([&] {
    DenseMatrix lu = ToDense(matrix, matrix.Columns());
    LuPivots pivots;
    if (CalcError code = LuDecompose(lu, pivots); code != kNoError) return code;
    double product = pivots.sign;
    for (int i = 1; i <= lu.Rows(); ++i) product *= lu(i, i);
    determinant = product;
    return kNoError;
  });
}

CalcError InvertMatrix(CDataMatrix& matrix) {
  if (!IsNonEmptySquare(matrix)) return kInvalidParameter;
  return Guarded([&] {
    const int n = matrix.Rows();
    DenseMatrix lu = ToDense(matrix, n);
    LuPivots pivots;
    if (CalcError code = LuDecompose(lu, pivots); code != kNoError) return code;
    DenseMatrix inverse(n, n);
    std::vector<double> column(static_cast<std::size_t>(n));
    for (int j = 1; j <= n; ++j) {
      std::fill(column.begin(), column.end(), 0.0);
      column[j - 1] = 1.0;
      LuSolve(lu, pivots, column);
      for (int i = 1; i <= n; ++i) inverse(i, j) = column[i - 1];
    }
    return FromDense(inverse, matrix);
  });
}

CalcError SolveAugmented(const CDataMatrix& matrix, CDataList& solution) {
  const int n = matrix.Rows();
  if (n < 1 || matrix.Columns() != n + 1) return kInvalidParameter;
  return Guarded([&] {
    DenseMatrix lu = ToDense(matrix, n);
    LuPivots pivots;
    if (CalcError code = LuDecompose(lu, pivots); code != kNoError) return code;
    std::vector<double> b(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) b[i - 1] = matrix.Cell(i, n + 1);
    LuSolve(lu, pivots, b);
    return FromValues(b, solution);
  });
}

CalcError EigenDecompose(const CDataMatrix& matrix, CDataList& values, CDataMatrix& vectors) {
  if (!IsNonEmptySquare(matrix)) return kInvalidParameter;
  return Guarded([&] {
    DenseMatrix work = ToDense(matrix, matrix.Columns());
    std::vector<double> eigenvalues;
    DenseMatrix eigenvectors;
    if (CalcError code = JacobiEigen(work, eigenvalues, eigenvectors); code != kNoError) {
      return code;
    }
    if (CalcError code = FromValues(eigenvalues, values); code != kNoError) return code;
    return FromDense(eigenvectors, vectors);
  });
}

namespace {

bool SuitableDimensions(const CDataMatrix& first, const CDataMatrix& second,
                        MatrixOperation op) {
  switch (op) {
    case MatrixOperation::kAdd:
    case MatrixOperation::kSubtract:
      return first.Rows() == second.Rows() && first.Columns() == second.Columns();
    case MatrixOperation::kMultiply:
      return first.Columns() == second.Rows();
  }
  return false;
}

DenseMatrix Product(const CDataMatrix& first, const CDataMatrix& second) {
  DenseMatrix product(first.Rows(), second.Columns());
  for (int i = 1; i <= first.Rows(); ++i) {
    for (int k = 1; k <= first.Columns(); ++k) {
      const double factor = first.Cell(i, k);
      for (int j = 1; j <= second.Columns(); ++j) product(i, j) += factor * second.Cell(k, j);
    }
  }
  return product;
}

}  // namespace

CalcError CombineMatrices(CDataMatrix& matrix, const CDataMatrix& other, MatrixOperation op) {
  if (!SuitableDimensions(matrix, other, op)) return kOperationNotSupported;
  if (op == MatrixOperation::kMultiply) {
    // A long column times a long row would ask for more cells than any matrix may hold.
    if (!FitsMatrix(matrix.Rows(), other.Columns())) return kOutOfMemory;
    return Guarded([&] { return FromDense(Product(matrix, other), matrix); });
  }
  const double sign = op == MatrixOperation::kAdd ? 1.0 : -1.0;
  for (int i = 1; i <= matrix.Rows(); ++i) {
    for (int j = 1; j <= matrix.Columns(); ++j) {
      matrix.SetCell(i, j, matrix.Cell(i, j) + sign * other.Cell(i, j));
    }
  }
  return kNoError;
}

}  // namespace orvella
