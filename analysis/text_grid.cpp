#include "analysis/text_grid.h"

#include <algorithm>

#include "analysis/item_limits.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

bool EndsField(char c) { return c == '\t' || c == ','; }

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

void AppendFields(std::string_view line, std::size_t& budget, TextGrid& cells) {
  std::vector<std::string>& row = cells.emplace_back();
  std::size_t start = 0;
  while (budget > 0) {
    std::size_t end = start;
    while (end < line.size() && !EndsField(line[end])) ++end;
    row.emplace_back(line.substr(start, end - start));
    --budget;
    if (end == line.size()) break;
    start = end + 1;
  }
}

}  // namespace

TextGrid SplitClipboardText(std::string_view text) {
  TextGrid cells;
  std::size_t budget = kMaxPasteFields;
  std::size_t start = 0;
  while (start < text.size() && budget > 0 && cells.size() < kMaxItemRows) {
    std::size_t end = std::min(text.find('\n', start), text.size());
    AppendFields(WithoutCarriageReturn(text.substr(start, end - start)), budget, cells);
    start = end + 1;
  }
  return cells;
}

std::string CopyText(const TextGrid& cells) {
  std::string text;
  for (std::size_t r = 0; r < cells.size(); ++r) {
    if (r > 0) text += '\n';
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      if (c > 0) text += '\t';
      text += cells[r][c];
    }
  }
  return text;
}

GridExtent UsedExtent(const TextGrid& cells) {
  GridExtent extent;
  for (std::size_t r = 0; r < cells.size(); ++r) {
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      if (Trim(cells[r][c]).empty()) continue;
      extent.rows = static_cast<int>(r) + 1;
      extent.columns = std::max(extent.columns, static_cast<int>(c) + 1);
    }
  }
  return extent;
}

std::string_view CellAt(const TextGrid& cells, int row, int column) {
  if (row < 1 || static_cast<std::size_t>(row) > cells.size()) return {};
  const std::vector<std::string>& cellsOfRow = cells[row - 1];
  if (column < 1 || static_cast<std::size_t>(column) > cellsOfRow.size()) return {};
  return cellsOfRow[column - 1];
}

}  // namespace orvella
