// Conversion of a number between two unit texts such as "m/s^2" and "ft/min^2": each text
// is read as an expression of unit names joined by *, / and ^, and each pair of names is
// converted through the relation list. Temperatures in degrees convert with offsets.
#pragma once

#include <string_view>

#include "engine/calc_error.h"
#include "library/unit_graph.h"

namespace orvella {

// Converts value from one unit text to the other through the current relation list.
// Codes: 13 when the texts are no unit expressions, differ in shape, or a pair of unit
// names is not connected. The value is unchanged on failure.
CalcError Convert(double& value, std::string_view from, std::string_view to);

// The same through a given graph, without using the relation at list index leftOut (-1:
// none). Codes as Convert.
CalcError ConvertThrough(const UnitGraph& graph, double& value, std::string_view from,
                         std::string_view to, int leftOut = -1);

// The factor of 1 from in to for one pair of unit names, with the second search that
// drops a plural s or an abbreviation point ("yards", "ft."). Codes: 13 when not connected.
CalcError UnitNameFactor(const UnitGraph& graph, std::string_view from, std::string_view to,
                         int leftOut, double& factor);

}  // namespace orvella
