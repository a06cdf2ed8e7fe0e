// The algebra of data matrices: determinant, inverse, the solution of an augmented system,
// the eigen decomposition, and sums, differences and products. Each works through the
// dense kernels on a copy, so a failure leaves its inputs as they were.
#pragma once

#include <cstdint>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "engine/calc_error.h"

namespace orvella {

// The operations of the "Perform matrix operation" dialog, by their stored codes.
enum class MatrixOperation : std::int32_t {
  kAdd = 0,
  kSubtract = 1,
  kMultiply = 2,
};

// By LU decomposition. As a zero pivot is replaced by 1e-20, a singular matrix gets a tiny
// nonzero determinant unless it has a row of zeros.
// Codes: 16 for a matrix that is empty or not square, 15 for a row of zeros, 33.
CalcError MatrixDeterminant(const CDataMatrix& matrix, double& determinant);

// Replaces the matrix by its inverse, column by column from the LU factors.
// Codes: as MatrixDeterminant; the matrix is then unchanged.
CalcError InvertMatrix(CDataMatrix& matrix);

// An n x (n + 1) matrix [A | b]: solution gets the n values x with A·x = b.
// Codes: 16 unless columns = rows + 1 (n >= 1), 15 for a row of zeros in A, 33.
CalcError SolveAugmented(const CDataMatrix& matrix, CDataList& solution);

// Jacobi's method on the diagonal and upper triangle of the n x n matrix: values gets the
// n eigenvalues in the method's order, column k of vectors (made n x n) the normalised
// eigenvector of value k. Codes: 16 for a matrix that is empty or not square, 35 when the
// method does not converge (values and vectors then unchanged), 33.
CalcError EigenDecompose(const CDataMatrix& matrix, CDataList& values, CDataMatrix& vectors);

// matrix = matrix + other, matrix - other (equal dimensions) or matrix · other
// (columns(matrix) = rows(other); the product has rows(matrix) x columns(other)).
// Codes: 41 for unsuitable dimensions or an unknown operation, 33 for a product beyond the
// item limits; the matrix is then unchanged. other may be matrix itself.
CalcError CombineMatrices(CDataMatrix& matrix, const CDataMatrix& other, MatrixOperation op);

}  // namespace orvella
