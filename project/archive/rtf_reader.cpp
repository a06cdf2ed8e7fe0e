#include "project/archive/rtf_reader.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "project/archive/rtf_control_words.h"
#include "project/archive/rtf_tokens.h"
#include "project/archive/text_encoding.h"

namespace orvella {
namespace {

// Deep enough for any real document, shallow enough that the state stack stays small.
constexpr std::size_t kMaxGroupDepth = 1000;
// Writers use 0 to 2 fallback characters per \uN.
constexpr int kMaxFallbackCount = 16;
// \plain and the start of the document: no \cf in force.
constexpr int kNoColourIndex = -1;

constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

enum class Destination : std::uint8_t { kText, kColourTable, kSkip };

// The formatting a group inherits from its parent and gives back when it closes.
struct GroupState {
  Destination destination = Destination::kText;
  int colourIndex = kNoColourIndex;
  int fallbackCount = 1;  // \uc
};

// The \colortbl entry being read; one without components is the automatic colour.
struct ColourEntry {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool set = false;

  TextColor Colour() const {
    return set ? static_cast<TextColor>(red | (green << 8) | (blue << 16))
               : platform::kAutomaticColor;
  }
};

class RtfParser {
 public:
  explicit RtfParser(std::string_view input) : tokens_(input) {}

  RtfDocument Parse();

 private:
  GroupState& Top() { return groups_.back(); }
  bool InText() const { return groups_.back().destination == Destination::kText; }
  bool Skipping() const {
    return excessDepth_ > 0 || groups_.back().destination == Destination::kSkip;
  }
  // Destinations change only below the document's own group, so that a stray word at the
  // top cannot hide the whole text.
  bool InNestedGroup() const { return groups_.size() > 1; }

  void OpenGroup();
  void CloseGroup();
  void OnContent(const RtfToken& token);
  void OnControlWord(const RtfToken& token, const RtfControlWord& word);
  void OnControlSymbol(unsigned char symbol);
  void OnTextByte(unsigned char byte);
  void OnColourComponent(int& component, const RtfToken& token);
  void OnUnicode(std::int32_t parameter);
  bool Emit(char32_t code);
  void FlushSurrogate();
  TextColor CurrentColour() const;
  RtfDocument Finish(bool complete);

