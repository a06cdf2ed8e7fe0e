// How a matrix result prints: its rows of numbers, or JSON for scripts.
#pragma once

#include <string>

#include "analysis/data_matrix.h"
#include "engine/number_format.h"

namespace orvella::cli {

// One line per row, the values in `format` separated by tabs, so that the output can be
// read back as a data file.
std::string MatrixText(const CDataMatrix& matrix, const CNumberFormat& format);

// {"name": ..., "rows": [[...], ...]} with the values themselves (null where not finite).
std::string MatrixJson(const CDataMatrix& matrix);

}  // namespace orvella::cli
