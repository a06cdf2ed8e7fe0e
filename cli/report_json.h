// A result report as JSON, for scripts: what the worksheet would show, with the values
// themselves beside their formatted texts.
#pragma once

#include <string>

#include "engine/number_format.h"
#include "worksheet/result_report.h"

namespace orvella::cli {

// {"title": ..., "resultText": ..., "rows": [{"label", "kind", "value", "text"}, ...]}:
// kind is "number", "integer" or "text"; value is null for text rows and for values that
// are not finite; text is the row's value as the worksheet writes it in `format`.
std::string ReportJson(const CResultReport& report, const CNumberFormat& format);

}  // namespace orvella::cli
