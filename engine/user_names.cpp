#include "engine/user_names.h"

namespace orvella {
namespace {

UserNames* gUserNames = nullptr;

}  // namespace

UserNames* InstalledUserNames() { return gUserNames; }
void InstallUserNames(UserNames* names) { gUserNames = names; }

}  // namespace orvella
