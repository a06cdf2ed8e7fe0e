// "analyze FILE": the statistics of a list, or of the X and Y columns of a table.
#include <array>
#include <cstdint>
#include <limits>

#include "analysis/analysis_options.h"
#include "analysis/analyze_command.h"
#include "cli/data_file.h"
#include "cli/named_choices.h"
#include "cli/subcommands.h"
#include "cli/typed_number.h"

namespace orvella::cli {
namespace {

constexpr std::int32_t kEveryStatistic = 0x1ff;

constexpr std::array<NamedChoice<std::int32_t>, 11> kStatisticNames{{
    {"points", kReportDataPoints},
    {"min", kReportMinimum},
    {"max", kReportMaximum},
    {"mean", kReportAverage},
    {"sd", kReportStdDeviation},
    {"avedev", kReportAveDeviation},
    {"variance", kReportVariance},
    {"skewness", kReportSkewness},
    {"kurtosis", kReportKurtosis},
    {"all", kEveryStatistic},
    {"default", kDefaultReportBits},
}};

constexpr std::array<AcceptedOption, 1> kAnalyzeOptions{{{"--stats", true}}};

struct ParsedBits {
  std::optional<std::int32_t> bits;
  std::string error;
};

ParsedBits ReadStatisticBits(const CommandLine& line, char separator) {
  const std::optional<std::string> text = line.Value("--stats");
  if (!text) return {kDefaultReportBits, {}};
  // The stored "Options" value itself is accepted too, as scripts may have it at hand.
  if (auto bits = ReadIntegerInRange(*text, 0, std::numeric_limits<std::int32_t>::max())) {
    return {bits, {}};
  }
  std::int32_t bits = 0;
  const std::vector<std::string> names = SplitList(*text, separator);
  for (const std::string& name : names) {
    const auto bit = FindChoice<std::int32_t>(kStatisticNames, name);
    if (!bit) {
      return {std::nullopt, "unknown statistic: " + name + " (one of " +
                                ChoiceNames<std::int32_t>(kStatisticNames) + ")"};
    }
    bits |= *bit;
  }
  if (names.empty()) return {std::nullopt, "--stats needs at least one statistic"};
  return {bits, {}};
}

// A one-column file is a list; any other shape is read as a table.
CommandOutcome AnalyzeFile(const DataFile& file, std::int32_t bits,
                           const OutputSettings& settings) {
  CResultReport report;
  CalcError code = kNoError;
  if (file.grid.columns == 1) {
    CDataList list;
    MakeList(file, list);
    code = AnalyzeList(list, bits, report);
  } else {
    CDataTable table;
    if (std::string error = MakeTable(file, table); !error.empty()) return BadUsage(error);
    code = AnalyzeTable(table, bits, report);
  }
  // The only refusal is too few values, which the command words itself.
  if (code != kNoError) return AnalysisFailed(std::string(kTooFewDataMessage));
  return Succeeded(ReportOutput(report, settings));
}

CommandOutcome RunAnalyze(const CommandLine& line, const OutputSettings& settings) {
  if (line.Positional().size() != 1) return WrongFileCount("analyze", 1, line.Positional().size());
  const ParsedBits bits = ReadStatisticBits(line, settings.convention.argumentSeparator);
  if (!bits.bits) return BadUsage(bits.error);
  const ReadDataFileResult read =
      ReadDataFile(line.Positional().front(), settings.convention.decimalPoint);
  if (!read.file) return BadUsage(read.error);
  return AnalyzeFile(*read.file, *bits.bits, settings);
}

constexpr Subcommand kAnalyze{
    "analyze",
    "  analyze FILE [--stats=LIST]\n"
    "      statistics of a list (one column) or of the X and Y columns of a table;\n"
    "      LIST: points, min, max, mean, sd, avedev, variance, skewness, kurtosis,\n"
    "      all, default, or the options value as a number (default 2000)\n",
    kAnalyzeOptions, RunAnalyze};

}  // namespace

const Subcommand& AnalyzeSubcommand() { return kAnalyze; }

}  // namespace orvella::cli
