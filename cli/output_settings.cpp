#include "cli/output_settings.h"

#include "cli/report_json.h"
#include "cli/typed_number.h"

namespace orvella::cli {
namespace {

constexpr int kMaxDecimalPlaces = 16;

}  // namespace

ParsedOutputSettings ReadOutputSettings(const CommandLine& line) {
  OutputSettings settings;
  if (auto name = line.Value("--format")) {
    const std::optional<NumberFormatType> type = NumberFormatTypeFromName(*name);
    if (!type) return {std::nullopt, "unknown number format: " + *name};
    settings.format.SetType(*type);
  }
  if (auto text = line.Value("--places")) {
    const std::optional<int> places = ReadIntegerInRange(*text, 0, kMaxDecimalPlaces);
    if (!places) return {std::nullopt, "decimal places must be 0 to 16: " + *text};
    settings.format.SetDecimalPlaces(*places);
  }
  settings.json = line.Has("--json");
  if (line.Has("--decimal-comma") && line.Has("--decimal-point")) {
    return {std::nullopt, "--decimal-comma and --decimal-point exclude each other"};
  }
  if (line.Has("--decimal-comma")) settings.convention = kFrenchConvention;
  return {settings, {}};
}

std::string ReportOutput(const CResultReport& report, const OutputSettings& settings) {
  const std::string text =
      settings.json ? ReportJson(report, settings.format) : ReportText(report, settings.format);
  return text + "\n";
}

}  // namespace orvella::cli
