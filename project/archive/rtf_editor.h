// The worksheet editor's text and colours to and from rich text.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_editor.h"
#include "project/archive/rtf_writer.h"

namespace orvella {

// Each character takes the colour of its first byte, so a colour boundary inside a UTF-8
// sequence cannot split it.
std::string WriteRtf(const platform::TextEditor& editor, const RtfFont& font = {});

// Replaces the editor's text with what the bytes hold (rich text or plain text), coloured as
// written, then leaves the caret at the start and the editor unmodified.
void LoadRtfInto(platform::TextEditor& editor, std::string_view bytes);

}  // namespace orvella
