// The process-wide list of unit relations: the predefined ones of the unit table first, in
// list order, then the user conversions. A user conversion is addressed by its index among
// the user conversions (list index minus kPredefinedRelationCount).
#pragma once

#include <span>
#include <string_view>

#include "engine/calc_error.h"
#include "library/unit_graph.h"
#include "library/unit_table.h"

namespace orvella {

// Every relation, predefined and user, in list order.
std::span<const UnitRelation> UnitRelations();
// The user conversions alone, in order (what the user store file keeps).
std::span<const UnitRelation> UserConversions();
int UserConversionCount();

// The graph of the current list, for the path search.
const UnitGraph& CurrentUnitGraph();

// Appends without checks; the conversion page adds a half-typed one with an empty side.
void AddUserConversion(std::string_view from, std::string_view to, double factor);

// Sets one unit of a user conversion, trimmed. 27 when the new pair of units is already
// convertible without this conversion; 20 for an index out of range.
CalcError SetConversionFrom(int index, std::string_view text);
CalcError SetConversionTo(int index, std::string_view text);
// 20 for an index out of range.
CalcError SetConversionFactor(int index, double factor);
CalcError DeleteUserConversion(int index);

// Drops every user conversion (exit, loading the user store file, tests).
void ResetUnitRelations();

}  // namespace orvella
