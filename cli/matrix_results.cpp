#include "cli/matrix_results.h"

#include <array>
#include <memory>

#include "analysis/matrix_operation_model.h"
#include "cli/named_choices.h"
#include "engine/text_util.h"
#include "project/matrix_commands.h"

namespace orvella::cli {
namespace {

constexpr std::array<NamedChoice<UnaryMatrixCommand>, 5> kUnaryCommands{{
    {"det", DeterminantResult},
    {"inverse", InverseResult},
    {"solve", SolutionResult},
    {"eigenvalues", EigenvaluesResult},
    {"eigenvectors", EigenvectorsResult},
}};

constexpr std::array<NamedChoice<MatrixOperation>, 3> kOperations{{
    {"add", MatrixOperation::kAdd},
    {"subtract", MatrixOperation::kSubtract},
    {"multiply", MatrixOperation::kMultiply},
}};

MatrixResult Refused(std::string_view message) { return {std::nullopt, std::string(message), {}}; }

MatrixResult Named(CDataMatrix matrix, std::string name) {
  matrix.SetName(std::move(name));
  return {std::move(matrix), {}, {}};
}

bool IsNonEmptySquare(const CDataMatrix& matrix) {
  return matrix.Rows() > 0 && matrix.Rows() == matrix.Columns();
}

CDataMatrix ColumnMatrix(const CDataList& values) {
  CDataMatrix column;
  column.Resize(values.Count(), 1, false);
  for (int i = 1; i <= values.Count(); ++i) column.SetCell(i, 1, values.Value(i));
  return column;
}

struct EigenResults {
  CDataList values;
  CDataMatrix vectors;
};

// The two eigen commands share the decomposition and its refusals.
std::optional<EigenResults> Decompose(const CDataMatrix& matrix, std::string_view shapeMessage,
                                      std::string& message) {
  if (!IsNonEmptySquare(matrix)) {
    message = shapeMessage;
    return std::nullopt;
  }
  EigenResults results;
  const CalcError code = EigenDecompose(matrix, results.values, results.vectors);
  if (code == kNoError) return results;
  message =
      code == kMaxIterationsExceeded ? std::string(kEigenNotConvergedMessage) : ErrorText(code);
  return std::nullopt;
}

}  // namespace

UnaryMatrixCommand FindUnaryMatrixCommand(std::string_view name) {
  return FindChoice<UnaryMatrixCommand>(kUnaryCommands, name).value_or(nullptr);
}

std::optional<MatrixOperation> FindMatrixOperation(std::string_view name) {
  return FindChoice<MatrixOperation>(kOperations, name);
}

MatrixResult DeterminantResult(const CDataMatrix& matrix) {
  if (!IsNonEmptySquare(matrix)) return Refused(kDeterminantShapeMessage);
  double determinant = 0.0;
  if (CalcError code = MatrixDeterminant(matrix, determinant); code != kNoError) {
    return Refused(ErrorText(code));
  }
  CDataMatrix value;
  value.Resize(1, 1, false);
  value.SetCell(1, 1, determinant);
  const std::string name = "Determinant of matrix " + matrix.Name();
  MatrixResult result = Named(std::move(value), name);
  result.worksheetLine = name + " = " + PrintGeneral(determinant, 6);
  return result;
}

MatrixResult InverseResult(const CDataMatrix& matrix) {
  if (!IsNonEmptySquare(matrix)) return Refused(kInverseShapeMessage);
  CDataMatrix inverse;
  inverse.CopyFrom(matrix);
  if (CalcError code = InvertMatrix(inverse); code != kNoError) return Refused(ErrorText(code));
  return Named(std::move(inverse), "Inverse of " + matrix.Name());
}

MatrixResult SolutionResult(const CDataMatrix& matrix) {
  if (matrix.Rows() < 1 || matrix.Columns() != matrix.Rows() + 1) {
    return Refused(kSolveShapeMessage);
  }
  CDataList solution;
  if (CalcError code = SolveAugmented(matrix, solution); code != kNoError) {
    return Refused(ErrorText(code));
  }
  return Named(ColumnMatrix(solution), "Solution of " + matrix.Name());
}

MatrixResult EigenvaluesResult(const CDataMatrix& matrix) {
  std::string message;
  std::optional<EigenResults> results = Decompose(matrix, kEigenvaluesShapeMessage, message);
  if (!results) return Refused(message);
  return Named(ColumnMatrix(results->values), "EigenValues of " + matrix.Name());
}

MatrixResult EigenvectorsResult(const CDataMatrix& matrix) {
  std::string message;
  std::optional<EigenResults> results = Decompose(matrix, kEigenvectorsShapeMessage, message);
  if (!results) return Refused(message);
  return Named(std::move(results->vectors), "EigenVectors of " + matrix.Name());
}

MatrixResult CombinedResult(const CDataMatrix& first, const CDataMatrix& second,
                            MatrixOperation operation) {
  // The dialog's model checks the dimensions and proposes the name, as it does for the
  // program's own matrices.
  NamedItems<CDataMatrix> operands;
  for (const CDataMatrix* matrix : {&first, &second}) {
    auto copy = std::make_unique<CDataMatrix>();
    copy->CopyFrom(*matrix);
    copy->SetName(matrix->Name());
    operands.Append(std::move(copy));
  }
  MatrixOperationModel model(operands);
  model.SetOperation(operation);
  model.SelectSecondMatrix(1);
  MatrixOperationOutcome outcome = model.Execute();
  if (outcome.result == nullptr) return Refused(outcome.message);
  return {std::move(*outcome.result), {}, {}};
}

}  // namespace orvella::cli
