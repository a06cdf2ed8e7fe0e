// The analysis subcommands of orvella-calc, each a row of data for the dispatch: its
// name, its usage lines, the options it takes beyond the output options, and its run.
#pragma once

#include <span>
#include <string_view>

#include "cli/command_line.h"
#include "cli/command_outcome.h"
#include "cli/output_settings.h"

namespace orvella::cli {

struct Subcommand {
  std::string_view name;
  std::string_view usage;
  std::span<const AcceptedOption> options;
  // Runs with the convention of the settings in force.
  CommandOutcome (*run)(const CommandLine& line, const OutputSettings& settings);
};

const Subcommand& AnalyzeSubcommand();
const Subcommand& CompareSubcommand();
const Subcommand& FitSubcommand();
const Subcommand& MatrixSubcommand();

}  // namespace orvella::cli
