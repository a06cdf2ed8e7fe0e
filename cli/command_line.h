// The arguments of an analysis subcommand: its files and its "--name value" options.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvella::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitAnalysisFailed = 1;
inline constexpr int kExitBadUsage = 2;

struct AcceptedOption {
  std::string_view name;  // with the leading "--"
  bool takesValue;
};

class CommandLine {
 public:
  const std::vector<std::string>& Positional() const { return positional_; }
  bool Has(std::string_view name) const;
  // The last value the option was given (the flag's "" for one without a value).
  std::optional<std::string> Value(std::string_view name) const;
  // Every value, in order: a repeated option adds to the earlier ones.
  std::vector<std::string> Values(std::string_view name) const;

  void AddPositional(std::string argument) { positional_.push_back(std::move(argument)); }
  void AddOption(std::string_view name, std::string value);

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> options_;
};

struct ParsedCommandLine {
  std::optional<CommandLine> line;  // empty when an argument is wrong
  std::string error;
};

// Options are "--name=value" or "--name value"; "-" alone is a positional argument.
ParsedCommandLine ParseCommandLine(std::span<const std::string> arguments,
                                   std::span<const AcceptedOption> allowed);

// The items of a list option, trimmed, empty ones dropped.
std::vector<std::string> SplitList(std::string_view text, char separator);

}  // namespace orvella::cli
