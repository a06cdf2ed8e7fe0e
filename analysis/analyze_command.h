// "Analyze" of a list or of a data table's X and Y columns: the descriptive statistics
// the "Options" bits ask for, collected in a result report.
#pragma once

#include <cstdint>
#include <string_view>

#include "analysis/data_list.h"
#include "analysis/data_table.h"
#include "engine/calc_error.h"
#include "worksheet/result_report.h"

namespace orvella {

inline constexpr std::string_view kTooFewDataMessage =
    "There are too few data points.  Please enter more data.";

// "Analyze" needs three values where the statistics need two.
inline constexpr int kMinAnalyzedValues = 3;

// Code 52 when the list has fewer than three values (show kTooFewDataMessage; the report
// is left alone). Otherwise the report is cleared and filled: title "List Analysis", the
// list's name, then the chosen statistics rows.
CalcError AnalyzeList(CDataList& list, std::int32_t outputBits, CResultReport& report);

// The same for the X and Y columns of a table, one block per column under the column's
// name; an error column is not analysed. Code 52 also when the table has fewer than two
// columns, or when X or Y holds fewer than three values.
CalcError AnalyzeTable(CDataTable& table, std::int32_t outputBits, CResultReport& report);

// The chosen statistics rows of an analysed list, all indented.
void AddStatisticsRows(const CDataList& list, std::int32_t outputBits, CResultReport& report);

}  // namespace orvella
