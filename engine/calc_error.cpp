#include "engine/calc_error.h"

#include <array>
#include <string_view>

namespace orvella {
namespace {

// Messages exactly as the program has always shown them, slips included.
constexpr std::array<std::string_view, kLastErrorCode + 1> kMessages = {
    "No error occurred",
    "Unbalanced parenthesis",
    "Invalid character",
    "Unexpected character",
    "Dangling operator",
    "Wrong number of arguments",
    "Empty argument list",
    "Unrecognized function",
    "Missing parenthesis",
    "Missing equal sign",
    "Dangling equal sign",
    "Bad number",
    "Overflow",
    "Bad argument",
    "Invalid argument",  // 14 shares the text of 45
    "Invalid data",
    "Invalid parameter",
    "Result too large",
    "Bad string",
    "Circular reference",
    "Invalid name",
    "Cannot use predefined name",
    "Name already exists",
    "Function already exists",
    "Variable already exists",
    "Expression variable already exists",
    "Constant already exists",
    "Conversion already exists",
    "Invalid equation",
    "Invalid function",
    "Invalid variable",
    "Invalid expression variable",
    "Invalid range",
    "Out of memory",
    "Singular matrix encountered",
    "Maximum iterations exceeded",
    "No solutions found",
    "Arguments not matching",
    "Division by zero",
    "Cannot take square root of negative number",
    "Cannot determine logarithm of non-positive number",
    "Operation not supported",
    "Positive infinity",
    "Negative infinity",
    "Not a number",
    "Invalid argument",
    "Number out of range",
    "The variable x is required in this expression",
    "Reserved name",
    "At least one fit parameter is required",
    "Two few parameters",
    "Cannot contain other user function(s)",
    "Too few data points",
    "Unknown Error",
};

}  // namespace

std::string ErrorText(int code) {
  if (code >= 0 && code <= kLastErrorCode) return std::string(kMessages[code]);
  return "Unknown error code: " + std::to_string(code);
}

}  // namespace orvella
