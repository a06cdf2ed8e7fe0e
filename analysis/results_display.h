// The "Results" dialog as a model: the rows of its two-column grid, its window title and
// the "Log results in workspace" check box. The desktop program binds its grid to it.
#pragma once

#include <string>
#include <vector>

#include "engine/number_format.h"
#include "worksheet/result_report.h"

namespace orvella {

// The label column is this wide (pixels); the value column takes the rest.
inline constexpr int kResultsLabelColumnWidth = 200;

struct ResultsGridRow {
  std::string label;
  std::string value;
};

struct ResultsColumnWidths {
  int label = kResultsLabelColumnWidth;
  int value = 0;
};

class CResultsDisplayModel {
 public:
  // The report and the format must outlive the model.
  CResultsDisplayModel(const CResultReport& report, const CNumberFormat& format,
                       bool logResults);

  const std::string& WindowTitle() const { return report_.title; }
  // At least `rowsThatFit` rows and at least the entry count + 3.
  int RowCount(int rowsThatFit) const;
  // Row 0 is the empty fixed header, row 1 holds the title, each entry fills the next row
  // (its label indented by four spaces when the entry is), and the rest are empty.
  std::vector<ResultsGridRow> Rows(int rowsThatFit) const;
  static ResultsColumnWidths ColumnWidths(int gridWidth);

  // The "Log results in workspace" check box.
  bool logResults;

 private:
  const CResultReport& report_;
  const CNumberFormat& format_;
};

}  // namespace orvella
