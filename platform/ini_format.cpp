#include "platform/ini_format.h"

#include <optional>

#include "platform/settings_encoding.h"

namespace orvella::platform {
namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool IsComment(std::string_view line) {
  return line.empty() || line.front() == ';' || line.front() == '#';
}

bool IsSectionHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// An empty or broken name gives no section: the values under it are skipped, not filed
// under the section before.
std::optional<std::string> SectionName(std::string_view header) {
  std::optional<std::string> name = DecodeName(Trim(header.substr(1, header.size() - 2)));
  if (name && name->empty()) return std::nullopt;
  return name;
}

void ParseValueLine(std::string_view line, const std::optional<std::string>& section,
                    SettingsTable& table) {
  const std::size_t equals = line.find('=');
  if (!section || equals == std::string_view::npos) return;
  const std::optional<std::string> name = DecodeName(Trim(line.substr(0, equals)));
  if (!name || name->empty()) return;
  table.Set(*section, *name, std::string(Trim(line.substr(equals + 1))));
}

}  // namespace

SettingsTable ParseIni(std::string_view content) {
  SettingsTable table;
  if (content.find('\0') != std::string_view::npos) return table;
  if (content.starts_with(kUtf8ByteOrderMark)) content.remove_prefix(kUtf8ByteOrderMark.size());
  std::optional<std::string> section;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    const std::string_view line = Trim(content.substr(0, end));
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (IsComment(line)) continue;
    if (IsSectionHeader(line)) {
      section = SectionName(line);
    } else {
      ParseValueLine(line, section, table);
    }
  }
  return table;
}

std::string FormatIni(const SettingsTable& table) {
  std::string out;
  for (const auto& [section, values] : table.sections()) {
    if (!out.empty()) out += '\n';
    out += '[' + EncodeName(section) + "]\n";
    for (const auto& [name, stored] : values) out += EncodeName(name) + '=' + stored + '\n';
  }
  return out;
}

}  // namespace orvella::platform
