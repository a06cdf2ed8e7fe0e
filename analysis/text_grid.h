// Grid cells as plain text, the form in which clipboard text enters and leaves the grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// Rows of cell texts; rows may differ in length. [0][0] is the first value cell.
using TextGrid = std::vector<std::vector<std::string>>;

// Clipboard text as cells: lines end at "\n" (a "\r" before it is dropped, and the line
// end after the last line starts no row), fields end at a tab or a comma. At most
// kMaxPasteFields fields and kMaxItemRows rows are taken; the rest of the text is ignored.
TextGrid SplitClipboardText(std::string_view text);

// The cells of a selection for the clipboard: fields joined by a tab, rows by "\n", with
// no line end after the last row.
std::string CopyText(const TextGrid& cells);

// The 1-based largest row and largest column that hold text other than blanks; 0 and 0
// for a grid without any.
struct GridExtent {
  int rows = 0;
  int columns = 0;
};
GridExtent UsedExtent(const TextGrid& cells);

// The text of cell (row, column), 1-based; empty outside the grid.
std::string_view CellAt(const TextGrid& cells, int row, int column);

}  // namespace orvella
