// What the explorer's selection denotes. Commands that act on the selected item look the
// kind's row up here instead of each spelling out its own captions, images and bits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvella {

// The codes are stored (view layouts are kept per code), so the order is fixed.
enum class ItemKind : std::int32_t {
  DataTable = 0,
  List = 1,
  Matrix = 2,
  Graph2D = 3,
  DataGraph = 4,
  Variables = 5,
  ExpressionVariables = 6,
  UserConstants = 7,
  UserFunctions = 8,
  UserConversions = 9,
  SolverModels = 10,
  SolverModel = 11,
  PredefinedConstants = 12,
  PredefinedFunctions = 13,
  PredefinedConversions = 14,
  Graph3D = 15,
  None = 16,
};

inline constexpr int kItemKindCount = 17;

// Where the kind's node sits in the explorer tree.
enum class NodePlacement {
  ChildOfCategory,  // one item below `category`
  Category,         // the `category` node itself, below `group` when that is not empty
  Unspecific,       // a category node with no kind of its own, or nothing
};

struct ExplorerNode {
  NodePlacement placement;
  std::string_view group;     // outer node ("User-defined", "Pre-defined") or empty
  std::string_view category;  // the category node's text
};

struct ItemKindInfo {
  ItemKind kind;
  std::string_view name;
  ExplorerNode node;
  std::string_view captionFormat;  // one "%s" for the node text; empty for None
  std::int32_t treeImage;          // index into the explorer's image list; -1 for None
  std::string_view contextMenu;    // title of the kind's popup; empty for None
  std::int32_t confirmBit;         // bit in confirm-delete and confirm-overwrite; 0 = never asks
};

// Both confirm masks start with every kind's bit set.
inline constexpr std::int32_t kAllConfirmBits = 63;

inline constexpr NodePlacement kChild = NodePlacement::ChildOfCategory;
inline constexpr NodePlacement kCategory = NodePlacement::Category;

// One row per kind, in code order.
inline constexpr std::array<ItemKindInfo, kItemKindCount> kItemKinds{{
    {ItemKind::DataTable, "DataTable", {kChild, "", "Data Tables"}, "Table: %s", 1, "Data Table", 0x04},
    {ItemKind::List, "List", {kChild, "", "Lists"}, "List: %s", 7, "List", 0x10},
    {ItemKind::Matrix, "Matrix", {kChild, "", "Matrices"}, "Matrix: %s", 9, "Matrix", 0x20},
    {ItemKind::Graph2D, "Graph2D", {kChild, "", "2-D Graphs"}, "Graph: %s", 5, "&2D Graph", 0x01},
    {ItemKind::DataGraph, "DataGraph", {kChild, "", "Data Graphs"}, "Data Graph: %s", 5, "Data Graph", 0x02},
    {ItemKind::Variables, "Variables", {kCategory, "", "Variables"}, "%s", 10, "Default", 0},
    {ItemKind::ExpressionVariables, "ExpressionVariables", {kCategory, "", "Expression variables"}, "%s", 11,
     "Default", 0},
    {ItemKind::UserConstants, "UserConstants", {kCategory, "User-defined", "Constants"}, "User-defined %s", 15,
     "Default", 0},
    {ItemKind::UserFunctions, "UserFunctions", {kCategory, "User-defined", "Functions"}, "User-defined %s", 16,
     "Default", 0},
    {ItemKind::UserConversions, "UserConversions", {kCategory, "User-defined", "Conversions"}, "User-defined %s",
     17, "Default", 0},
    {ItemKind::SolverModels, "SolverModels", {kCategory, "", "Solver models"}, "%s", 12, "Default", 0},
    // Removed without asking, so it has no confirm bit.
    {ItemKind::SolverModel, "SolverModel", {kChild, "", "Solver models"}, "Solver model: %s", 13, "Default", 0},
    {ItemKind::PredefinedConstants, "PredefinedConstants", {kCategory, "Pre-defined", "Constants"},
     "Pre-defined %s", 15, "Default", 0},
    {ItemKind::PredefinedFunctions, "PredefinedFunctions", {kCategory, "Pre-defined", "Functions"},
     "Pre-defined %s", 16, "Default", 0},
    {ItemKind::PredefinedConversions, "PredefinedConversions", {kCategory, "Pre-defined", "Conversions"},
     "Pre-defined %s", 17, "Default", 0},
    {ItemKind::Graph3D, "Graph3D", {kChild, "", "3-D Graphs"}, "3D Graph: %s", 20, "3D Graph", 0x08},
    {ItemKind::None, "None", {NodePlacement::Unspecific, "", ""}, "", -1, "", 0},
}};

constexpr std::int32_t ItemKindCode(ItemKind kind) { return static_cast<std::int32_t>(kind); }

constexpr const ItemKindInfo& KindInfo(ItemKind kind) { return kItemKinds[ItemKindCode(kind)]; }

// The kind for a stored or passed code; codes outside 0..16 have none.
std::optional<ItemKind> ItemKindFromCode(std::int32_t code);
// The kind by its name as in the table (exact, case-sensitive).
std::optional<ItemKind> ItemKindFromName(std::string_view name);

// The data window's title: the kind's caption with the node text in place of "%s".
// Empty for None.
std::string FormatCaption(ItemKind kind, std::string_view nodeText);

// Whether removing or overwriting an item of `kind` asks first under the given mask.
constexpr bool NeedsConfirm(std::int32_t confirmBits, ItemKind kind) {
  return (confirmBits & KindInfo(kind).confirmBit) != 0;
}

}  // namespace orvella
