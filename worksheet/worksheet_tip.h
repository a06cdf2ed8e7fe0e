// The tip window just below a worksheet line: the error message of the line executed on
// Enter, and the syntax tips shown while typing.
#pragma once

#include <string_view>

namespace orvella {

class WorksheetTip {
 public:
  virtual ~WorksheetTip() = default;
  virtual void ShowTip(std::string_view text, int line) = 0;
  virtual void HideTip() = 0;
};

}  // namespace orvella
