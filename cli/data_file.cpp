#include "cli/data_file.h"

#include <filesystem>
#include <fstream>

namespace orvella::cli {
namespace {

struct FileText {
  std::string text;
  std::string error;
};

// Read in pieces, so that a file too large is refused before it is all in memory; this
// also works for pipes, whose size is not known in advance.
FileText ReadBounded(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {{}, "cannot read the file"};
  FileText result;
  char buffer[1 << 16];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    if (result.text.size() + static_cast<std::size_t>(file.gcount()) > kMaxDataFileBytes) {
      return {{}, "the file is larger than " + std::to_string(kMaxDataFileBytes >> 20) + " MB"};
    }
    result.text.append(buffer, static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) return {{}, "cannot read the file"};
  return result;
}

std::string ColumnsMessage(const DataFile& file, std::string_view wanted) {
  return file.path + ": " + std::to_string(file.grid.columns) + " columns, but " +
         std::string(wanted);
}

template <typename Item>
std::string Load(const std::string& path, char decimalPoint, Item& item,
                 std::string (*make)(const DataFile&, Item&)) {
  ReadDataFileResult read = ReadDataFile(path, decimalPoint);
  return read.file ? make(*read.file, item) : read.error;
}

}  // namespace

ReadDataFileResult ReadDataFile(const std::string& path, char decimalPoint) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return {std::nullopt, path + ": is a folder"};
  FileText text = ReadBounded(path);
  if (!text.error.empty()) return {std::nullopt, path + ": " + text.error};
  ParsedDataGrid parsed = ParseDataGrid(text.text, decimalPoint);
  if (!parsed.grid) {
    const std::string where =
        parsed.error.line > 0 ? path + ":" + std::to_string(parsed.error.line) : path;
    return {std::nullopt, where + ": " + parsed.error.message};
  }
  const std::string name = std::filesystem::path(path).stem().string();
  return {DataFile{path, name, std::move(*parsed.grid)}, {}};
}

std::string MakeList(const DataFile& file, CDataList& list) {
  const DataGrid& grid = file.grid;
  if (grid.columns != 1) return ColumnsMessage(file, "a list has 1");
  for (int row = 0; row < grid.rows; ++row) list.Append(grid.Value(row, 0));
  list.SetName(grid.columnNames.empty() ? file.name : grid.columnNames.front());
  return {};
}

std::string MakeTable(const DataFile& file, CDataTable& table) {
  const DataGrid& grid = file.grid;
  if (grid.columns != 2 && grid.columns != 3) {
    return ColumnsMessage(file, "a table has 2 (X, Y) or 3 (X, Y, Y error)");
  }
  const TableLayout layout = grid.columns == 2 ? TableLayout::kXY : TableLayout::kXYError;
  if (!table.SetUpColumns(layout, grid.columns, grid.rows)) {
    return file.path + ": more values than a data table holds";
  }
  for (int column = 0; column < grid.columns; ++column) {
    for (int row = 0; row < grid.rows; ++row) table.SetCell(column, row, grid.Value(row, column));
    if (!grid.columnNames.empty()) table.Column(column).SetName(grid.columnNames[column]);
  }
  table.SetName(file.name);
  return {};
}

std::string MakeMatrix(const DataFile& file, CDataMatrix& matrix) {
  const DataGrid& grid = file.grid;
  if (matrix.Resize(grid.rows, grid.columns, false) != kNoError) {
    return file.path + ": more values than a matrix holds";
  }
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      matrix.SetCell(row + 1, column + 1, grid.Value(row, column));
    }
  }
  matrix.SetName(file.name);
  return {};
}

std::string LoadList(const std::string& path, char decimalPoint, CDataList& list) {
  return Load(path, decimalPoint, list, MakeList);
}

std::string LoadTable(const std::string& path, char decimalPoint, CDataTable& table) {
  return Load(path, decimalPoint, table, MakeTable);
}

std::string LoadMatrix(const std::string& path, char decimalPoint, CDataMatrix& matrix) {
  return Load(path, decimalPoint, matrix, MakeMatrix);
}

}  // namespace orvella::cli
