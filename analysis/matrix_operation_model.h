// The "Perform matrix operation" dialog without its window: the chosen operation, the two
// operand matrices, the result name it proposes, and the checks "Execute" makes before it
// combines a copy of the first matrix with the second.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/data_matrix.h"
#include "analysis/matrix_operations.h"
#include "project/named_items.h"

namespace orvella {

inline constexpr std::string_view kMatrixOperationCaption = "Perform matrix operation";
// Radio buttons of the "Operation" group, in the order of the MatrixOperation codes.
inline constexpr std::string_view kMatrixOperationLabels[] = {"Add", "Subtract", "Multiply"};

inline constexpr std::string_view kResultNameMissingMessage =
    "Please enter a name for the result matrix.";
inline constexpr std::string_view kSameDimensionsMessage =
    "The matrices must be of the same dimensions for this operation.";
inline constexpr std::string_view kProductDimensionsMessage =
    "The number of columns in the first matrix must be the same as the number of rows in the "
    "second matrix for this operation.";

// What "Execute" produced: the result to add, or the message to show (the dialog then
// stays open). Both are empty when there is nothing to combine.
struct MatrixOperationOutcome {
  std::unique_ptr<CDataMatrix> result;
  std::string message;
};

class MatrixOperationModel {
 public:
  // "Add" chosen, the first matrix preselected in both lists, no result name. The matrices
  // must outlive the model.
  explicit MatrixOperationModel(const NamedItems<CDataMatrix>& matrices);

  MatrixOperation Operation() const { return operation_; }
  // Each choice proposes "Sum of %s and %s", "Difference of ..." or "Product of ..." as the
  // result name. An unknown operation is ignored.
  void SetOperation(MatrixOperation operation);
  void SelectFirstMatrix(int index);   // 0-based; ignored outside the list
  void SelectSecondMatrix(int index);

  // The entries of both drop-down lists: every matrix of the project.
  std::vector<std::string> MatrixNames() const;
  // -1 while the project has no matrix.
  int FirstMatrix() const { return first_; }
  int SecondMatrix() const { return second_; }

  const std::string& ResultName() const { return resultName_; }
  void SetResultName(std::string_view name) { resultName_ = std::string(name); }

  // The operand lists and "Execute" are enabled only while there is a matrix to choose.
  bool HasOperands() const { return matrices_.Count() > 0; }

  // The message that keeps the dialog open, empty when "Execute" can go ahead. A name of
  // blanks counts as none.
  std::string_view Check() const;
  // After a passing Check: a copy of the first matrix combined with the second, named with
  // the trimmed result name.
  MatrixOperationOutcome Execute() const;

 private:
  bool ValidSelection() const {
    return matrices_.Contains(first_) && matrices_.Contains(second_);
  }
  void ProposeResultName();

  const NamedItems<CDataMatrix>& matrices_;
  MatrixOperation operation_ = MatrixOperation::kAdd;
  int first_ = -1;
  int second_ = -1;
  std::string resultName_;
};

}  // namespace orvella
