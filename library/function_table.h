// The built-in function table: one row per function name, as the parser, the evaluator's
// dispatch and the function lists of the user interface read it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

struct FunctionRow {
  std::uint8_t minArguments;
  std::uint8_t maxArguments;  // 255 with a minimum of 255: variable argument count
  std::int32_t id;            // operation code of the call node; synonyms share an id
  const char* category;
  const char* name;           // upper case, unique in the table
  const char* argumentText;   // optional arguments in brackets with their default
  const char* description;

  bool HasVariableArgumentCount() const { return minArguments == 255 && maxArguments == 255; }
  // The limits the parser checks; a variable count accepts 1 to 100000 arguments.
  int MinimumCount() const { return HasVariableArgumentCount() ? 1 : minArguments; }
  int MaximumCount() const { return HasVariableArgumentCount() ? 100000 : maxArguments; }
};

inline constexpr int kFunctionCount = 134;

// The 13 categories in their display order.
std::span<const char* const> FunctionCategories();

// All rows, sorted by name without regard to case (the order every list shows).
std::span<const FunctionRow> FunctionRows();

// The row of a name (compared without regard to case), or nullptr.
const FunctionRow* LookupFunction(std::string_view name);

// Whether a name, trimmed, is a built-in function name (a predefined name for the name rules).
bool IsBuiltInName(std::string_view name);

// The rows of one category, alphabetical.
std::vector<const FunctionRow*> FunctionRowsInCategory(std::string_view category);

// "NAME(arguments)" with the current argument separator, or the bare name without arguments.
std::string FunctionCallText(const FunctionRow& row);

// The number of arguments the call text shows: 1 + the separators of the argument text.
int ShownArgumentCount(const FunctionRow& row);

}  // namespace orvella
