// The matrix commands of the "Data Analysis" menu. Each works on a copy of the selected
// matrix: the determinant goes into the worksheet, every other result becomes a new matrix
// of the project. The selected matrix itself never changes.
#pragma once

#include <array>
#include <string_view>

#include "engine/calc_error.h"

namespace orvella {

class CMyDocument;
class MatrixOperationModel;
namespace platform {
class Prompter;
}

inline constexpr int kFindDeterminantCommand = 32873;
inline constexpr int kSolveMatrixCommand = 32874;
inline constexpr int kFindInverseMatrixCommand = 32876;
inline constexpr int kGetEigenvaluesCommand = 32943;
inline constexpr int kGetEigenvectorsCommand = 32944;
// Opens the "Perform matrix operation" dialog, whose model is MatrixOperationModel.
inline constexpr int kMatrixOperationsCommand = 32951;

inline constexpr std::string_view kDeterminantShapeMessage =
    "Can only find determinant of square matrix";
inline constexpr std::string_view kInverseShapeMessage = "Can only find inverse of square matrix";
inline constexpr std::string_view kSolveShapeMessage =
    "The number of columns must be equal to the number of rows plus one";
inline constexpr std::string_view kEigenvaluesShapeMessage =
    "Can only find eigenvalues of square matrix";
inline constexpr std::string_view kEigenvectorsShapeMessage =
    "Can only find eigenvectors of square matrix";
inline constexpr std::string_view kEigenNotConvergedMessage =
    "The eigenvalue method did not converge in 50 sweeps; no result was added.";

// Every matrix command is enabled while a matrix is selected.
bool MatrixCommandsEnabled(const CMyDocument& document);

// Each command does nothing and succeeds while no matrix is selected. A matrix of the wrong
// shape gets its message and code 16; a row of zeros (code 15) ends the determinant,
// inverse and solve commands silently; other failures are shown with their error text.
// The code of the outcome is returned.

// "Determinant of matrix <name> = <%g>" on a line of its own at the worksheet's caret
// (nothing is written while no worksheet is connected).
CalcError FindDeterminant(CMyDocument& document, platform::Prompter& prompter);
// Adds "Inverse of <name>".
CalcError FindInverseMatrix(CMyDocument& document, platform::Prompter& prompter);
// An n x (n + 1) matrix [A | b]: adds the n x 1 matrix "Solution of <name>".
CalcError SolveMatrix(CMyDocument& document, platform::Prompter& prompter);
// Add the n x 1 matrix "EigenValues of <name>" and the n x n matrix "EigenVectors of <name>"
// (column k belongs to eigenvalue k). Only square matrices are accepted; when Jacobi's
// method does not converge nothing is added and code 35 is returned.
CalcError GetEigenvalues(CMyDocument& document, platform::Prompter& prompter);
CalcError GetEigenvectors(CMyDocument& document, platform::Prompter& prompter);

// Runs the command with the id; false for an id that is none of the five above.
bool RunMatrixCommand(CMyDocument& document, platform::Prompter& prompter, int commandId);

// The dialog's "Execute": the model's result is added to the project. True when it was,
// and the dialog closes; false when it stays open (a message was shown, or the user
// declined to overwrite a matrix of the result's name).
bool ExecuteMatrixOperation(CMyDocument& document, MatrixOperationModel& model,
                            platform::Prompter& prompter);

}  // namespace orvella
