#include "project/archive/coloured_text.h"

namespace orvella {

void AppendColoured(ColouredRuns& runs, std::string_view text, TextColor colour) {
  if (text.empty()) return;
  if (runs.empty() || runs.back().colour != colour) {
    runs.push_back({std::string(text), colour});
  } else {
    runs.back().text += text;
  }
}

std::string JoinedText(const ColouredRuns& runs) {
  std::size_t size = 0;
  for (const ColouredRun& run : runs) size += run.text.size();
  std::string text;
  text.reserve(size);
  for (const ColouredRun& run : runs) text += run.text;
  return text;
}

}  // namespace orvella
