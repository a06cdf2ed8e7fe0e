// The text of a data file as a grid of numbers: one row per line, one value per field,
// with the column names of an optional header line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvella::cli {

struct DataGrid {
  std::vector<std::string> columnNames;  // the header's fields; empty without a header
  int rows = 0;
  int columns = 0;
  std::vector<double> values;  // row-major
  double Value(int row, int column) const {
    return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                  static_cast<std::size_t>(column)];
  }
};

struct DataGridError {
  int line = 0;  // from 1; 0 for the text as a whole
  std::string message;
};

struct ParsedDataGrid {
  std::optional<DataGrid> grid;
  DataGridError error;  // when there is no grid
};

// Fields are separated by ';' on a line that has one, else by ',' unless it is the decimal
// point, else by runs of blanks and tabs; a field may be enclosed in double quotes. Lines that are
// empty or start with '#' are skipped. The first other line is a header when none of its fields is
// a number. Every row must have as many values as the first; values must be finite and their number
// within the item limits.
ParsedDataGrid ParseDataGrid(std::string_view text, char decimalPoint);

}  // namespace orvella::cli
