#include "cli/report_json.h"

#include <array>
#include <string_view>

#include "cli/json_text.h"

namespace orvella::cli {
namespace {

// Indexed by ReportEntryKind.
constexpr std::array<std::string_view, 3> kKindNames = {"number", "integer", "text"};

std::string_view KindName(ReportEntryKind kind) {
  return kKindNames[static_cast<std::size_t>(kind)];
}

std::string RowJson(const ReportEntry& entry, const CNumberFormat& format) {
  const bool hasValue = entry.kind != ReportEntryKind::kText;
  return "{\"label\": " + JsonString(entry.label) + ", \"kind\": \"" +
         std::string(KindName(entry.kind)) +
         "\", \"value\": " + (hasValue ? JsonNumber(entry.value) : "null") +
         ", \"text\": " + JsonString(EntryText(entry, format)) + "}";
}

}  // namespace

std::string ReportJson(const CResultReport& report, const CNumberFormat& format) {
  std::string json = "{\"title\": " + JsonString(report.title) +
                     ", \"resultText\": " + JsonString(report.resultText) + ", \"rows\": [";
  for (std::size_t i = 0; i < report.entries.size(); ++i) {
    json += i == 0 ? "\n  " : ",\n  ";
    json += RowJson(report.entries[i], format);
  }
  return json + "]}";
}

}  // namespace orvella::cli
