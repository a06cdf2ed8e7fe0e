// What the RTF reader does with each control word it knows; every other word is ignored.
#pragma once

#include <string_view>

namespace orvella {

enum class RtfAction {
  kIgnore,
  kCharacter,         // a character of the text (\tab, \line, \emdash, ...)
  kParagraphEnd,      // \par and \sect: a line end
  kSkipDestination,   // a group whose content is not text (\fonttbl, \pict, \info, ...)
  kColourTable,       // \colortbl
  kRed,
  kGreen,
  kBlue,
  kForeground,        // \cfN
  kPlain,             // \plain: character formatting back to the defaults
  kUnicode,           // \uN
  kUnicodeSkip,       // \ucN: fallback characters after each \uN
  kBinary,            // \binN: N raw bytes follow
};

struct RtfControlWord {
  std::string_view name;
  RtfAction action = RtfAction::kIgnore;
  char32_t character = 0;  // for kCharacter
};

RtfControlWord LookUpControlWord(std::string_view name);

}  // namespace orvella
