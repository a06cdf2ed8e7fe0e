// Reads rich text, as this program or another rich-text editor wrote it, into the
// worksheet's coloured text. Only the text, its line ends and its colours are kept.
#pragma once

#include <string>
#include <string_view>

#include "project/archive/coloured_text.h"

namespace orvella {

enum class RtfSource {
  kRtf,        // the bytes start, after any blanks, with "{\rtf"
  kPlainText,  // anything else: UTF-8 when valid, Windows-1252 otherwise
};

struct RtfDocument {
  RtfSource source = RtfSource::kPlainText;
  // False when the input ended before the document's outermost group closed.
  bool complete = true;
  // Lines separated by '\n'; no NUL or '\r'.
  ColouredRuns runs;

  std::string Text() const { return JoinedText(runs); }
};

// Never fails and never throws. Unknown control words are ignored; a document's final
// paragraph mark gives no empty last line; \'hh is read as Windows-1252 whatever the
// document's code page; groups nested deeper than a thousand levels are skipped; anything
// after the outermost group is ignored.
RtfDocument ReadRtf(std::string_view bytes);

}  // namespace orvella