  RtfTokenizer tokens_;
  std::vector<GroupState> groups_;
  std::size_t excessDepth_ = 0;  // groups opened past kMaxGroupDepth, all skipped
  std::vector<TextColor> colourTable_;
  ColourEntry colourEntry_;
  int fallbackLeft_ = 0;       // characters after \uN still to drop
  char32_t highSurrogate_ = 0;  // the first half of a pair, waiting for the second
  bool endsWithParagraph_ = false;
  ColouredRuns runs_;
};

RtfDocument RtfParser::Parse() {
  while (true) {
    const RtfToken token = tokens_.Next();
    switch (token.kind) {
      case RtfTokenKind::kEnd:
        return Finish(false);
      case RtfTokenKind::kGroupStart:
        fallbackLeft_ = 0;
        OpenGroup();
        break;
      case RtfTokenKind::kGroupEnd:
        fallbackLeft_ = 0;
        CloseGroup();
        if (groups_.empty()) return Finish(true);
        break;
      default:
        if (!groups_.empty()) OnContent(token);
        break;
    }
  }
}

void RtfParser::OpenGroup() {
  if (excessDepth_ > 0 || groups_.size() >= kMaxGroupDepth) {
    ++excessDepth_;
  } else {
    groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
  }
}

void RtfParser::CloseGroup() {
  if (excessDepth_ > 0) {
    --excessDepth_;
  } else if (!groups_.empty()) {
    FlushSurrogate();
    groups_.pop_back();
  }
}

void RtfParser::OnContent(const RtfToken& token) {
  const RtfControlWord word =
      token.kind == RtfTokenKind::kControlWord ? LookUpControlWord(token.word) : RtfControlWord{};
  // Binary data is stepped over even where it is skipped, or its bytes would be read as RTF.
  if (word.action == RtfAction::kBinary) {
    tokens_.SkipBytes(token.parameter.value_or(0));
    return;
  }
  if (Skipping()) return;
  // A \uN fallback may be a byte, a \'hh or any control word or symbol.
  if (fallbackLeft_ > 0) {
    --fallbackLeft_;
    return;
  }
  switch (token.kind) {
    case RtfTokenKind::kControlWord: OnControlWord(token, word); break;
    case RtfTokenKind::kControlSymbol: OnControlSymbol(token.byte); break;
    case RtfTokenKind::kHexByte: Emit(FromWindows1252(token.byte)); break;
    case RtfTokenKind::kText: OnTextByte(token.byte); break;
    default: break;
  }
}

void RtfParser::OnControlWord(const RtfToken& token, const RtfControlWord& word) {
  switch (word.action) {
    case RtfAction::kCharacter: Emit(word.character); break;
    case RtfAction::kParagraphEnd:
      if (Emit('\n')) endsWithParagraph_ = true;
      break;
    case RtfAction::kSkipDestination:
      if (InNestedGroup()) Top().destination = Destination::kSkip;
      break;
    case RtfAction::kColourTable:
      if (!InNestedGroup()) break;
      Top().destination = Destination::kColourTable;
      colourTable_.clear();
      colourEntry_ = {};
      break;
    case RtfAction::kRed: OnColourComponent(colourEntry_.red, token); break;
    case RtfAction::kGreen: OnColourComponent(colourEntry_.green, token); break;
    case RtfAction::kBlue: OnColourComponent(colourEntry_.blue, token); break;
    case RtfAction::kForeground: Top().colourIndex = token.parameter.value_or(0); break;
    case RtfAction::kPlain: Top().colourIndex = kNoColourIndex; break;
    case RtfAction::kUnicode:
      if (token.parameter) OnUnicode(*token.parameter);
      break;
    case RtfAction::kUnicodeSkip:
      Top().fallbackCount = std::clamp(token.parameter.value_or(1), 0, kMaxFallbackCount);
      break;
    case RtfAction::kBinary: case RtfAction::kIgnore: break;
  }
}

void RtfParser::OnControlSymbol(unsigned char symbol) {
  switch (symbol) {
    case '\\': case '{': case '}': Emit(symbol); break;
    case '~': Emit(0x00A0); break;  // non-breaking space
    case '_': Emit(0x2011); break;  // non-breaking hyphen
    case '*':                       // a destination a reader may ignore: all of ours do
      if (InNestedGroup()) Top().destination = Destination::kSkip;
      break;
    default: break;  // \- is an optional hyphen, shown only where a line breaks
  }
}

void RtfParser::OnTextByte(unsigned char byte) {
  if (Top().destination == Destination::kColourTable) {
    if (byte == ';') {
      colourTable_.push_back(colourEntry_.Colour());
      colourEntry_ = {};
    }
    return;
  }
  // Other control bytes are not text in RTF; a tab written as itself is.
  if (byte >= 0x20 || byte == '\t') Emit(FromWindows1252(byte));
}

void RtfParser::OnColourComponent(int& component, const RtfToken& token) {
  if (Top().destination != Destination::kColourTable) return;
  component = std::clamp(token.parameter.value_or(0), 0, 255);
  colourEntry_.set = true;
}

// N is a signed 16-bit value; characters past U+FFFF come as a pair of surrogates.
void RtfParser::OnUnicode(std::int32_t parameter) {
  fallbackLeft_ = Top().fallbackCount;
  if (!InText()) return;
  const char32_t unit = (parameter >= -0x8000 && parameter <= 0xFFFF)
                            ? static_cast<char32_t>(parameter & 0xFFFF)
                            : kReplacementCharacter;
  if (IsHighSurrogate(unit)) {
    if (highSurrogate_ != 0) Emit(kReplacementCharacter);
    highSurrogate_ = unit;
  } else if (IsLowSurrogate(unit) && highSurrogate_ != 0) {
    const char32_t code = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
    highSurrogate_ = 0;
    Emit(code);
  } else {
    Emit(unit);  // a lone low surrogate is written as U+FFFD
  }
}

// False where nothing is added: outside the text, or NUL and '\r', which the worksheet's
// text never holds.
bool RtfParser::Emit(char32_t code) {
  if (!InText()) return false;
  std::string encoded;
  if (highSurrogate_ != 0) {
    AppendUtf8(encoded, kReplacementCharacter);
    highSurrogate_ = 0;
  }
  if (code != 0 && code != '\r') AppendUtf8(encoded, code);
  if (encoded.empty()) return false;
  AppendColoured(runs_, encoded, CurrentColour());
  endsWithParagraph_ = false;
  return true;
}

// Pairs are written together; half of one left at the end of a group stands alone.
void RtfParser::FlushSurrogate() {
  if (highSurrogate_ != 0 && !groups_.empty()) Emit(0);
}

TextColor RtfParser::CurrentColour() const {
  const int index = groups_.back().colourIndex;
  if (index < 0 || index >= static_cast<int>(colourTable_.size())) {
    return platform::kAutomaticColor;
  }
  return colourTable_[index];
}

RtfDocument RtfParser::Finish(bool complete) {
  FlushSurrogate();
  if (endsWithParagraph_ && !runs_.empty()) {
    runs_.back().text.pop_back();
    if (runs_.back().text.empty()) runs_.pop_back();
  }
  return {RtfSource::kRtf, complete, std::move(runs_)};
}

RtfDocument ReadPlainText(std::string_view bytes) {
  constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  const bool utf8 = IsValidUtf8(bytes);
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') {
      text += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else if (c == 0) {
      continue;
    } else if (utf8 || c < 0x80) {
      text += static_cast<char>(c);
    } else {
      AppendUtf8(text, FromWindows1252(c));
    }
  }
  RtfDocument document;
  AppendColoured(document.runs, text, platform::kAutomaticColor);
  return document;
}

}  // namespace

RtfDocument ReadRtf(std::string_view bytes) {
  const std::size_t start = bytes.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos || !bytes.substr(start).starts_with("{\\rtf")) {
    return ReadPlainText(bytes);
  }
  return RtfParser(bytes.substr(start)).Parse();
}

}  // namespace orvella
