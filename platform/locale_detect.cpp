#include "platform/locale_detect.h"

#include <langinfo.h>
#include <locale.h>

namespace orvella::platform {

char UserDecimalPoint() {
  // A private locale object: the process's own C locale stays untouched.
  locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  char point = (radix != nullptr && radix[0] == ',') ? ',' : '.';
  freelocale(user);
  return point;
}

}  // namespace orvella::platform
