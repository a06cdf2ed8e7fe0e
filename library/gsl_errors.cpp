#include "library/gsl_errors.h"

#include <gsl/gsl_errno.h>

namespace orvella {
namespace {

int lastGslError = 0;

void RecordGslError(const char*, const char*, int, int gslErrno) { lastGslError = gslErrno; }

// Installed while the program's static objects are built, before main(): GSL may be called
// by any part of the engine (the integrators too), and none of them may ever abort. This
// object file is always linked, because the higher-function family refers to it.
[[maybe_unused]] const bool handlerInstalledAtStartUp = [] {
  InstallGslErrorHandler();
  return true;
}();

}  // namespace

void InstallGslErrorHandler() { gsl_set_error_handler(&RecordGslError); }

int TakeLastGslError() {
  const int error = lastGslError;
  lastGslError = 0;
  return error;
}

CalcError FromGslStatus(int status) {
  return status == GSL_SUCCESS || status == GSL_EUNDRFLW ? kNoError : kUnknownError;
}

}  // namespace orvella
