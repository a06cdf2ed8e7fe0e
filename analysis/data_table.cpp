#include "analysis/data_table.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "analysis/item_limits.h"
#include "analysis/value_order.h"
#include "engine/calc_engine.h"

namespace orvella {
namespace {

std::vector<std::string> ColumnNames(TableLayout layout, int columnCount) {
  switch (layout) {
    case TableLayout::kX: return {"X"};
    case TableLayout::kXY: return {"X", "Y"};
    case TableLayout::kXYError: return {"X", "Y", "YSig"};
    case TableLayout::kFixed:
    case TableLayout::kIndependent: break;
  }
  return std::vector<std::string>(static_cast<std::size_t>(std::max(columnCount, 0)));
}

bool RowsMoveTogether(TableLayout layout) {
  return layout == TableLayout::kXY || layout == TableLayout::kXYError;
}

CDataList NamedColumn(std::string name, int rowCount) {
  CDataList column;
  column.SetName(std::move(name));
  column.SetCount(rowCount);
  column.SetModified(false);
  return column;
}

}  // namespace

int CDataTable::RowCount() const {
  if (columns_.empty()) return 0;
  if (layout_ != TableLayout::kIndependent) return columns_[0].Count();
  int longest = 0;
  for (const CDataList& column : columns_) longest = std::max(longest, column.Count());
  return longest;
}

bool CDataTable::SetUpColumns(TableLayout layout, int columnCount, int rowCount) {
  if (!IsKnownLayout(static_cast<std::int32_t>(layout))) return false;
  std::vector<std::string> names = ColumnNames(layout, columnCount);
  if (!FitsTable(rowCount, static_cast<long long>(names.size()))) return false;
  layout_ = layout;
  columns_.clear();
  for (std::string& name : names) columns_.push_back(NamedColumn(std::move(name), rowCount));
  SetModified(true);
  return true;
}

bool CDataTable::Restore(TableLayout layout, std::vector<CDataList> columns) {
  if (!IsKnownLayout(static_cast<std::int32_t>(layout))) return false;
  std::size_t longest = 0;
  for (const CDataList& column : columns) {
    longest = std::max(longest, static_cast<std::size_t>(column.Count()));
  }
  if (!FitsTable(static_cast<long long>(longest), static_cast<long long>(columns.size()))) {
    return false;
  }
  layout_ = layout;
  columns_ = std::move(columns);
  return true;
}

double CDataTable::Cell(int column, int row) const {
  return ValidColumn(column) ? columns_[column].Value(row + 1) : 0.0;
}

bool CDataTable::CanGrow(int column, int row) const {
  return layout_ != TableLayout::kFixed && row == columns_[column].Count() &&
         FitsTable(std::max<long long>(RowCount(), row + 1LL), ColumnCount());
}

bool CDataTable::SetCell(int column, int row, double value) {
  if (!ValidColumn(column) || row < 0) return false;
  if (row >= columns_[column].Count()) {
    if (!CanGrow(column, row)) return false;
    if (RowsMoveTogether(layout_)) {
      for (CDataList& each : columns_) each.Append(0.0);
    } else {
      columns_[column].Append(0.0);
    }
  }
  columns_[column].SetValue(row + 1, value);
  SetModified(true);
  return true;
}

bool CDataTable::InsertRow(int row) {
  if (row < 1 || row > RowCount()) return false;
  if (!FitsTable(static_cast<long long>(RowCount()) + 1, ColumnCount())) return false;
  for (CDataList& column : columns_) column.InsertRow(row);
  SetModified(true);
  return true;
}

bool CDataTable::DeleteRow(int row) {
  if (row < 1 || row > RowCount()) return false;
  for (CDataList& column : columns_) column.DeleteRow(row);
  SetModified(true);
  return true;
}

bool CDataTable::ColumnsOfEqualLength() const {
  return std::all_of(columns_.begin(), columns_.end(), [this](const CDataList& column) {
    return column.Count() == columns_[0].Count();
  });
}

CalcError CDataTable::Sort(bool descending, int keyColumn) {
  if (!ValidColumn(keyColumn)) return kInvalidParameter;
  if (ColumnCount() == 1) return SortColumn(descending, 0);
  if (!ColumnsOfEqualLength()) return kInvalidData;

  const CDataList& key = columns_[keyColumn];
  std::vector<int> order(static_cast<std::size_t>(key.Count()));
  std::iota(order.begin(), order.end(), 1);
  std::sort(order.begin(), order.end(), [&key, descending](int a, int b) {
    return SortsBefore(key.Value(a), key.Value(b), descending);
  });
  for (CDataList& column : columns_) {
    CDataList sorted = column;
    for (std::size_t i = 0; i < order.size(); ++i) {
      sorted.SetValue(static_cast<int>(i) + 1, column.Value(order[i]));
    }
    column = std::move(sorted);
  }
  SetModified(true);
  return kNoError;
}

CalcError CDataTable::SortColumn(bool descending, int column) {
  if (!ValidColumn(column)) return kInvalidParameter;
  columns_[column].Sort(descending);
  SetModified(true);
  return kNoError;
}

CalcError CDataTable::Transform(CCalcEngine& engine) {
  for (CDataList& column : columns_) {
    // The column's flag tells whether this walk replaced anything in it.
    bool wasModified = column.IsModified();
    column.SetModified(false);
    CalcError code = column.Transform(engine);
    if (column.IsModified()) SetModified(true);
    column.SetModified(wasModified || column.IsModified());
    if (code != kNoError) return code;
  }
  return kNoError;
}

void CDataTable::SetErrorColumn(bool on) {
  if (on && layout_ == TableLayout::kXY) {
    columns_.push_back(NamedColumn(kErrorColumnName, RowCount()));
    layout_ = TableLayout::kXYError;
    SetModified(true);
  } else if (!on && layout_ == TableLayout::kXYError) {
    if (columns_.size() > 2) columns_.erase(columns_.begin() + 2);
    layout_ = TableLayout::kXY;
    SetModified(true);
  }
}

}  // namespace orvella
