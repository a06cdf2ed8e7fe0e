#include "project/archive/rtf_writer.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>

#include "project/archive/text_encoding.h"

namespace orvella {
namespace {

// Word processors accept sizes up to 1638 points.
constexpr int kMaxFontSize = 1638;

TextColor Normalized(TextColor colour) {
  return colour < 0 ? platform::kAutomaticColor : (colour & 0xFFFFFF);
}

// \cfN indexes: 0 is the automatic colour, then each colour in order of first use.
class ColourTable {
 public:
  explicit ColourTable(const ColouredRuns& runs) {
    for (const ColouredRun& run : runs) {
      const TextColor colour = Normalized(run.colour);
      if (colour == platform::kAutomaticColor || indexes_.contains(colour)) continue;
      indexes_.emplace(colour, static_cast<int>(order_.size()) + 1);
      order_.push_back(colour);
    }
  }

  int IndexOf(TextColor colour) const {
    auto found = indexes_.find(Normalized(colour));
    return found == indexes_.end() ? 0 : found->second;
  }

  std::string Rtf() const {
    std::string out = "{\\colortbl ;";
    for (TextColor colour : order_) {
      out += "\\red" + std::to_string(colour & 0xFF) + "\\green" +
             std::to_string((colour >> 8) & 0xFF) + "\\blue" +
             std::to_string((colour >> 16) & 0xFF) + ';';
    }
    return out + '}';
  }

 private:
  std::map<TextColor, int> indexes_;
  std::vector<TextColor> order_;
};

void AppendHexEscape(std::string& out, std::uint8_t byte) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\'";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0xF];
}

// \uN takes a signed 16-bit N; '?' is the character readers without Unicode show.
void AppendUnicodeEscape(std::string& out, char32_t unit) {
  out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit))) +
         '?';
}

void AppendCharacter(std::string& out, char32_t code) {
  if (code == '\r' || code == 0) return;
  if (code == '\n') {
    out += "\\par\n";
  } else if (code == '\t') {
    out += "\\tab ";
  } else if (code == '\\' || code == '{' || code == '}') {
    out += '\\';
    out += static_cast<char>(code);
  } else if (code >= 0x20 && code < 0x7F) {
    out += static_cast<char>(code);
  } else if (const std::optional<std::uint8_t> byte = ToWindows1252(code)) {
    AppendHexEscape(out, *byte);
  } else if (code < 0x10000) {
    AppendUnicodeEscape(out, code);
  } else {
    const char32_t offset = code - 0x10000;
    AppendUnicodeEscape(out, 0xD800 + (offset >> 10));
    AppendUnicodeEscape(out, 0xDC00 + (offset & 0x3FF));
  }
}

void AppendText(std::string& out, std::string_view text) {
  while (!text.empty()) {
    const DecodedChar decoded = DecodeUtf8(text);
    AppendCharacter(out, decoded.code);
    text.remove_prefix(decoded.length);
  }
}

// A face name ends at ';' in the font table, so a ';' of its own cannot be kept; nor can a
// line end or a tab, which would become words of their own.
std::string FontTable(const RtfFont& font) {
  std::string face = font.face;
  std::erase_if(face, [](char c) { return c == ';' || static_cast<unsigned char>(c) < 0x20; });
  if (face.empty()) face = RtfFont{}.face;
  std::string out = "{\\fonttbl{\\f0\\fnil ";
  AppendText(out, face);
  return out + ";}}";
}

}  // namespace

std::string WriteRtf(const ColouredRuns& runs, const RtfFont& font) {
  const ColourTable colours(runs);
  const int halfPoints = 2 * std::clamp(font.size, 1, kMaxFontSize);
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0" + FontTable(font) + '\n' +
                    colours.Rtf() + "\n\\viewkind4\\uc1\\pard\\f0\\fs" +
                    std::to_string(halfPoints) + ' ';
  int current = 0;
  for (const ColouredRun& run : runs) {
    const int index = colours.IndexOf(run.colour);
    if (index != current) {
      out += "\\cf" + std::to_string(index) + ' ';
      current = index;
    }
    AppendText(out, run.text);
  }
  return out + "\\par\n}";
}

}  // namespace orvella
