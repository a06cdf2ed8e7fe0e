#include "worksheet/result_report.h"

#include <cmath>
#include <cstdint>

namespace orvella {

void CResultReport::Clear() {
  resultText.clear();
  title.clear();
  columnWidths[0] = 150;
  columnWidths[1] = 150;
  entries.clear();
}

void CResultReport::AddNumber(std::string label, double value, bool indented) {
  entries.push_back({std::move(label), {}, value, ReportEntryKind::kNumber, indented});
}

void CResultReport::AddInteger(std::string label, double value, bool indented) {
  entries.push_back({std::move(label), {}, value, ReportEntryKind::kInteger, indented});
}

void CResultReport::AddText(std::string label, std::string text, bool indented) {
  entries.push_back({std::move(label), std::move(text), 0.0, ReportEntryKind::kText, indented});
}

namespace {

std::string IntegerText(double value) {
  double t = std::trunc(value);
  if (!(std::fabs(t) < 9.2e18)) return "0";
  return std::to_string(static_cast<std::int32_t>(static_cast<std::int64_t>(t)));
}

// A bare name as label (a fitted parameter) would run into its value.
bool NeedsEqualsSign(const std::string& label) {
  return !label.empty() && label.back() != ' ' && label.back() != ':';
}

}  // namespace

std::string EntryText(const ReportEntry& entry, const CNumberFormat& format) {
  switch (entry.kind) {
    case ReportEntryKind::kNumber: return format.Format(entry.value);
    case ReportEntryKind::kInteger: return IntegerText(entry.value);
    case ReportEntryKind::kText: return entry.text;
  }
  return entry.text;
}

std::string ReportText(const CResultReport& report, const CNumberFormat& format) {
  std::string text = report.title.empty() ? report.resultText : "' " + report.title;
  for (const ReportEntry& entry : report.entries) {
    text += '\n';
    if (entry.indented) text += "    ";
    text += entry.label;
    const std::string value = EntryText(entry, format);
    // A row without a value is a heading: it stands alone.
    if (NeedsEqualsSign(entry.label) && !value.empty()) text += " = ";
    text += value;
  }
  return text;
}

}  // namespace orvella
