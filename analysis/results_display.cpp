#include "analysis/results_display.h"

#include <algorithm>

namespace orvella {
namespace {

// The header row, the title row and one empty row below the entries.
constexpr int kRowsBesideEntries = 3;
constexpr const char* kIndent = "    ";

}  // namespace

CResultsDisplayModel::CResultsDisplayModel(const CResultReport& report,
                                           const CNumberFormat& format, bool logResults)
    : logResults(logResults), report_(report), format_(format) {}

int CResultsDisplayModel::RowCount(int rowsThatFit) const {
  return std::max(rowsThatFit, static_cast<int>(report_.entries.size()) + kRowsBesideEntries);
}

std::vector<ResultsGridRow> CResultsDisplayModel::Rows(int rowsThatFit) const {
  std::vector<ResultsGridRow> rows(static_cast<std::size_t>(RowCount(rowsThatFit)));
  rows[1].label = report_.title;
  std::size_t row = 2;
  for (const ReportEntry& entry : report_.entries) {
    rows[row].label = (entry.indented ? kIndent : "") + entry.label;
    rows[row].value = EntryText(entry, format_);
    ++row;
  }
  return rows;
}

ResultsColumnWidths CResultsDisplayModel::ColumnWidths(int gridWidth) {
  return {kResultsLabelColumnWidth, std::max(0, gridWidth - kResultsLabelColumnWidth)};
}

}  // namespace orvella
