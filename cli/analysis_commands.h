// The data-analysis subcommands of orvella-calc: "analyze", "compare", "fit" and
// "matrix" read data files and print the report as the worksheet would log it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvella::cli {

// Whether the first argument names a subcommand rather than starts the calculator.
bool IsAnalysisCommand(std::string_view argument);

// `arguments` start with the subcommand's name. The result or report goes to `out`; a
// failure's message to `err`. Returns the exit status: 0, 1 when the analysis refused
// the data, 2 for wrong arguments or a data file that cannot be used.
int RunAnalysisCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err);

// The subcommands' part of the calculator's usage text.
std::string AnalysisUsageText();

}  // namespace orvella::cli
