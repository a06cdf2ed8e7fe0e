#include "analysis/matrix_operation_model.h"

#include <array>

#include "engine/text_util.h"

namespace orvella {
namespace {

// The start of the proposed result name, by operation code.
constexpr std::array<std::string_view, 3> kResultPrefixes = {"Sum of ", "Difference of ",
                                                             "Product of "};

bool IsKnownOperation(MatrixOperation operation) {
  const auto code = static_cast<std::size_t>(operation);
  return code < kResultPrefixes.size();
}

}  // namespace

MatrixOperationModel::MatrixOperationModel(const NamedItems<CDataMatrix>& matrices)
    : matrices_(matrices) {
  if (HasOperands()) first_ = second_ = 0;
}

void MatrixOperationModel::SetOperation(MatrixOperation operation) {
  if (!IsKnownOperation(operation)) return;
  operation_ = operation;
  ProposeResultName();
}

void MatrixOperationModel::SelectFirstMatrix(int index) {
  if (!matrices_.Contains(index)) return;
  first_ = index;
  ProposeResultName();
}

void MatrixOperationModel::SelectSecondMatrix(int index) {
  if (!matrices_.Contains(index)) return;
  second_ = index;
  ProposeResultName();
}

std::vector<std::string> MatrixOperationModel::MatrixNames() const {
  std::vector<std::string> names;
  for (const auto& matrix : matrices_) names.push_back(matrix->Name());
  return names;
}

void MatrixOperationModel::ProposeResultName() {
  if (!ValidSelection()) return;
  resultName_ = std::string(kResultPrefixes[static_cast<std::size_t>(operation_)]) +
                matrices_.At(first_).Name() + " and " + matrices_.At(second_).Name();
}

std::string_view MatrixOperationModel::Check() const {
  if (Trim(resultName_).empty()) return kResultNameMissingMessage;
  if (!ValidSelection()) return {};
  const CDataMatrix& first = matrices_.At(first_);
  const CDataMatrix& second = matrices_.At(second_);
  if (operation_ == MatrixOperation::kMultiply) {
    return first.Columns() == second.Rows() ? std::string_view() : kProductDimensionsMessage;
  }
  const bool sameDimensions =
      first.Rows() == second.Rows() && first.Columns() == second.Columns();
  return sameDimensions ? std::string_view() : kSameDimensionsMessage;
}

MatrixOperationOutcome MatrixOperationModel::Execute() const {
  MatrixOperationOutcome outcome;
  if (std::string_view message = Check(); !message.empty()) {
    outcome.message = std::string(message);
    return outcome;
  }
  if (!ValidSelection()) return outcome;
  auto result = std::make_unique<CDataMatrix>();
  result->CopyFrom(matrices_.At(first_));
  if (CalcError code = CombineMatrices(*result, matrices_.At(second_), operation_);
      code != kNoError) {
    outcome.message = ErrorText(code);
    return outcome;
  }
  result->SetName(std::string(Trim(resultName_)));
  outcome.result = std::move(result);
  return outcome;
}

}  // namespace orvella
