#include "project/archive/rtf_editor.h"

#include <climits>
#include <cstdint>

#include "project/archive/rtf_reader.h"
#include "project/archive/text_encoding.h"

namespace orvella {
namespace {

ColouredRuns RunsOf(const platform::TextEditor& editor) {
  const std::string text = editor.Text();
  ColouredRuns runs;
  std::size_t offset = 0;
  while (offset < text.size()) {
    const std::string_view rest = std::string_view(text).substr(offset);
    const std::size_t length = DecodeUtf8(rest).length;
    AppendColoured(runs, rest.substr(0, length), editor.ColorAt(static_cast<int>(offset)));
    offset += length;
  }
  return runs;
}

}  // namespace

std::string WriteRtf(const platform::TextEditor& editor, const RtfFont& font) {
  return WriteRtf(RunsOf(editor), font);
}

void LoadRtfInto(platform::TextEditor& editor, std::string_view bytes) {
  const RtfDocument document = ReadRtf(bytes);
  editor.SetSelection(0, editor.Length());
  editor.Type(document.Text());
  // Every run is coloured, automatic ones too: typing may have taken over a colour from
  // the text it replaced.
  std::int64_t offset = 0;
  for (const ColouredRun& run : document.runs) {
    if (offset + static_cast<std::int64_t>(run.text.size()) > INT_MAX) break;
    editor.SetColor(static_cast<int>(offset), static_cast<int>(run.text.size()), run.colour);
    offset += static_cast<std::int64_t>(run.text.size());
  }
  editor.SetCaret(0);
  editor.SetModified(false);
}

}  // namespace orvella
