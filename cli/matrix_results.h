// The matrix commands on matrices read from files: each result named as the program names
// the matrix it adds, each refusal worded as the program words it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/data_matrix.h"
#include "analysis/matrix_operations.h"

namespace orvella::cli {

struct MatrixResult {
  std::optional<CDataMatrix> matrix;  // empty on failure
  std::string message;                // why there is no result
  // The worksheet line the command writes instead of adding a matrix (the determinant).
  std::string worksheetLine;
};

using UnaryMatrixCommand = MatrixResult (*)(const CDataMatrix& matrix);

// By the subcommand's name: det, inverse, solve, eigenvalues, eigenvectors. Null for
// another name.
UnaryMatrixCommand FindUnaryMatrixCommand(std::string_view name);
// add, subtract, multiply.
std::optional<MatrixOperation> FindMatrixOperation(std::string_view name);

// The determinant as a 1 x 1 matrix "Determinant of matrix <name>" with the line
// "Determinant of matrix <name> = <%g>".
MatrixResult DeterminantResult(const CDataMatrix& matrix);
MatrixResult InverseResult(const CDataMatrix& matrix);
MatrixResult SolutionResult(const CDataMatrix& matrix);
MatrixResult EigenvaluesResult(const CDataMatrix& matrix);
MatrixResult EigenvectorsResult(const CDataMatrix& matrix);
// "Sum of <first> and <second>", "Difference of ...", "Product of ...".
MatrixResult CombinedResult(const CDataMatrix& first, const CDataMatrix& second,
                            MatrixOperation operation);

}  // namespace orvella::cli
