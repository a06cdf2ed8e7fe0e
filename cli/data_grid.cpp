#include "cli/data_grid.h"

#include "analysis/item_limits.h"
#include "cli/typed_number.h"
#include "engine/text_util.h"

namespace orvella::cli {
namespace {

using Fields = std::vector<std::string_view>;

// ';' where the line has one, as a ',' may then be a decimal comma; else ',' unless it
// is the decimal point; 0 when blanks separate the fields.
char ListSeparatorOf(std::string_view line, char decimalPoint) {
  if (line.find(';') != std::string_view::npos) return ';';
  if (decimalPoint != ',' && line.find(',') != std::string_view::npos) return ',';
  return 0;
}

std::string_view Unquoted(std::string_view field) {
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
    return field.substr(1, field.size() - 2);
  }
  return field;
}

// With a list separator every field between two separators counts, an empty one too;
// without one the blanks separate, however many there are.
Fields SplitFields(std::string_view line, char decimalPoint) {
  Fields fields;
  const char separator = ListSeparatorOf(line, decimalPoint);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const bool atEnd = i == line.size();
    if (!atEnd && (separator != 0 ? line[i] != separator : !IsBlank(line[i]))) continue;
    const std::string_view field = Trim(line.substr(start, i - start));
    if (separator != 0 || !field.empty()) fields.push_back(Unquoted(field));
    start = i + 1;
  }
  return fields;
}

bool IsSkipped(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  return trimmed.empty() || trimmed.front() == '#';
}

bool IsHeader(const Fields& fields, char decimalPoint) {
  for (std::string_view field : fields) {
    if (ReadFiniteNumber(field, decimalPoint)) return false;
  }
  return true;
}

std::string BadFieldMessage(std::string_view field, char decimalPoint) {
  if (field.empty()) return "missing value";
  std::string message = "bad number '" + std::string(field) + "'";
  // "1,5" read with '.' as decimal point: the likely cause.
  if (decimalPoint == '.' && field.find(',') != std::string_view::npos) {
    message += " (with ',' as decimal point use --decimal-comma)";
  }
  return message;
}

// Accumulates the rows of the grid line by line.
class GridBuilder {
 public:
  explicit GridBuilder(char decimalPoint) : decimalPoint_(decimalPoint) {}

  // False (with the error set) for a line that cannot be a row of the grid.
  bool AddLine(std::string_view line, int lineNumber) {
    const Fields fields = SplitFields(line, decimalPoint_);
    if (seenFirstLine_) return AddRow(fields, lineNumber);
    seenFirstLine_ = true;
    if (!IsHeader(fields, decimalPoint_)) return AddRow(fields, lineNumber);
    for (std::string_view name : fields) grid_.columnNames.emplace_back(name);
    grid_.columns = static_cast<int>(fields.size());
    return true;
  }

  ParsedDataGrid Finish() {
    if (grid_.rows == 0) return Fail(0, "no data");
    return {std::move(grid_), {}};
  }

  ParsedDataGrid Error() const { return {std::nullopt, error_}; }

 private:
  bool AddRow(const Fields& fields, int lineNumber) {
    const int count = static_cast<int>(fields.size());
    if (grid_.columns == 0) grid_.columns = count;
    if (count != grid_.columns) {
      return SetError(lineNumber, "expected " + std::to_string(grid_.columns) + " values, found " +
                                      std::to_string(count));
    }
    if (!FitsMatrix(grid_.rows + 1LL, count)) {
      return SetError(lineNumber, "more values than a data item holds");
    }
    for (std::string_view field : fields) {
      const std::optional<double> value = ReadFiniteNumber(field, decimalPoint_);
      if (!value) return SetError(lineNumber, BadFieldMessage(field, decimalPoint_));
      grid_.values.push_back(*value);
    }
    ++grid_.rows;
    return true;
  }

  bool SetError(int lineNumber, std::string message) {
    error_ = {lineNumber, std::move(message)};
    return false;
  }

  ParsedDataGrid Fail(int lineNumber, std::string message) {
    SetError(lineNumber, std::move(message));
    return Error();
  }

  char decimalPoint_;
  bool seenFirstLine_ = false;
  DataGrid grid_;
  DataGridError error_;
};

// A byte-order mark that editors put before the first line.
std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return text.substr(0, kMark.size()) == kMark ? text.substr(kMark.size()) : text;
}

}  // namespace

ParsedDataGrid ParseDataGrid(std::string_view text, char decimalPoint) {
  GridBuilder builder(decimalPoint);
  text = WithoutByteOrderMark(text);
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (IsSkipped(line)) continue;
    if (!builder.AddLine(line, lineNumber)) return builder.Error();
  }
  return builder.Finish();
}

}  // namespace orvella::cli
