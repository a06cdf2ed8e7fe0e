// XY data tables for the tests of what is linked to or drawn from a table.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/data_table.h"

namespace orvella::test {

// Rows (x[i], y[i]); y must be as long as x.
inline CDataTable MakeXYTable(const std::vector<double>& x, const std::vector<double>& y) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kXY, 2, static_cast<int>(x.size()));
  for (int row = 0; row < static_cast<int>(x.size()); ++row) {
    table.SetCell(0, row, x[row]);
    table.SetCell(1, row, y[row]);
  }
  return table;
}

inline std::unique_ptr<CDataTable> NewXYTable(std::string_view name, const std::vector<double>& x,
                                              const std::vector<double>& y) {
  auto table = std::make_unique<CDataTable>(MakeXYTable(x, y));
  table->SetName(std::string(name));
  return table;
}

}  // namespace orvella::test
