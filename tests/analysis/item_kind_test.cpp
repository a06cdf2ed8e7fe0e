// The explorer selection kinds and the per-kind data window layouts.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "project/data_view_layout.h"
#include "project/item_kind.h"

namespace orvella {
namespace {

TEST(ItemKindTest, RowsAreInCodeOrderAndLookupsRoundTrip) {
  ASSERT_EQ(kItemKinds.size(), 17u);
  for (int code = 0; code < kItemKindCount; ++code) {
    const ItemKindInfo& info = kItemKinds[code];
    EXPECT_EQ(ItemKindCode(info.kind), code);
    EXPECT_EQ(ItemKindFromCode(code), info.kind);
    EXPECT_EQ(ItemKindFromName(info.name), info.kind);
  }
  EXPECT_EQ(ItemKindFromCode(-1), std::nullopt);
  EXPECT_EQ(ItemKindFromCode(17), std::nullopt);
  EXPECT_EQ(ItemKindFromName("graph2d"), std::nullopt);
  EXPECT_EQ(kItemKinds[15].name, "Graph3D");
  EXPECT_EQ(kItemKinds[16].name, "None");
}

// Texts whose exact spelling and casing are easy to "tidy" by mistake.
TEST(ItemKindTest, TextsAreExact) {
  const ItemKindInfo& graph2d = KindInfo(ItemKind::Graph2D);
  EXPECT_EQ(graph2d.contextMenu, "&2D Graph");
  EXPECT_EQ(graph2d.node.category, "2-D Graphs");
  EXPECT_EQ(KindInfo(ItemKind::Graph3D).captionFormat, "3D Graph: %s");
  EXPECT_EQ(KindInfo(ItemKind::DataTable).captionFormat, "Table: %s");
  EXPECT_EQ(KindInfo(ItemKind::DataTable).node.category, "Data Tables");
  EXPECT_EQ(KindInfo(ItemKind::ExpressionVariables).node.category, "Expression variables");

  const ItemKindInfo& model = KindInfo(ItemKind::SolverModel);
  EXPECT_EQ(model.node.placement, NodePlacement::ChildOfCategory);
  EXPECT_EQ(model.node.category, "Solver models");
  EXPECT_EQ(model.treeImage, 13);
  EXPECT_EQ(model.contextMenu, "Default");

  const ItemKindInfo& conversions = KindInfo(ItemKind::PredefinedConversions);
  EXPECT_EQ(conversions.node.placement, NodePlacement::Category);
  EXPECT_EQ(conversions.node.group, "Pre-defined");
  EXPECT_EQ(conversions.node.category, "Conversions");
  EXPECT_EQ(conversions.treeImage, 17);
}

TEST(ItemKindTest, ConfirmBitsSplitTheDefaultMaskAmongTheItemKinds) {
  struct Case {
    ItemKind kind;
    std::int32_t bit;
  };
  const Case cases[] = {{ItemKind::Graph2D, 0x01}, {ItemKind::DataGraph, 0x02}, {ItemKind::DataTable, 0x04},
                        {ItemKind::Graph3D, 0x08},  {ItemKind::List, 0x10},      {ItemKind::Matrix, 0x20}};
  std::int32_t all = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(KindInfo(c.kind).confirmBit, c.bit);
    all |= c.bit;
  }
  EXPECT_EQ(all, kAllConfirmBits);
  // A solver model is removed without asking, whatever the mask.
  EXPECT_FALSE(NeedsConfirm(kAllConfirmBits, ItemKind::SolverModel));
  EXPECT_TRUE(NeedsConfirm(kAllConfirmBits, ItemKind::Matrix));
  EXPECT_FALSE(NeedsConfirm(kAllConfirmBits & ~0x20, ItemKind::Matrix));
}

TEST(ItemKindTest, CaptionTakesTheNodeTextVerbatim) {
  EXPECT_EQ(FormatCaption(ItemKind::DataGraph, "Fit 1"), "Data Graph: Fit 1");
  EXPECT_EQ(FormatCaption(ItemKind::UserFunctions, "Functions"), "User-defined Functions");
  EXPECT_EQ(FormatCaption(ItemKind::Variables, "Variables"), "Variables");
  EXPECT_EQ(FormatCaption(ItemKind::List, "50%s %d"), "List: 50%s %d");
  EXPECT_EQ(FormatCaption(ItemKind::None, "Lists"), "");
}

TEST(DataViewLayoutTest, BuiltInDefaults) {
  EXPECT_EQ(kBuiltInDataViewLayouts[0],
            (DataViewLayout{9, {400, 400, 400, 400}, 3, {100, 100, 100, 100, 300}}));
  EXPECT_EQ(kBuiltInDataViewLayouts[3], (DataViewLayout{9, {400, 65, 35, 400}, 2, {100, 300, 300, 4, 5}}));
  EXPECT_EQ(kBuiltInDataViewLayouts[11],
            (DataViewLayout{12, {400, 400, 400, 400}, 5, {100, 250, 100, 100, 100}}));
  EXPECT_EQ(kBuiltInDataViewLayouts[15],
            (DataViewLayout{10, {400, 400, 400, 400}, 5, {100, 300, 100, 100, 300}}));
  const std::int32_t flags[] = {9, 12, 12, 9, 9, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 10};
  const std::int32_t counts[] = {3, 1, 0, 2, 2, 2, 3, 4, 2, 3, 2, 5, 4, 3, 3, 5};
  for (int kind = 0; kind < kDataViewLayoutCount; ++kind) {
    EXPECT_EQ(kBuiltInDataViewLayouts[kind].viewFlags, flags[kind]) << kind;
    EXPECT_EQ(kBuiltInDataViewLayouts[kind].columnCount, counts[kind]) << kind;
  }
}

// Every pane becomes trunc(height * 5/11); kind 3's second and kind 15's fourth pane are then
// grown by 1.3 and truncated again. 1024 exercises both truncations (465.45, 604.5).
TEST(DataViewLayoutTest, StartupPaneSizesFollowTheScreenHeight) {
  struct Case {
    std::int32_t height, pane, grown;
  };
  for (const Case c : {Case{768, 349, 453}, Case{1024, 465, 604}}) {
    SCOPED_TRACE(c.height);
    const DataViewLayouts layouts = StartupDataViewLayouts(c.height);
    for (int kind = 0; kind < kDataViewLayoutCount; ++kind) {
      DataViewLayout expected = kBuiltInDataViewLayouts[kind];
      expected.paneSize.fill(c.pane);
      if (kind == 3) expected.paneSize[1] = c.grown;
      if (kind == 15) expected.paneSize[3] = c.grown;
      EXPECT_EQ(layouts[kind], expected) << kind;
    }
  }
}

}  // namespace
}  // namespace orvella
