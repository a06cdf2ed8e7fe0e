// The predefined unit relations: 1 from = factor to. Their order is part of the data: the
// path search walks the relations in this order, so it decides which path is found first.
#pragma once

#include <span>
#include <string_view>

namespace orvella {

struct UnitRelationRow {
  std::string_view from;
  std::string_view to;
  double factor;
};

inline constexpr int kPredefinedRelationCount = 275;

// In list order: the order the relation list of the store starts with.
std::span<const UnitRelationRow> PredefinedRelations();

// The same rows sorted by from-unit without regard to case; rows with equal from-units keep
// their list order. For the page that shows the pre-defined conversions.
std::span<const UnitRelationRow> PredefinedRelationsByFrom();

}  // namespace orvella
