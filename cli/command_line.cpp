#include "cli/command_line.h"

#include <algorithm>

#include "engine/text_util.h"

namespace orvella::cli {
namespace {

const AcceptedOption* FindAccepted(std::span<const AcceptedOption> allowed, std::string_view name) {
  auto found = std::find_if(allowed.begin(), allowed.end(),
                            [&](const AcceptedOption& option) { return option.name == name; });
  return found == allowed.end() ? nullptr : &*found;
}

bool LooksLikeOption(std::string_view argument) {
  return argument.size() > 1 && argument.front() == '-';
}

}  // namespace

bool CommandLine::Has(std::string_view name) const {
  return std::any_of(options_.begin(), options_.end(),
                     [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> CommandLine::Value(std::string_view name) const {
  for (auto option = options_.rbegin(); option != options_.rend(); ++option) {
    if (option->first == name) return option->second;
  }
  return std::nullopt;
}

std::vector<std::string> CommandLine::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [optionName, value] : options_) {
    if (optionName == name) values.push_back(value);
  }
  return values;
}

void CommandLine::AddOption(std::string_view name, std::string value) {
  options_.emplace_back(std::string(name), std::move(value));
}

ParsedCommandLine ParseCommandLine(std::span<const std::string> arguments,
                                   std::span<const AcceptedOption> allowed) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!LooksLikeOption(argument)) {
      line.AddPositional(argument);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name = std::string_view(argument).substr(0, equals);
    const AcceptedOption* option = FindAccepted(allowed, name);
    if (option == nullptr) return {std::nullopt, "unknown option: " + argument};
    if (!option->takesValue) {
      if (equals != std::string::npos) return {std::nullopt, "no value expected: " + argument};
      line.AddOption(name, "");
    } else if (equals != std::string::npos) {
      line.AddOption(name, argument.substr(equals + 1));
    } else if (i + 1 < arguments.size()) {
      line.AddOption(name, arguments[++i]);
    } else {
      return {std::nullopt, std::string(name) + " needs a value"};
    }
  }
  return {std::move(line), {}};
}

std::vector<std::string> SplitList(std::string_view text, char separator) {
  std::vector<std::string> items;
  while (true) {
    const std::size_t end = text.find(separator);
    const std::string_view item = Trim(text.substr(0, end));
    if (!item.empty()) items.emplace_back(item);
    if (end == std::string_view::npos) return items;
    text.remove_prefix(end + 1);
  }
}

}  // namespace orvella::cli
