// GSL reports errors through a process-wide handler whose default prints and aborts. Ours
// only records the error, so a failing higher function becomes an error code instead.
#pragma once

#include "engine/calc_error.h"

namespace orvella {

// Replaces GSL's handler by ours. Idempotent and cheap; it also runs by itself before
// main(), so calling it is only needed from code that may run during static initialisation.
void InstallGslErrorHandler();

// The GSL error number of the last error our handler saw since the previous call, 0 if
// none; clears it.
int TakeLastGslError();

// The code of a GSL status: success, and underflow (GSL then returns the value rounded to
// 0 or a subnormal, which is the right double answer), are no error; any other status is
// kUnknownError.
CalcError FromGslStatus(int status);

}  // namespace orvella
