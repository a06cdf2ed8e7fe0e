// The unit relations as a graph of unit names, for the path search of conversions. Built
// once per change of the relation list; searches only read it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvella {

struct UnitRelation {
  std::string from;
  std::string to;
  double factor = 0.0;  // 1 from = factor to
};

class UnitGraph {
 public:
  explicit UnitGraph(std::span<const UnitRelation> relations);

  // The factor of 1 from in to along the first path the search finds, or nothing when the
  // names are not connected. The relation at list index leftOut (if any) is not used.
  std::optional<double> PathFactor(std::string_view from, std::string_view to,
                                   int leftOut = -1) const;

 private:
  // One relation seen from one of its units: the unit at its other side, and the factor
  // of 1 unit here in that unit (the relation's factor, or its inverse going backwards).
  struct Edge {
    int relation;
    int other;
    double factor;
  };

  int FindUnit(std::string_view name) const;  // -1 when no relation names it
  int AddUnit(std::string key);

  std::unordered_map<std::string, int> units_;  // by UnitNameKey
  std::vector<std::vector<Edge>> edges_;        // per unit, in relation-list order
};

}  // namespace orvella
