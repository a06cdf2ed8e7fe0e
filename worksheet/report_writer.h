// Writing results into the worksheet text from outside it: the analyses log their reports
// at the end of the text, and a single result line goes in at the caret.
#pragma once

#include <string_view>

#include "engine/number_format.h"
#include "platform/text_editor.h"
#include "worksheet/result_report.h"

namespace orvella {

// The report on lines of its own at the end of the text, followed by a line end.
void AppendReport(platform::TextEditor& editor, const CResultReport& report,
                  const CNumberFormat& format);

// `text` on a line of its own at the caret: the caret line is ended first when it holds
// text, and the caret ends on the fresh line after it.
void WriteLineAtCaret(platform::TextEditor& editor, std::string_view text);

}  // namespace orvella
