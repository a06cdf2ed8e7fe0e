// How unit names compare: trimmed and without regard to case, like every name, so that kw
// meets kW and L meets l; except the few symbols whose case alone tells two units apart.
#pragma once

#include <string>
#include <string_view>

namespace orvella {

// Equal keys mean the same unit. Empty for a name that is empty or blank.
std::string UnitNameKey(std::string_view name);

bool SameUnitName(std::string_view a, std::string_view b);

}  // namespace orvella
