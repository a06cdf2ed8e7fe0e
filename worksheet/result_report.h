// The record in which the worksheet and every analysis collect a result before it is
// shown in the results display or written into the worksheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/number_format.h"

namespace orvella {

enum class ReportEntryKind : std::int32_t {
  kNumber = 0,   // the value in the project's number format
  kInteger = 1,  // the value truncated, as "%d"
  kText = 2,     // the entry's text
};

struct ReportEntry {
  std::string label;
  std::string text;
  double value = 0.0;
  ReportEntryKind kind = ReportEntryKind::kNumber;
  bool indented = false;
};

class CResultReport {
 public:
  void Clear();
  void AddNumber(std::string label, double value, bool indented = false);
  void AddInteger(std::string label, double value, bool indented = false);
  void AddText(std::string label, std::string text, bool indented = false);

  // The single result of a plain calculation or assignment; the first line of the report
  // when the title is empty.
  std::string resultText;
  std::string title;
  std::int32_t columnWidths[2] = {150, 150};
  std::vector<ReportEntry> entries;
};

// The text of an entry's value: a number in `format`, an integer truncated, or the text.
std::string EntryText(const ReportEntry& entry, const CNumberFormat& format);

// The report as the worksheet writes it, without the final line end: the title prefixed
// "' " (or the result text), then one line per entry, indented entries by four spaces. A
// label that ends neither in a blank nor in a colon is followed by " = " when the row has a
// value to show.
std::string ReportText(const CResultReport& report, const CNumberFormat& format);

}  // namespace orvella
