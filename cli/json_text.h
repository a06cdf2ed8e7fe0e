// The pieces of JSON the subcommands print: strings and numbers that any parser reads.
#pragma once

#include <string>
#include <string_view>

namespace orvella::cli {

// In double quotes, with quotes, backslashes and control characters escaped; a byte that
// is not part of valid UTF-8 becomes U+FFFD, so that a header in another encoding still
// gives valid JSON.
std::string JsonString(std::string_view text);

// The shortest text that reads back as the same double; null for infinities and NaN,
// which JSON has no numbers for.
std::string JsonNumber(double value);

}  // namespace orvella::cli
