// The paste contract of the grid: after the widget has pasted clipboard text into its
// cells, the item is read back from the cell texts. Values are read with strtod (text
// that is no number reads 0); expressions are not evaluated on paste.
#pragma once

#include <string_view>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/data_table.h"
#include "analysis/text_grid.h"

namespace orvella {

// How the paste talks to the user; the GUI shows boxes, tests script the answers.
class PastePrompter {
 public:
  virtual ~PastePrompter() = default;
  virtual void Inform(std::string_view message) = 0;
  virtual bool AskYesNo(std::string_view question) = 0;
};

inline constexpr std::string_view kTableColumnsIgnored =
    "The pasted data has more columns than the current data table.  The extra data columns "
    "will be ignored.";
inline constexpr std::string_view kListColumnsIgnored =
    "The pasted data has more than one columns.  The extra data columns will be ignored.";
inline constexpr std::string_view kExpandMatrixQuestion =
    "The pasted data has more rows and/or columns than the current matrix.  Would you like "
    "to expand the matrix to accomodate the additional data?";

// `cells` are the grid's value cells after the paste. Every column gets as many rows as
// the last row holding text (fewer only where the item limits require it).
void PasteIntoTable(CDataTable& table, const TextGrid& cells, PastePrompter& prompter);
// The list takes column 1 down to the last row holding text.
void PasteIntoList(CDataList& list, const TextGrid& cells, PastePrompter& prompter);
// A larger pasted rectangle asks to expand the matrix (to that size, values not kept);
// then every cell of the matrix is read from the grid.
void PasteIntoMatrix(CDataMatrix& matrix, const TextGrid& cells, PastePrompter& prompter);

}  // namespace orvella
