#include "cli/analysis_commands.h"

#include <array>
#include <span>

#include "cli/subcommands.h"
#include "engine/locale_chars.h"

namespace orvella::cli {
namespace {

using SubcommandGetter = const Subcommand& (*)();

constexpr std::array<SubcommandGetter, 4> kSubcommands = {AnalyzeSubcommand, CompareSubcommand,
                                                          FitSubcommand, MatrixSubcommand};

constexpr AcceptedOption kHelpOption{"--help", false};

constexpr std::string_view kUsageHeading =
    "\n"
    "Data analysis: orvella-calc SUBCOMMAND FILE... [options]\n";

constexpr std::string_view kUsageNotes =
    "  Data files: one row per line, fields separated by ';' or ',' (',' is the\n"
    "  decimal point with --decimal-comma) or else by blanks and tabs; a first line\n"
    "  without numbers holds the column names; empty lines and lines starting with\n"
    "  '#' are skipped. One column is a list, two are X and Y, three X, Y and the\n"
    "  Y error.\n"
    "  --format=NAME, --places=N   number format of the results (default general)\n"
    "  --json                      the report or matrix as JSON\n"
    "  --decimal-comma             ',' as decimal point in files, options and results,\n"
    "                              ';' between list items (default '.' and ',')\n"
    "  Exit status: 0, 1 when the analysis fails, 2 for bad usage or data files.\n";

const Subcommand* FindSubcommand(std::string_view name) {
  for (SubcommandGetter getter : kSubcommands) {
    if (getter().name == name) return &getter();
  }
  return nullptr;
}

std::vector<AcceptedOption> AllowedOptions(const Subcommand& subcommand) {
  std::vector<AcceptedOption> allowed(subcommand.options.begin(), subcommand.options.end());
  allowed.insert(allowed.end(), kOutputOptions.begin(), kOutputOptions.end());
  allowed.push_back(kHelpOption);
  return allowed;
}

std::string SubcommandUsage(const Subcommand& subcommand) {
  return "Usage: orvella-calc " + std::string(subcommand.name) + " ...\n" +
         std::string(subcommand.usage) + std::string(kUsageNotes);
}

int Fail(std::ostream& err, std::string_view subcommand, std::string_view message, int status) {
  err << "orvella-calc " << subcommand << ": " << message << "\n";
  return status;
}

int RunSubcommand(const Subcommand& subcommand, std::span<const std::string> arguments,
                  std::ostream& out, std::ostream& err) {
  const std::vector<AcceptedOption> allowed = AllowedOptions(subcommand);
  ParsedCommandLine parsed = ParseCommandLine(arguments, allowed);
  if (!parsed.line) {
    err << "orvella-calc " << subcommand.name << ": " << parsed.error << "\n\n"
        << SubcommandUsage(subcommand);
    return kExitBadUsage;
  }
  if (parsed.line->Has(kHelpOption.name)) {
    out << SubcommandUsage(subcommand);
    return kExitSuccess;
  }
  ParsedOutputSettings settings = ReadOutputSettings(*parsed.line);
  if (!settings.settings) return Fail(err, subcommand.name, settings.error, kExitBadUsage);
  // Files, option values and results all follow the chosen convention.
  ScopedConvention convention(settings.settings->convention);
  const CommandOutcome outcome = subcommand.run(*parsed.line, *settings.settings);
  if (outcome.status != kExitSuccess) {
    return Fail(err, subcommand.name, outcome.message, outcome.status);
  }
  out << outcome.output;
  return kExitSuccess;
}

}  // namespace

bool IsAnalysisCommand(std::string_view argument) { return FindSubcommand(argument) != nullptr; }

int RunAnalysisCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
  const Subcommand* subcommand = arguments.empty() ? nullptr : FindSubcommand(arguments[0]);
  if (subcommand == nullptr) {
    err << "orvella-calc: no such subcommand\n" << AnalysisUsageText();
    return kExitBadUsage;
  }
  return RunSubcommand(*subcommand, std::span(arguments).subspan(1), out, err);
}

std::string AnalysisUsageText() {
  std::string text(kUsageHeading);
  for (SubcommandGetter getter : kSubcommands) text += getter().usage;
  return text + std::string(kUsageNotes);
}

}  // namespace orvella::cli
