// "compare FILE1 FILE2 --tests=LIST": statistics that compare two lists.
#include <array>

#include "analysis/list_comparison.h"
#include "cli/data_file.h"
#include "cli/named_choices.h"
#include "cli/subcommands.h"

namespace orvella::cli {
namespace {

constexpr std::array<NamedChoice<ListComparison>, kListComparisonCount> kTestNames{{
    {"chi", ListComparison::kChiSquare},
    {"f", ListComparison::kFTest},
    {"kendall", ListComparison::kKendallTau},
    {"ks", ListComparison::kKolmogorovSmirnov},
    {"paired", ListComparison::kPairedTTest},
    {"correlation", ListComparison::kCorrelation},
    {"rank", ListComparison::kRankCorrelation},
    {"student", ListComparison::kStudentTTest},
    {"unequal", ListComparison::kUnequalTTest},
}};

constexpr std::string_view kEveryTest = "all";

constexpr std::array<AcceptedOption, 1> kCompareOptions{{{"--tests", true}}};

// As the dialog enables them: tests that pair values only for lists of equal length.
std::vector<ListComparison> EveryApplicableTest(const CDataList& first, const CDataList& second) {
  std::vector<ListComparison> tests;
  for (const ListComparisonInfo& info : ListComparisons()) {
    if (!info.paired || first.Count() == second.Count()) tests.push_back(info.test);
  }
  return tests;
}

struct ParsedTests {
  std::vector<ListComparison> tests;
  std::string error;
};

ParsedTests ReadTests(const std::string& text, char separator, const CDataList& first,
                      const CDataList& second) {
  ParsedTests parsed;
  for (const std::string& name : SplitList(text, separator)) {
    if (EqualsNoCase(name, kEveryTest)) {
      parsed.tests = EveryApplicableTest(first, second);
      continue;
    }
    const auto test = FindChoice<ListComparison>(kTestNames, name);
    if (!test) {
      parsed.error = "unknown test: " + name + " (one of " +
                     ChoiceNames<ListComparison>(kTestNames) + ", all)";
      return parsed;
    }
    parsed.tests.push_back(*test);
  }
  if (parsed.tests.empty()) parsed.error = "--tests needs at least one test";
  return parsed;
}

CommandOutcome RunCompare(const CommandLine& line, const OutputSettings& settings) {
  if (line.Positional().size() != 2) return WrongFileCount("compare", 2, line.Positional().size());
  const std::optional<std::string> testsText = line.Value("--tests");
  if (!testsText) return BadUsage("compare needs --tests");
  const char decimalPoint = settings.convention.decimalPoint;
  CDataList first;
  CDataList second;
  for (auto [path, list] :
       {std::pair{line.Positional()[0], &first}, std::pair{line.Positional()[1], &second}}) {
    if (std::string error = LoadList(path, decimalPoint, *list); !error.empty()) {
      return BadUsage(error);
    }
  }
  const ParsedTests tests =
      ReadTests(*testsText, settings.convention.argumentSeparator, first, second);
  if (!tests.error.empty()) return BadUsage(tests.error);
  CResultReport report;
  if (CalcError code = CompareLists(first, second, tests.tests, report); code != kNoError) {
    return AnalysisFailed(ErrorText(code));
  }
  return Succeeded(ReportOutput(report, settings));
}

constexpr Subcommand kCompare{
    "compare",
    "  compare FILE1 FILE2 --tests=LIST\n"
    "      two lists compared; LIST: chi, f, kendall, ks, paired, correlation, rank,\n"
    "      student, unequal, or all (those that pair values only for lists of one\n"
    "      length)\n",
    kCompareOptions, RunCompare};

}  // namespace

const Subcommand& CompareSubcommand() { return kCompare; }

}  // namespace orvella::cli
