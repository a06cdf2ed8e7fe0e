#include "analysis/grid_text.h"

#include "analysis/number_text.h"
#include "engine/calc_engine.h"
#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

// The last 0-based row a column accepts: its length where it can grow, one less where not.
int LastEditableRow(const CDataTable& table, int column) {
  switch (table.Layout()) {
    case TableLayout::kX:
      return column == 0 ? table.RowCount() : -1;
    case TableLayout::kXY:
      return column <= 1 ? table.RowCount() : -1;
    case TableLayout::kXYError:
      return column <= 2 ? table.RowCount() : -1;
    case TableLayout::kFixed:
      return table.RowCount() - 1;
    case TableLayout::kIndependent:
      return table.Column(column).Count();
  }
  return -1;
}

// The 0-based row at which an entry grows the column (the entry row).
int EntryRow(const CDataTable& table, int column) {
  return table.Layout() == TableLayout::kIndependent ? table.Column(column).Count()
                                                     : table.RowCount();
}

double EvaluateOrZero(std::string_view text, CCalcEngine& engine) {
  engine.SetExpression(text);
  if (engine.Parse() != kNoError) return 0.0;
  double value = engine.Evaluate();
  return engine.EvaluationError() == kNoError ? value : 0.0;
}

CellEditOutcome Accepted(double value, bool filledEntryRow) {
  return {true, CellText(value), filledEntryRow};
}

}  // namespace

bool MayEditCell(const CDataTable& table, int row, int column) {
  int c = column - 1;
  int r = row - 1;
  if (!table.IsEditable() || c < 0 || c >= table.ColumnCount() || r < 0) return false;
  return r <= LastEditableRow(table, c);
}

bool MayEditCell(const CDataList& list, int row, int column) {
  return column == 1 && row >= 1 && row <= list.Count() + 1;
}

bool MayEditCell(const CDataMatrix& matrix, int row, int column) {
  return row >= 1 && row <= matrix.Rows() && column >= 1 && column <= matrix.Columns();
}

std::optional<double> ReadCellEntry(std::string_view text, CCalcEngine& engine) {
  text = Trim(text);
  if (text.empty() || text.front() == '#') return std::nullopt;
  LeadingNumber number = ReadLeadingNumber(text, ExpressionChars().decimalPoint);
  if (number.length == text.size()) return number.value;
  return EvaluateOrZero(text, engine);
}

CellEditOutcome CommitCellEdit(CDataTable& table, int row, int column, std::string_view text,
                               CCalcEngine& engine) {
  if (!MayEditCell(table, row, column)) return {};
  std::optional<double> value = ReadCellEntry(text, engine);
  if (!value) return {};
  bool growing = row - 1 == EntryRow(table, column - 1);
  if (!table.SetCell(column - 1, row - 1, *value)) return {};
  return Accepted(*value, growing);
}

CellEditOutcome CommitCellEdit(CDataList& list, int row, int column, std::string_view text,
                               CCalcEngine& engine) {
  if (!MayEditCell(list, row, column)) return {};
  std::optional<double> value = ReadCellEntry(text, engine);
  if (!value) return {};
  bool growing = row == list.Count() + 1;
  if (growing) {
    if (!list.Append(*value)) return {};
  } else {
    list.SetValue(row, *value);
  }
  return Accepted(*value, growing);
}

CellEditOutcome CommitCellEdit(CDataMatrix& matrix, int row, int column, std::string_view text,
                               CCalcEngine& engine) {
  if (!MayEditCell(matrix, row, column)) return {};
  std::optional<double> value = ReadCellEntry(text, engine);
  if (!value) return {};
  matrix.SetCell(row, column, *value);
  return Accepted(*value, false);
}

}  // namespace orvella
