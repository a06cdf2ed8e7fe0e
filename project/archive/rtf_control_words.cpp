#include "project/archive/rtf_control_words.h"

#include <algorithm>
#include <array>

namespace orvella {
namespace {

using enum RtfAction;

// Sorted by name for the binary search. The destinations are those other writers put
// outside the text: tables, document information, pictures, objects, fields' instructions,
// headers, footers, notes and list numbering fallbacks.
constexpr std::array kControlWords = std::to_array<RtfControlWord>({
    {"annotation", kSkipDestination},
    {"author", kSkipDestination},
    {"bin", kBinary},
    {"bkmkend", kSkipDestination},
    {"bkmkstart", kSkipDestination},
    {"blue", kBlue},
    {"bullet", kCharacter, 0x2022},
    {"cell", kCharacter, '\t'},
    {"cf", kForeground},
    {"colorschememapping", kSkipDestination},
    {"colortbl", kColourTable},
    {"comment", kSkipDestination},
    {"datastore", kSkipDestination},
    {"doccomm", kSkipDestination},
    {"emdash", kCharacter, 0x2014},
    {"emspace", kCharacter, 0x2003},
    {"endash", kCharacter, 0x2013},
    {"enspace", kCharacter, 0x2002},
    {"filetbl", kSkipDestination},
    {"fldinst", kSkipDestination},
    {"fonttbl", kSkipDestination},
    {"footer", kSkipDestination},
    {"footerf", kSkipDestination},
    {"footerl", kSkipDestination},
    {"footerr", kSkipDestination},
    {"footnote", kSkipDestination},
    {"ftncn", kSkipDestination},
    {"ftnsep", kSkipDestination},
    {"ftnsepc", kSkipDestination},
    {"generator", kSkipDestination},
    {"green", kGreen},
    {"header", kSkipDestination},
    {"headerf", kSkipDestination},
    {"headerl", kSkipDestination},
    {"headerr", kSkipDestination},
    {"info", kSkipDestination},
    {"keywords", kSkipDestination},
    {"latentstyles", kSkipDestination},
    {"ldblquote", kCharacter, 0x201C},
    {"line", kCharacter, '\n'},
    {"listoverridetable", kSkipDestination},
    {"listtable", kSkipDestination},
    {"listtext", kSkipDestination},
    {"lquote", kCharacter, 0x2018},
    {"ltrmark", kCharacter, 0x200E},
    {"nonshppict", kSkipDestination},
    {"objdata", kSkipDestination},
    {"object", kSkipDestination},
    {"operator", kSkipDestination},
    {"par", kParagraphEnd},
    {"pgdsctbl", kSkipDestination},
    {"pict", kSkipDestination},
    {"plain", kPlain},
    {"pntext", kSkipDestination},
    {"private", kSkipDestination},
    {"qmspace", kCharacter, 0x2005},
    {"rdblquote", kCharacter, 0x201D},
    {"red", kRed},
    {"revtbl", kSkipDestination},
    {"row", kCharacter, '\n'},
    {"rquote", kCharacter, 0x2019},
    {"rsidtbl", kSkipDestination},
    {"rtlmark", kCharacter, 0x200F},
    {"sect", kParagraphEnd},
    {"stylesheet", kSkipDestination},
    {"subject", kSkipDestination},
    {"tab", kCharacter, '\t'},
    {"tc", kSkipDestination},
    {"template", kSkipDestination},
    {"themedata", kSkipDestination},
    {"title", kSkipDestination},
    {"txe", kSkipDestination},
    {"u", kUnicode},
    {"uc", kUnicodeSkip},
    {"userprops", kSkipDestination},
    {"xe", kSkipDestination},
    {"xmlnstbl", kSkipDestination},
    {"zwj", kCharacter, 0x200D},
    {"zwnj", kCharacter, 0x200C},
});

constexpr bool NameBefore(const RtfControlWord& a, const RtfControlWord& b) {
  return a.name < b.name;
}

static_assert(std::is_sorted(kControlWords.begin(), kControlWords.end(), NameBefore));

}  // namespace

RtfControlWord LookUpControlWord(std::string_view name) {
  const RtfControlWord key{name};
  const auto found = std::lower_bound(kControlWords.begin(), kControlWords.end(), key, NameBefore);
  if (found == kControlWords.end() || found->name != name) return key;
  return *found;
}

}  // namespace orvella
