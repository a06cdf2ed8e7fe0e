// A list: one column of numbers; also the class of every column of a data table.
#pragma once

#include <vector>

#include "project/data_item.h"

namespace orvella {

// The cache that the statistics fill; never stored.
struct ListStatistics {
  double mean = 0.0;
  double averageDeviation = 0.0;
  double standardDeviation = 0.0;
  double variance = 0.0;
  double skewness = 0.0;
  double kurtosis = 0.0;
  double maximum = 0.0;
  double minimum = 0.0;
  double sum = 0.0;
  double sumOfSquares = 0.0;
};

class CDataList : public CDataItem {
 public:
  CDataList() : CDataItem(kItemTypeList) {}

  // n: the user's values live in slots 1..n; slot 0 is reserved and always 0, so that
  // the kernels that read the array can count rows from 1.
  int Count() const { return static_cast<int>(values_.size()) - 1; }
  const std::vector<double>& Slots() const { return values_; }
  // Value `row` (1..n); 0 outside.
  double Value(int row) const;
  // Replaces value `row` (1..n); ignored outside.
  void SetValue(int row, double value);
  // Appends one value; false when the list is full (kMaxItemRows).
  bool Append(double value);
  // n becomes `count`: values beyond are dropped, new ones are 0. False (unchanged) when
  // count is negative or beyond kMaxItemRows.
  bool SetCount(int count);
  // A 0 before value `row`, 1 <= row <= n; false (ignored) otherwise.
  bool InsertRow(int row);
  // Removes value `row`, 1 <= row <= n; false (ignored) otherwise.
  bool DeleteRow(int row);
  // Copies the whole value array (not the name).
  void CopyFrom(const CDataList& other);
  // The stored form: the whole array, slot 0 included (which is reset to 0). False
  // (unchanged) for an empty array or one beyond kMaxItemRows values.
  bool RestoreSlots(std::vector<double> slots);

  // Stops at the first evaluation error and returns it; the values before it are replaced.
  CalcError Transform(CCalcEngine& engine) override;
  // Values 1..n in place; the key column is meaningless for a list.
  CalcError Sort(bool descending, int keyColumn = 0) override;
  // Fills `statistics`; code 52 (and a cleared cache) for fewer than two values.
  CalcError ComputeStatistics() override;

  ListStatistics statistics;

 private:
  bool ValidRow(int row) const { return row >= 1 && row <= Count(); }

  std::vector<double> values_ = {0.0};
};

}  // namespace orvella
