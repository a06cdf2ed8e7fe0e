#include "analysis/grid_paste.h"

#include <algorithm>

#include "analysis/item_limits.h"
#include "analysis/number_text.h"

namespace orvella {
namespace {

// The rows every column of the table can take without passing the item limits.
int TableRowsAllowed(int wanted, int columnCount) {
  long long rows = std::min<long long>(wanted, kMaxItemRows);
  if (columnCount > 0) rows = std::min<long long>(rows, kMaxItemCells / columnCount);
  return static_cast<int>(rows);
}

void ReadColumn(CDataList& column, const TextGrid& cells, int gridColumn, int rows) {
  column.SetCount(rows);
  for (int row = 1; row <= rows; ++row) {
    column.SetValue(row, ReadNumberOrZero(CellAt(cells, row, gridColumn)));
  }
}

}  // namespace

void PasteIntoTable(CDataTable& table, const TextGrid& cells, PastePrompter& prompter) {
  GridExtent extent = UsedExtent(cells);
  if (extent.columns > table.ColumnCount()) prompter.Inform(kTableColumnsIgnored);
  int rows = TableRowsAllowed(extent.rows, table.ColumnCount());
  for (int c = 0; c < table.ColumnCount(); ++c) ReadColumn(table.Column(c), cells, c + 1, rows);
  table.SetModified(true);
}

void PasteIntoList(CDataList& list, const TextGrid& cells, PastePrompter& prompter) {
  GridExtent extent = UsedExtent(cells);
  if (extent.columns > 1) prompter.Inform(kListColumnsIgnored);
  ReadColumn(list, cells, 1, std::min(extent.rows, kMaxItemRows));
}

void PasteIntoMatrix(CDataMatrix& matrix, const TextGrid& cells, PastePrompter& prompter) {
  GridExtent extent = UsedExtent(cells);
  bool larger = extent.rows > matrix.Rows() || extent.columns > matrix.Columns();
  if (larger && prompter.AskYesNo(kExpandMatrixQuestion)) {
    // Too large for the item limits: the matrix keeps its size and takes what fits.
    matrix.Resize(std::max(extent.rows, 0), std::max(extent.columns, 0), false);
  }
  for (int row = 1; row <= matrix.Rows(); ++row) {
    for (int column = 1; column <= matrix.Columns(); ++column) {
      matrix.SetCell(row, column, ReadNumberOrZero(CellAt(cells, row, column)));
    }
  }
}

}  // namespace orvella
