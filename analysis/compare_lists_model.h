// The "Compare Lists..." dialog as a model: two choices among the project's lists, the
// nine test check boxes with their enabling rule, and what OK does. The desktop program
// binds its widgets to it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/data_list.h"
#include "analysis/list_comparison.h"
#include "worksheet/result_report.h"

namespace orvella {

inline constexpr std::string_view kSameListMessage =
    "Please select two different lists to compare.";

struct ComparisonCheckBox {
  ListComparison test;
  std::string_view group;
  std::string_view caption;
};

// In the order the dialog shows them, group by group.
inline constexpr std::array<ComparisonCheckBox, kListComparisonCount> kComparisonCheckBoxes{{
    {ListComparison::kChiSquare, "Comparison of distributions", "Chi Square"},
    {ListComparison::kKolmogorovSmirnov, "Comparison of distributions",
     "Kolmogorov-Smirnov Test"},
    {ListComparison::kStudentTTest, "Comparison of means", "Student's t-test"},
    {ListComparison::kUnequalTTest, "Comparison of means", "Unequal Student's t-test"},
    {ListComparison::kPairedTTest, "Comparison of means", "Student's paired t-test"},
    {ListComparison::kFTest, "Comparison of variances", "F-test"},
    {ListComparison::kCorrelation, "Correlation coefficients", "Correlation coefficent"},
    {ListComparison::kRankCorrelation, "Correlation coefficients",
     "Spearman's rank correlation"},
    {ListComparison::kKendallTau, "Correlation coefficients", "Kendall's Tau"},
}};

class CCompareListsModel {
 public:
  // Both drop-downs list `lists` by name with the first entry selected; no box is checked
  // and every box is enabled. The lists must outlive the model.
  explicit CCompareListsModel(std::vector<const CDataList*> lists);

  const std::vector<std::string>& ListNames() const { return names_; }
  int FirstSelection() const { return first_; }
  int SecondSelection() const { return second_; }
  // Out-of-range indexes are ignored.
  void SelectFirst(int index);
  void SelectSecond(int index);

  bool IsEnabled(ListComparison test) const { return enabled_[Index(test)]; }
  bool IsChecked(ListComparison test) const { return checked_[Index(test)]; }
  void SetChecked(ListComparison test, bool checked) { checked_[Index(test)] = checked; }

  // OK: empty when the report was filled (the dialog closes and the results are shown);
  // otherwise the message to show while the dialog stays open. Checked boxes that are
  // disabled do not count.
  std::string Apply(CResultReport& report) const;

 private:
  static int Index(ListComparison test) { return static_cast<int>(test); }
  bool ValidSelection(int index) const;
  // When the two choices differ, the paired tests follow whether the lengths match;
  // with one list chosen twice they keep their state.
  void UpdateEnabling();
  std::vector<ListComparison> TestsToRun() const;

  std::vector<const CDataList*> lists_;
  std::vector<std::string> names_;
  int first_ = 0;
  int second_ = 0;
  std::array<bool, kListComparisonCount> enabled_{};
  std::array<bool, kListComparisonCount> checked_{};
};

}  // namespace orvella
