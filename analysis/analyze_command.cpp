#include "analysis/analyze_command.h"

#include "analysis/analysis_options.h"

namespace orvella {
namespace {

// The two columns of a table that "Analyze" reports.
constexpr int kAnalyzedColumns = 2;

// A table with one column cannot be analysed as X and Y, and a column of an independent
// table may be shorter than the table's longest: both read as too few data.
bool CanAnalyzeTable(const CDataTable& table) {
  if (table.ColumnCount() < kAnalyzedColumns || table.RowCount() < kMinAnalyzedValues) {
    return false;
  }
  for (int column = 0; column < kAnalyzedColumns; ++column) {
    if (table.Column(column).Count() < kMinAnalyzedValues) return false;
  }
  return true;
}

}  // namespace

void AddStatisticsRows(const CDataList& list, std::int32_t outputBits, CResultReport& report) {
  for (const StatisticOption& option : kStatisticOptions) {
    if ((outputBits & option.bit) == 0) continue;
    const std::string label(option.reportLabel);
    if (option.value == nullptr) {
      report.AddInteger(label, list.Count(), true);
    } else {
      report.AddNumber(label, list.statistics.*option.value, true);
    }
  }
}

CalcError AnalyzeList(CDataList& list, std::int32_t outputBits, CResultReport& report) {
  if (list.Count() < kMinAnalyzedValues) return kTooFewDataPoints;
  const CalcError error = list.ComputeStatistics();
  if (error != kNoError) return error;
  report.Clear();
  report.title = "List Analysis";
  report.AddText("List: ", list.Name(), true);
  AddStatisticsRows(list, outputBits, report);
  return kNoError;
}

CalcError AnalyzeTable(CDataTable& table, std::int32_t outputBits, CResultReport& report) {
  if (!CanAnalyzeTable(table)) return kTooFewDataPoints;
  // Columns beyond X and Y (an error column, the rest of a fixed table) may be short;
  // their failure does not concern the two that are reported.
  table.ComputeStatistics();
  report.Clear();
  report.title = "Table Analysis";
  report.AddText("Data Table: ", table.Name(), false);
  for (int column = 0; column < kAnalyzedColumns; ++column) {
    const CDataList& list = table.Column(column);
    report.AddText(list.Name(), "", false);
    AddStatisticsRows(list, outputBits, report);
  }
  return kNoError;
}

}  // namespace orvella
