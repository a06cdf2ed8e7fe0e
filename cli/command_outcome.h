// What an analysis subcommand ends with: the text for standard output, or the message
// for standard error and the exit status that tells a script what went wrong.
#pragma once

#include <string>
#include <string_view>

#include "cli/command_line.h"  // the exit statuses

namespace orvella::cli {

struct CommandOutcome {
  int status = kExitSuccess;
  std::string output;   // printed on success
  std::string message;  // printed on failure
};

inline CommandOutcome Succeeded(std::string output) {
  return {kExitSuccess, std::move(output), {}};
}
// The data were read but the analysis refused them: the engine's or the command's message.
inline CommandOutcome AnalysisFailed(std::string message) {
  return {kExitAnalysisFailed, {}, std::move(message)};
}
// Wrong arguments, or a data file that cannot be read or has the wrong shape.
inline CommandOutcome BadUsage(std::string message) {
  return {kExitBadUsage, {}, std::move(message)};
}

inline CommandOutcome WrongFileCount(std::string_view subcommand, std::size_t wanted,
                                     std::size_t given) {
  return BadUsage(std::string(subcommand) + " takes " + std::to_string(wanted) +
                  (wanted == 1 ? " file" : " files") + ", not " + std::to_string(given));
}

}  // namespace orvella::cli
