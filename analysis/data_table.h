// A data table: columns of numbers (normally X, Y and an optional error column), each
// column a list whose name is its header text.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/data_list.h"
#include "project/data_item.h"

namespace orvella {

// Which columns a table has and how its rows behave; stored as int32.
enum class TableLayout : std::int32_t {
  kX = 0,            // one column "X"; grows below the last row
  kXY = 1,           // "X", "Y" of one length; grows as kX
  kXYError = 2,      // "X", "Y" and an error column; as kXY
  kFixed = 3,        // k columns, fixed rows, no entry row
  kIndependent = 4,  // k columns, each growing on its own
};

inline bool IsKnownLayout(std::int32_t code) { return code >= 0 && code <= 4; }

inline constexpr const char* kErrorColumnName = "Y Error";

class CDataTable : public CDataItem {
 public:
  CDataTable() : CDataItem(kItemTypeTable) {}

  TableLayout Layout() const { return layout_; }
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const std::vector<CDataList>& Columns() const { return columns_; }
  // 0-based; the caller checks the index against ColumnCount().
  const CDataList& Column(int column) const { return columns_[column]; }
  CDataList& Column(int column) { return columns_[column]; }

  // Layout kIndependent: the longest column; otherwise column 0's length; 0 without columns.
  int RowCount() const;
  // Replaces every column: kX "X"; kXY "X", "Y"; kXYError "X", "Y", "YSig"; kFixed and
  // kIndependent columnCount unnamed columns; each with rowCount zeros. False (unchanged)
  // for an unknown layout or a size beyond the item limits.
  bool SetUpColumns(TableLayout layout, int columnCount, int rowCount);
  // A table as it was stored: the layout and the columns as they are. False (unchanged) for
  // an unknown layout or more columns or cells than the item limits allow.
  bool Restore(TableLayout layout, std::vector<CDataList> columns);

  // 0-based cell value; 0 where the cell holds no value.
  double Cell(int column, int row) const;
  // 0-based. Replaces a value; at row = the column's length (not kFixed) the table grows
  // (kXY, kXYError: every column by one zero row; kX, kIndependent: that column only).
  // False (ignored) anywhere else.
  bool SetCell(int column, int row, double value);

  // 1-based, row <= RowCount(): a 0 before value `row` in every column that has one.
  bool InsertRow(int row);
  // 1-based, row <= RowCount(): value `row` removed from every column that has one
  // (a shorter column of a kIndependent table is skipped).
  bool DeleteRow(int row);

  // The whole table by the 0-based key column, rows kept together; a single column is
  // sorted alone. Codes: 15 when the columns differ in length, 16 for no such key column.
  CalcError Sort(bool descending, int keyColumn) override;
  // One column alone, breaking the pairing of rows. Code 16 for no such column.
  CalcError SortColumn(bool descending, int column);
  // Column by column, left to right, each from row 1 down; stops at the first evaluation
  // error and returns it.
  CalcError Transform(CCalcEngine& engine) override;
  // Every column's statistics; the first failure (52 for a short column) is returned,
  // the other columns are filled all the same.
  CalcError ComputeStatistics() override;

  bool HasErrorColumn() const { return layout_ == TableLayout::kXYError; }
  // On: a kXY table gains a zero "Y Error" column and becomes kXYError. Off: a kXYError
  // table loses its third column and becomes kXY. Other layouts are left unchanged.
  void SetErrorColumn(bool on);

 private:
  bool ValidColumn(int column) const { return column >= 0 && column < ColumnCount(); }
  bool ColumnsOfEqualLength() const;
  bool CanGrow(int column, int row) const;

  TableLayout layout_ = TableLayout::kXY;
  std::vector<CDataList> columns_;
};

}  // namespace orvella
