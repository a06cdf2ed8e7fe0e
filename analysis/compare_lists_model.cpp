#include "analysis/compare_lists_model.h"

#include "engine/calc_error.h"

namespace orvella {

CCompareListsModel::CCompareListsModel(std::vector<const CDataList*> lists)
    : lists_(std::move(lists)) {
  for (const CDataList* list : lists_) names_.push_back(list->Name());
  enabled_.fill(true);
}

bool CCompareListsModel::ValidSelection(int index) const {
  return index >= 0 && index < static_cast<int>(lists_.size());
}

void CCompareListsModel::SelectFirst(int index) {
  if (!ValidSelection(index)) return;
  first_ = index;
  UpdateEnabling();
}

void CCompareListsModel::SelectSecond(int index) {
  if (!ValidSelection(index)) return;
  second_ = index;
  UpdateEnabling();
}

void CCompareListsModel::UpdateEnabling() {
  if (first_ == second_) return;
  const bool sameLength = lists_[first_]->Count() == lists_[second_]->Count();
  for (const ListComparisonInfo& info : ListComparisons()) {
    if (info.paired) enabled_[Index(info.test)] = sameLength;
  }
}

std::vector<ListComparison> CCompareListsModel::TestsToRun() const {
  std::vector<ListComparison> tests;
  for (const ListComparisonInfo& info : ListComparisons()) {
    if (IsChecked(info.test) && IsEnabled(info.test)) tests.push_back(info.test);
  }
  return tests;
}

std::string CCompareListsModel::Apply(CResultReport& report) const {
  if (first_ == second_ || !ValidSelection(first_) || !ValidSelection(second_)) {
    return std::string(kSameListMessage);
  }
  const CalcError error = CompareLists(*lists_[first_], *lists_[second_], TestsToRun(), report);
  return error == kNoError ? std::string() : ErrorText(error);
}

}  // namespace orvella
