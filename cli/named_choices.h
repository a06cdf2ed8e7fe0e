// Option values chosen by name from a small table: the statistics, tests and other names
// a subcommand accepts, with the list of them for the message of a wrong one.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/text_util.h"

namespace orvella::cli {

template <typename Value>
struct NamedChoice {
  std::string_view name;
  Value value;
};

// Letter case does not matter.
template <typename Value>
std::optional<Value> FindChoice(std::span<const NamedChoice<Value>> choices,
                                std::string_view name) {
  for (const NamedChoice<Value>& choice : choices) {
    if (EqualsNoCase(choice.name, name)) return choice.value;
  }
  return std::nullopt;
}

// "a, b, c": what the user may type instead.
template <typename Value>
std::string ChoiceNames(std::span<const NamedChoice<Value>> choices) {
  std::string names;
  for (const NamedChoice<Value>& choice : choices) {
    if (!names.empty()) names += ", ";
    names += choice.name;
  }
  return names;
}

}  // namespace orvella::cli
