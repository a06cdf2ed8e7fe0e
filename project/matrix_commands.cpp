#include "project/matrix_commands.h"

#include <array>
#include <memory>
#include <string>

#include "analysis/matrix_operation_model.h"
#include "analysis/matrix_operations.h"
#include "engine/text_util.h"
#include "platform/prompter.h"
#include "project/my_document.h"
#include "worksheet/report_writer.h"

namespace orvella {
namespace {

const CDataMatrix* SelectedMatrix(CMyDocument& document) {
  const DocumentSelection& selection = document.Selection();
  if (selection.kind != ItemKind::Matrix) return nullptr;
  return document.Matrices().Find(selection.index);
}

// A copy of the source (values, not the name) named `name`.
std::unique_ptr<CDataMatrix> NamedCopy(const CDataMatrix& source, std::string name) {
  auto copy = std::make_unique<CDataMatrix>();
  copy->CopyFrom(source);
  copy->SetName(std::move(name));
  return copy;
}

// A list as an n x 1 matrix named `name`.
std::unique_ptr<CDataMatrix> ColumnMatrix(const CDataList& values, std::string name) {
  auto column = std::make_unique<CDataMatrix>();
  if (column->Resize(values.Count(), 1, false) != kNoError) return nullptr;
  for (int i = 1; i <= values.Count(); ++i) column->SetCell(i, 1, values.Value(i));
  column->SetName(std::move(name));
  return column;
}

// Shape refusals have messages of their own and a row of zeros passes silently; anything
// else (only running out of memory today) is shown with its error text.
CalcError ReportFailure(platform::Prompter& prompter, CalcError code) {
  if (code != kNoError && code != kInvalidData) prompter.Inform(ErrorText(code));
  return code;
}

CalcError RefuseShape(platform::Prompter& prompter, std::string_view message) {
  prompter.Inform(message);
  return kInvalidParameter;
}

bool IsNonEmptySquare(const CDataMatrix& matrix) {
  return matrix.Rows() > 0 && matrix.Rows() == matrix.Columns();
}

// The eigen commands differ only in the message for a wrong shape and what they keep.
struct EigenCommand {
  std::string_view shapeMessage;
  bool keepsVectors;
};

CalcError RunEigen(CMyDocument& document, platform::Prompter& prompter,
                   const EigenCommand& command) {
  const CDataMatrix* matrix = SelectedMatrix(document);
  if (matrix == nullptr) return kNoError;
  if (!IsNonEmptySquare(*matrix)) return RefuseShape(prompter, command.shapeMessage);
  CDataList values;
  CDataMatrix vectors;
  if (CalcError code = EigenDecompose(*matrix, values, vectors); code != kNoError) {
    // Unconverged values would look like answers; the user gets told instead.
    if (code == kMaxIterationsExceeded) {
      prompter.Inform(kEigenNotConvergedMessage);
      return code;
    }
    return ReportFailure(prompter, code);
  }
  if (command.keepsVectors) {
    document.AddMatrix(NamedCopy(vectors, "EigenVectors of " + matrix->Name()));
  } else {
    document.AddMatrix(ColumnMatrix(values, "EigenValues of " + matrix->Name()));
  }
  return kNoError;
}

using MatrixCommandFunction = CalcError (*)(CMyDocument&, platform::Prompter&);

struct MatrixCommandEntry {
  int id;
  MatrixCommandFunction run;
};

constexpr std::array<MatrixCommandEntry, 5> kMatrixCommands{{
    {kFindDeterminantCommand, FindDeterminant},
    {kSolveMatrixCommand, SolveMatrix},
    {kFindInverseMatrixCommand, FindInverseMatrix},
    {kGetEigenvaluesCommand, GetEigenvalues},
    {kGetEigenvectorsCommand, GetEigenvectors},
}};

}  // namespace

bool MatrixCommandsEnabled(const CMyDocument& document) {
  const DocumentSelection& selection = document.Selection();
  return selection.kind == ItemKind::Matrix && document.Matrices().Contains(selection.index);
}

CalcError FindDeterminant(CMyDocument& document, platform::Prompter& prompter) {
  const CDataMatrix* matrix = SelectedMatrix(document);
  if (matrix == nullptr) return kNoError;
  if (!IsNonEmptySquare(*matrix)) return RefuseShape(prompter, kDeterminantShapeMessage);
  double determinant = 0.0;
  if (CalcError code = MatrixDeterminant(*matrix, determinant); code != kNoError) {
    return ReportFailure(prompter, code);
  }
  if (platform::TextEditor* worksheet = document.Worksheet(); worksheet != nullptr) {
    WriteLineAtCaret(*worksheet, "Determinant of matrix " + matrix->Name() + " = " +
                                     PrintGeneral(determinant, 6));
  }
  return kNoError;
}

CalcError FindInverseMatrix(CMyDocument& document, platform::Prompter& prompter) {
  const CDataMatrix* matrix = SelectedMatrix(document);
  if (matrix == nullptr) return kNoError;
  if (!IsNonEmptySquare(*matrix)) return RefuseShape(prompter, kInverseShapeMessage);
  std::unique_ptr<CDataMatrix> inverse = NamedCopy(*matrix, "Inverse of " + matrix->Name());
  if (CalcError code = InvertMatrix(*inverse); code != kNoError) {
    return ReportFailure(prompter, code);
  }
  document.AddMatrix(std::move(inverse));
  return kNoError;
}

CalcError SolveMatrix(CMyDocument& document, platform::Prompter& prompter) {
  const CDataMatrix* matrix = SelectedMatrix(document);
  if (matrix == nullptr) return kNoError;
  if (matrix->Rows() < 1 || matrix->Columns() != matrix->Rows() + 1) {
    return RefuseShape(prompter, kSolveShapeMessage);
  }
  CDataList solution;
  if (CalcError code = SolveAugmented(*matrix, solution); code != kNoError) {
    return ReportFailure(prompter, code);
  }
  document.AddMatrix(ColumnMatrix(solution, "Solution of " + matrix->Name()));
  return kNoError;
}

CalcError GetEigenvalues(CMyDocument& document, platform::Prompter& prompter) {
  return RunEigen(document, prompter, {kEigenvaluesShapeMessage, false});
}

CalcError GetEigenvectors(CMyDocument& document, platform::Prompter& prompter) {
  return RunEigen(document, prompter, {kEigenvectorsShapeMessage, true});
}

bool RunMatrixCommand(CMyDocument& document, platform::Prompter& prompter, int commandId) {
  for (const MatrixCommandEntry& command : kMatrixCommands) {
    if (command.id != commandId) continue;
    command.run(document, prompter);
    return true;
  }
  return false;
}

bool ExecuteMatrixOperation(CMyDocument& document, MatrixOperationModel& model,
                            platform::Prompter& prompter) {
  MatrixOperationOutcome outcome = model.Execute();
  if (!outcome.message.empty()) prompter.Inform(outcome.message);
  if (outcome.result == nullptr) return false;
  return document.AddMatrix(std::move(outcome.result));
}

}  // namespace orvella
