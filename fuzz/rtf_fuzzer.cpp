// libFuzzer target: any bytes through the worksheet's rich-text reader, the writer and the
// editor adapter. Nothing may crash, hang or read out of bounds, and what is read must come
// back unchanged through the writer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/fake/memory_text_editor.h"
#include "project/archive/rtf_editor.h"
#include "project/archive/rtf_reader.h"
#include "project/archive/rtf_writer.h"
#include "project/archive/text_encoding.h"

namespace {

using namespace orvella;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsColour(TextColor colour) {
  return colour == platform::kAutomaticColor || (colour >= 0 && colour <= 0xFFFFFF);
}

void CheckRuns(const ColouredRuns& runs) {
  for (std::size_t i = 0; i < runs.size(); ++i) {
    Check(!runs[i].text.empty());
    Check(IsColour(runs[i].colour));
    if (i > 0) Check(runs[i].colour != runs[i - 1].colour);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const RtfDocument document = ReadRtf(bytes);
  const std::string text = document.Text();
  CheckRuns(document.runs);
  Check(IsValidUtf8(text));
  Check(text.find('\0') == std::string::npos && text.find('\r') == std::string::npos);
  // No input byte turns into more than one three-byte character.
  Check(text.size() <= 3 * size);

  const std::string written = WriteRtf(document.runs, RtfFont{std::string(bytes.substr(0, 8)), 9});
  Check(ReadRtf(written).runs == document.runs);

  platform::MemoryTextEditor editor("earlier text");
  editor.SetColor(0, 3, 0x123456);
  LoadRtfInto(editor, bytes);
  Check(editor.Text() == text);
  Check(!editor.IsModified() && editor.Caret() == 0);
  Check(WriteRtf(editor) == WriteRtf(document.runs));
  return 0;
}
