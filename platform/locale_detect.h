// What the C runtime knows of the user's locale, asked without changing the process locale.
#pragma once

namespace orvella::platform {

// The decimal point of the user's default numeric locale (LC_NUMERIC from the environment),
// '.' when it cannot be determined.
char UserDecimalPoint();

}  // namespace orvella::platform
