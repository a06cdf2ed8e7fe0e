#include "analysis/data_list.h"

#include <algorithm>

#include "analysis/item_limits.h"
#include "analysis/value_order.h"
#include "engine/calc_engine.h"

namespace orvella {

double CDataList::Value(int row) const { return ValidRow(row) ? values_[row] : 0.0; }

void CDataList::SetValue(int row, double value) {
  if (!ValidRow(row)) return;
  values_[row] = value;
  SetModified(true);
}

bool CDataList::Append(double value) {
  if (Count() >= kMaxItemRows) return false;
  values_.push_back(value);
  SetModified(true);
  return true;
}

bool CDataList::SetCount(int count) {
  if (count < 0 || count > kMaxItemRows) return false;
  values_.resize(static_cast<std::size_t>(count) + 1, 0.0);
  SetModified(true);
  return true;
}

bool CDataList::RestoreSlots(std::vector<double> slots) {
  if (slots.empty() || slots.size() - 1 > static_cast<std::size_t>(kMaxItemRows)) return false;
  slots[0] = 0.0;
  values_ = std::move(slots);
  return true;
}

bool CDataList::InsertRow(int row) {
  if (!ValidRow(row) || Count() >= kMaxItemRows) return false;
  values_.insert(values_.begin() + row, 0.0);
  SetModified(true);
  return true;
}

bool CDataList::DeleteRow(int row) {
  if (!ValidRow(row)) return false;
  values_.erase(values_.begin() + row);
  SetModified(true);
  return true;
}

void CDataList::CopyFrom(const CDataList& other) {
  values_ = other.values_;
  SetModified(true);
}

CalcError CDataList::Transform(CCalcEngine& engine) {
  for (int row = 1; row <= Count(); ++row) {
    double result = engine.EvaluateAt(values_[row]);
    if (engine.EvaluationError() != kNoError) return engine.EvaluationError();
    values_[row] = result;
    SetModified(true);
  }
  return kNoError;
}

CalcError CDataList::Sort(bool descending, int /*keyColumn*/) {
  std::sort(values_.begin() + 1, values_.end(),
            [descending](double a, double b) { return SortsBefore(a, b, descending); });
  SetModified(true);
  return kNoError;
}

}  // namespace orvella
