#include "cli/line_reader.h"

#include <cstdlib>
#include <iostream>

#ifdef ORVELLA_HAVE_EDITLINE
#include <editline/readline.h>
#endif

namespace orvella::cli {

std::optional<std::string> ReadTypedLine(const std::string& prompt) {
#ifdef ORVELLA_HAVE_EDITLINE
  char* raw = readline(prompt.c_str());
  if (raw == nullptr) return std::nullopt;
  std::string line(raw);
  std::free(raw);
  if (!line.empty()) add_history(line.c_str());
  return line;
#else
  std::cout << prompt << std::flush;
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  return line;
#endif
}

}  // namespace orvella::cli
