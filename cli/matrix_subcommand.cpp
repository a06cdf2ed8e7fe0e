// "matrix OPERATION FILE [FILE2]": the matrix commands on matrices read from files.
#include <span>

#include "cli/data_file.h"
#include "cli/matrix_output.h"
#include "cli/matrix_results.h"
#include "cli/subcommands.h"

namespace orvella::cli {
namespace {

CommandOutcome Printed(const MatrixResult& result, const OutputSettings& settings) {
  if (!result.matrix) return AnalysisFailed(result.message);
  if (settings.json) return Succeeded(MatrixJson(*result.matrix));
  if (!result.worksheetLine.empty()) return Succeeded(result.worksheetLine + "\n");
  return Succeeded(MatrixText(*result.matrix, settings.format));
}

// The operands after the operation's name, each read as a matrix.
std::string LoadOperands(std::span<const std::string> paths, char decimalPoint,
                         std::span<CDataMatrix> matrices) {
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (std::string error = LoadMatrix(paths[i], decimalPoint, matrices[i]); !error.empty()) {
      return error;
    }
  }
  return {};
}

CommandOutcome RunMatrix(const CommandLine& line, const OutputSettings& settings) {
  const std::vector<std::string>& arguments = line.Positional();
  if (arguments.empty()) return BadUsage("matrix needs an operation");
  const std::string& operation = arguments.front();
  const UnaryMatrixCommand unary = FindUnaryMatrixCommand(operation);
  const std::optional<MatrixOperation> binary = FindMatrixOperation(operation);
  if (unary == nullptr && !binary) return BadUsage("unknown matrix operation: " + operation);
  const std::size_t operandCount = unary != nullptr ? 1 : 2;
  if (arguments.size() != operandCount + 1) {
    return WrongFileCount("matrix " + operation, operandCount, arguments.size() - 1);
  }
  CDataMatrix operands[2];
  if (std::string error =
          LoadOperands(std::span(arguments).subspan(1), settings.convention.decimalPoint, operands);
      !error.empty()) {
    return BadUsage(error);
  }
  const MatrixResult result =
      unary != nullptr ? unary(operands[0]) : CombinedResult(operands[0], operands[1], *binary);
  return Printed(result, settings);
}

constexpr Subcommand kMatrix{
    "matrix",
    "  matrix det|inverse|solve|eigenvalues|eigenvectors FILE\n"
    "  matrix add|subtract|multiply FILE1 FILE2\n"
    "      the matrix commands; results print as rows of tab-separated numbers, the\n"
    "      determinant as the line the worksheet gets; solve takes [A | b]\n",
    {},
    RunMatrix};

}  // namespace

const Subcommand& MatrixSubcommand() { return kMatrix; }

}  // namespace orvella::cli
