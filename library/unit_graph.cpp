#include "library/unit_graph.h"

#include <utility>

#include "library/unit_name.h"

namespace orvella {

UnitGraph::UnitGraph(std::span<const UnitRelation> relations) {
  for (std::size_t i = 0; i < relations.size(); ++i) {
    const UnitRelation& relation = relations[i];
    std::string fromKey = UnitNameKey(relation.from);
    std::string toKey = UnitNameKey(relation.to);
    // A relation with an empty side is a user conversion still being typed in. One that
    // leads back to its own unit can never lie on a path.
    if (fromKey.empty() || toKey.empty() || fromKey == toKey) continue;
    const int from = AddUnit(std::move(fromKey));
    const int to = AddUnit(std::move(toKey));
    const int index = static_cast<int>(i);
    edges_[from].push_back(Edge{index, to, relation.factor});
    edges_[to].push_back(Edge{index, from, 1.0 / relation.factor});
  }
}

int UnitGraph::AddUnit(std::string key) {
  auto [place, added] = units_.try_emplace(std::move(key), static_cast<int>(edges_.size()));
  if (added) edges_.emplace_back();
  return place->second;
}

int UnitGraph::FindUnit(std::string_view name) const {
  auto place = units_.find(UnitNameKey(name));
  return place == units_.end() ? -1 : place->second;
}

// Depth first, in list order at every unit, as the relations were always searched: the
// first path in list order decides the factor. A search over paths of unused relations
// can take exponential time on a dense graph of user conversions; this one expands each
// unit at most once. It is still complete, because a relation can be followed in both
// directions: whatever a second visit of a unit could reach, its first visit reached.
std::optional<double> UnitGraph::PathFactor(std::string_view from, std::string_view to,
                                            int leftOut) const {
  if (SameUnitName(from, to)) return 1.0;
  const int source = FindUnit(from);
  const int target = FindUnit(to);
  if (source < 0 || target < 0) return std::nullopt;

  struct Frame {
    int unit;
    std::size_t next;  // the next edge of the unit to try
    double factorIn;   // of the edge that led here
  };
  std::vector<char> expanded(edges_.size(), 0);
  std::vector<Frame> path;
  expanded[source] = 1;
  path.push_back(Frame{source, 0, 1.0});
  while (!path.empty()) {
    Frame& frame = path.back();
    const std::vector<Edge>& edges = edges_[frame.unit];
    if (frame.next == edges.size()) {
      path.pop_back();
      continue;
    }
    const Edge& edge = edges[frame.next++];
    if (edge.relation == leftOut) continue;
    if (edge.other == target) {
      // Multiplied from the far end back, in the order the factors were always combined.
      double factor = edge.factor;
      for (std::size_t i = path.size() - 1; i >= 1; --i) factor = path[i].factorIn * factor;
      return factor;
    }
    if (expanded[edge.other]) continue;
    expanded[edge.other] = 1;
    path.push_back(Frame{edge.other, 0, edge.factor});
  }
  return std::nullopt;
}

}  // namespace orvella
