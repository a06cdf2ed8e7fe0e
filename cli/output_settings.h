// The options every analysis subcommand takes: the number format, JSON output and the
// decimal-point convention of the data files and the results.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "engine/locale_chars.h"
#include "engine/number_format.h"
#include "worksheet/result_report.h"

namespace orvella::cli {

inline constexpr std::array<AcceptedOption, 5> kOutputOptions{{
    {"--format", true},
    {"--places", true},
    {"--json", false},
    {"--decimal-comma", false},
    {"--decimal-point", false},
}};

struct OutputSettings {
  CNumberFormat format{NumberFormatType::General, 5};
  bool json = false;
  // Data files are exchanged, so they do not follow the user's locale: '.' unless
  // --decimal-comma asks for ','.
  LocaleCharacters convention = kUsConvention;
};

struct ParsedOutputSettings {
  std::optional<OutputSettings> settings;
  std::string error;
};

// --format takes the names of the number formats (general, number, standard, scientific,
// engineering, currency), --places 0 to 16.
ParsedOutputSettings ReadOutputSettings(const CommandLine& line);

// The report as the worksheet logs it, or as JSON; with a final line end.
std::string ReportOutput(const CResultReport& report, const OutputSettings& settings);

}  // namespace orvella::cli
