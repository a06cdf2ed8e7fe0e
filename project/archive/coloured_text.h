// Text with character colours as runs: the form the worksheet's rich text takes between the
// editor and the project file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/text_editor.h"

namespace orvella {

using platform::TextColor;

// UTF-8 text in one colour (0x00BBGGRR, or platform::kAutomaticColor).
struct ColouredRun {
  std::string text;
  TextColor colour = platform::kAutomaticColor;

  bool operator==(const ColouredRun&) const = default;
};

using ColouredRuns = std::vector<ColouredRun>;

// Appends to the last run when the colour is the same, so that runs never hold empty text
// and no two neighbours share a colour.
void AppendColoured(ColouredRuns& runs, std::string_view text, TextColor colour);

std::string JoinedText(const ColouredRuns& runs);

}  // namespace orvella
