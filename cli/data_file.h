// Data files of the analysis subcommands: a file read as a grid of numbers (see
// ParseDataGrid) and made into the list, table or matrix an analysis takes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/data_table.h"
#include "cli/data_grid.h"

namespace orvella::cli {

// More than the item limits can hold as text; a larger file is refused unread.
inline constexpr std::size_t kMaxDataFileBytes = 256u << 20;

struct DataFile {
  std::string path;
  std::string name;  // the file name without folder and extension: the item's name
  DataGrid grid;
};

struct ReadDataFileResult {
  std::optional<DataFile> file;
  std::string error;  // "<path>:<line>: <message>", or "<path>: <message>"
};

ReadDataFileResult ReadDataFile(const std::string& path, char decimalPoint);

// The conversions answer an empty text or the message for a grid of the wrong shape.
// One column: the list, named by the header or else the file.
std::string MakeList(const DataFile& file, CDataList& list);
// Two columns X, Y or three X, Y and the Y error; named by the file, the columns by the
// header (or X, Y, YSig).
std::string MakeTable(const DataFile& file, CDataTable& table);
// Any rectangle; named by the file.
std::string MakeMatrix(const DataFile& file, CDataMatrix& matrix);

// ReadDataFile and the conversion in one: the message of either failure, or empty.
std::string LoadList(const std::string& path, char decimalPoint, CDataList& list);
std::string LoadTable(const std::string& path, char decimalPoint, CDataTable& table);
std::string LoadMatrix(const std::string& path, char decimalPoint, CDataMatrix& matrix);

}  // namespace orvella::cli
