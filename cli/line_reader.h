// Reading typed lines, with line editing and history when the terminal allows it.
#pragma once

#include <optional>
#include <string>

namespace orvella::cli {

// The next line typed after the prompt, or nothing at the end of input.
std::optional<std::string> ReadTypedLine(const std::string& prompt);

}  // namespace orvella::cli
