// Messages and questions put to the user. The desktop program shows them as message boxes
// and small dialogs; tests script the answers; the command line answers on its own.
#pragma once

#include <string_view>

namespace orvella::platform {

// A question with Yes and No and a check box such as "In the future, ... without confirming".
struct ConfirmReply {
  bool yes = false;
  bool checked = false;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void Inform(std::string_view message) = 0;
  virtual bool AskYesNo(std::string_view question) = 0;
  virtual ConfirmReply Confirm(std::string_view caption, std::string_view question,
                               std::string_view checkBox) = 0;
};

}  // namespace orvella::platform
