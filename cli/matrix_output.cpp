#include "cli/matrix_output.h"

#include "cli/json_text.h"

namespace orvella::cli {

std::string MatrixText(const CDataMatrix& matrix, const CNumberFormat& format) {
  std::string text;
  for (int row = 1; row <= matrix.Rows(); ++row) {
    for (int column = 1; column <= matrix.Columns(); ++column) {
      if (column > 1) text += '\t';
      text += format.Format(matrix.Cell(row, column));
    }
    text += '\n';
  }
  return text;
}

std::string MatrixJson(const CDataMatrix& matrix) {
  std::string json = "{\"name\": " + JsonString(matrix.Name()) + ", \"rows\": [";
  for (int row = 1; row <= matrix.Rows(); ++row) {
    json += row == 1 ? "[" : ", [";
    for (int column = 1; column <= matrix.Columns(); ++column) {
      if (column > 1) json += ", ";
      json += JsonNumber(matrix.Cell(row, column));
    }
    json += "]";
  }
  return json + "]}\n";
}

}  // namespace orvella::cli
