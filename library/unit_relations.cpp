#include "library/unit_relations.h"

#include <memory>
#include <string>
#include <vector>

#include "engine/text_util.h"
#include "library/unit_conversion.h"

namespace orvella {
namespace {

struct RelationStore {
  std::vector<UnitRelation> list;
  std::unique_ptr<UnitGraph> graph;  // of list; dropped whenever list changes

  RelationStore() { Reset(); }

  void Reset() {
    list.clear();
    for (const UnitRelationRow& row : PredefinedRelations()) {
      list.push_back(UnitRelation{std::string(row.from), std::string(row.to), row.factor});
    }
    graph.reset();
  }
};

RelationStore& Store() {
  static RelationStore store;
  return store;
}

bool IsUserIndex(int index) { return index >= 0 && index < UserConversionCount(); }

int ListIndex(int userIndex) { return kPredefinedRelationCount + userIndex; }

UnitRelation& User(int index) { return Store().list[ListIndex(index)]; }

void Changed() { Store().graph.reset(); }

// The conversion being changed is left out of the check: its old pair is about to go, and
// through it every new pair that keeps one of its units would look convertible already.
// A pair with an empty side is no conversion yet, as the search skips it.
bool DuplicatesAPath(int index, std::string_view from, std::string_view to) {
  if (Trim(from).empty() || Trim(to).empty()) return false;
  double probe = 1.0;
  return ConvertThrough(CurrentUnitGraph(), probe, from, to, ListIndex(index)) == kNoError;
}

}  // namespace

std::span<const UnitRelation> UnitRelations() { return Store().list; }

std::span<const UnitRelation> UserConversions() {
  return UnitRelations().subspan(kPredefinedRelationCount);
}

int UserConversionCount() {
  return static_cast<int>(Store().list.size()) - kPredefinedRelationCount;
}

const UnitGraph& CurrentUnitGraph() {
  RelationStore& store = Store();
  if (!store.graph) store.graph = std::make_unique<UnitGraph>(store.list);
  return *store.graph;
}

void AddUserConversion(std::string_view from, std::string_view to, double factor) {
  Store().list.push_back(UnitRelation{std::string(Trim(from)), std::string(Trim(to)), factor});
  Changed();
}

CalcError SetConversionFrom(int index, std::string_view text) {
  if (!IsUserIndex(index)) return kInvalidName;
  if (DuplicatesAPath(index, text, User(index).to)) return kConversionExists;
  User(index).from = std::string(Trim(text));
  Changed();
  return kNoError;
}

CalcError SetConversionTo(int index, std::string_view text) {
  if (!IsUserIndex(index)) return kInvalidName;
  if (DuplicatesAPath(index, User(index).from, text)) return kConversionExists;
  User(index).to = std::string(Trim(text));
  Changed();
  return kNoError;
}

CalcError SetConversionFactor(int index, double factor) {
  if (!IsUserIndex(index)) return kInvalidName;
  User(index).factor = factor;
  Changed();
  return kNoError;
}

CalcError DeleteUserConversion(int index) {
  if (!IsUserIndex(index)) return kInvalidName;
  std::vector<UnitRelation>& list = Store().list;
  list.erase(list.begin() + ListIndex(index));
  Changed();
  return kNoError;
}

void ResetUnitRelations() { Store().Reset(); }

}  // namespace orvella
