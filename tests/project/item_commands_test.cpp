// Adding, replacing, removing and renaming items, with the questions asked on the way.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "document_fixture.h"
#include "engine/symbol_store.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/my_document.h"
#include "table_fixture.h"

namespace orvella {
namespace {

using platform::ConfirmReply;
using test::DataGraphOf;

// Two rows, (-2, 1) and (6, 5).
std::unique_ptr<CDataTable> TableOf(std::string_view name) {
  return test::NewXYTable(name, {-2, 6}, {1, 5});
}

constexpr ConfirmReply kYes{true, false};
constexpr ConfirmReply kNo{false, false};
constexpr ConfirmReply kYesAndStopAsking{true, true};

std::unique_ptr<CDataList> ListOf(std::string_view name, int count) {
  auto list = std::make_unique<CDataList>();
  list->SetName(std::string(name));
  list->SetCount(count);
  return list;
}

using ItemCommandsTest = test::ConnectedDocumentTest;

TEST_F(ItemCommandsTest, OverwritingAListAsksUntilTheUserStopsIt) {
  ASSERT_TRUE(document.AddList(ListOf("A", 1)));
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(explorer.CountOf(ItemKind::List), 1);

  prompter.answers = {kNo};
  EXPECT_FALSE(document.AddList(ListOf("a", 2)));
  ASSERT_EQ(prompter.questions.size(), 1u);
  EXPECT_EQ(prompter.questions[0],
            "Confirm overwrite | Overwrite list A? | In the future, overwrite without confirming");
  EXPECT_EQ(document.Lists().At(0).Count(), 1);

  prompter.answers = {kYesAndStopAsking};
  EXPECT_TRUE(document.AddList(ListOf("a", 3)));
  EXPECT_EQ(document.Lists().At(0).Count(), 3);
  EXPECT_EQ(document.Lists().Count(), 1);
  EXPECT_EQ(explorer.CountOf(ItemKind::List), 1);

  EXPECT_TRUE(document.AddList(ListOf("A", 4)));
  EXPECT_EQ(prompter.questions.size(), 2u);
  EXPECT_EQ(document.Lists().At(0).Count(), 4);
  // Only the list's bit went; other kinds still ask.
  EXPECT_EQ(document.Settings().confirmOverwrite, 63 & ~0x10);
}

TEST_F(ItemCommandsTest, ReplacingATableWithDataGraphsAsksOnceAndRemovesThem) {
  ASSERT_TRUE(document.AddTable(TableOf("T")));
  const CDataTable& table = document.Tables().At(0);
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(table, "g1")));
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(table, "g2")));
  EXPECT_EQ(explorer.CountOf(ItemKind::DataGraph), 2);

  prompter.answers = {kYes, kYes};
  ASSERT_TRUE(document.AddTable(TableOf("t")));
  ASSERT_EQ(prompter.questions.size(), 2u);
  EXPECT_EQ(prompter.questions[1].rfind("Adding this data table will overwrite", 0), 0u);
  EXPECT_EQ(document.DataPlot().GraphCount(), 0);
  EXPECT_EQ(explorer.CountOf(ItemKind::DataGraph), 0);
  EXPECT_EQ(document.Tables().Count(), 1);
  EXPECT_EQ(document.Tables().At(0).Name(), "t");
}

TEST_F(ItemCommandsTest, DecliningTheDataGraphQuestionKeepsEverything) {
  ASSERT_TRUE(document.AddTable(TableOf("T")));
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(document.Tables().At(0), "g")));
  prompter.answers = {kYes, kNo};
  EXPECT_FALSE(document.AddTable(TableOf("T")));
  EXPECT_EQ(document.DataPlot().GraphCount(), 1);
  EXPECT_EQ(document.DataPlot().Graph(0).DataTable(), &document.Tables().At(0));
}

TEST_F(ItemCommandsTest, AddedGraphsSetThePlotRanges) {
  auto graph = std::make_unique<CGraph2D>();
  graph->Set("x^2", "", GraphType2D::kRectangular, -1, 4);
  const WorldRect before = document.FunctionPlot().range;
  ASSERT_TRUE(document.AddGraph(ItemKind::Graph2D, std::move(graph)));
  EXPECT_EQ(document.FunctionPlot().range.xMin, -1);
  EXPECT_EQ(document.FunctionPlot().range.xMax, 4);
  EXPECT_EQ(document.FunctionPlot().range.yMin, before.yMin);
  EXPECT_EQ(document.FunctionPlot().range.yMax, before.yMax);
  EXPECT_EQ(document.Selection().kind, ItemKind::Graph2D);
  EXPECT_EQ(document.Selection().index, 0);

  // A polar graph leaves the range alone.
  auto polar = std::make_unique<CGraph2D>();
  polar->Set("1", "", GraphType2D::kPolar, 0, 6);
  ASSERT_TRUE(document.AddGraph(ItemKind::Graph2D, std::move(polar)));
  EXPECT_EQ(document.FunctionPlot().range.xMax, 4);

  ASSERT_TRUE(document.AddTable(TableOf("T")));
  const WorldRect& data = document.DataPlot().range;
  // Without an explorer the data bounds are the range.
  document.ConnectExplorer(nullptr);
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(document.Tables().At(0), "d")));
  EXPECT_EQ(data, (WorldRect{-2, 6, 1, 5}));
  // With one, the new graph is selected, and a selected data graph's range is fitted to
  // it with a margin above and below.
  explorer.Attach(document);
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(document.Tables().At(0), "e")));
  EXPECT_EQ(data.xMin, -2);
  EXPECT_EQ(data.xMax, 6);
  EXPECT_DOUBLE_EQ(data.yMin, 0.6);
  EXPECT_DOUBLE_EQ(data.yMax, 5.4);
}

TEST_F(ItemCommandsTest, ReplacingAGraphKeepsItsNodeAndAsks) {
  auto first = std::make_unique<CGraph2D>();
  first->Set("SIN(X)", "", GraphType2D::kRectangular, -3, 3);
  ASSERT_TRUE(document.AddGraph(ItemKind::Graph2D, std::move(first)));
  auto second = std::make_unique<CGraph2D>();
  second->Set("sin(x)", "", GraphType2D::kRectangular, -3, 3);
  prompter.answers = {kYes};
  ASSERT_TRUE(document.AddGraph(ItemKind::Graph2D, std::move(second)));
  EXPECT_EQ(prompter.questions[0],
            "Confirm overwrite | Overwrite 2D graph y = SIN(X)? | In the future, overwrite "
            "without confirming");
  EXPECT_EQ(document.FunctionPlot().GraphCount(), 1);
  EXPECT_EQ(explorer.CountOf(ItemKind::Graph2D), 1);
  EXPECT_EQ(explorer.NodeText(explorer.selected), "y = sin(x)");

  auto surface = std::make_unique<CGraph3D>();
  surface->SetExpression("X*Y");
  ASSERT_TRUE(document.AddGraph3D(std::move(surface)));
  auto again = std::make_unique<CGraph3D>();
  again->SetExpression("x*y");
  prompter.answers = {kNo};
  EXPECT_FALSE(document.AddGraph3D(std::move(again)));
  EXPECT_EQ(prompter.questions.back(),
            "Confirm overwrite | Overwrite 3D graph z = X*Y? | In the future, overwrite without "
            "confirming");
  EXPECT_EQ(document.Plot3D().Graph(0).Expression(), "X*Y");
}

TEST_F(ItemCommandsTest, RemovingAsksWithTheKindsWord) {
  auto graph = std::make_unique<CGraph2D>();
  graph->Set("x", "", GraphType2D::kRectangular, -3, 3);
  ASSERT_TRUE(document.AddGraph(ItemKind::Graph2D, std::move(graph)));
  document.SetModifiedFlag(false);
  prompter.answers = {kYes};
  document.RemoveSelectedItem();
  EXPECT_EQ(prompter.questions.back(),
            "Confirm deletion | Delete graph y = x? | In the future, delete without confirming");
  EXPECT_EQ(document.FunctionPlot().GraphCount(), 0);
  EXPECT_EQ(explorer.CountOf(ItemKind::Graph2D), 0);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.Selection().kind, ItemKind::None);

  ASSERT_TRUE(document.AddTable(TableOf("T")));
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(document.Tables().At(0), "fit")));
  prompter.answers = {kNo};
  document.RemoveSelectedItem();
  EXPECT_EQ(prompter.questions.back(),
            "Confirm deletion | Delete data graph fit? | In the future, delete without confirming");
  EXPECT_EQ(document.DataPlot().GraphCount(), 1);

  // Nothing selected: nothing happens and nothing is asked.
  const auto asked = prompter.questions.size();
  document.SelectNode(explorer.Add(ItemKind::None, "Lists"));
  document.RemoveSelectedItem();
  EXPECT_EQ(prompter.questions.size(), asked);
}

TEST_F(ItemCommandsTest, RemovingATableWithGraphsAsksAboutThem) {
  ASSERT_TRUE(document.AddTable(TableOf("T")));
  ASSERT_TRUE(document.AddGraph(ItemKind::DataGraph, DataGraphOf(document.Tables().At(0), "g")));
  explorer.SelectNode(explorer.FindItemNode(ItemKind::DataTable, "T"));
  ASSERT_EQ(document.Selection().kind, ItemKind::DataTable);

  prompter.answers = {kYes, kYes};
  document.RemoveSelectedItem();
  EXPECT_EQ(prompter.questions[0],
            "Confirm deletion | Delete data table T? | In the future, delete without confirming");
  EXPECT_EQ(prompter.questions[1].rfind("This data table has one or more data graphs", 0), 0u);
  EXPECT_EQ(document.Tables().Count(), 0);
  EXPECT_EQ(document.DataPlot().GraphCount(), 0);
  EXPECT_EQ(explorer.CountOf(ItemKind::DataTable), 0);
  EXPECT_EQ(explorer.CountOf(ItemKind::DataGraph), 0);
}

TEST_F(ItemCommandsTest, SolverModelsGoWithoutAQuestion) {
  class Model : public CSolverModel {
   public:
    Model() { equation_ = "a=b"; }
  };
  document.Solvers().push_back(std::make_unique<Model>());
  explorer.SelectNode(explorer.Add(ItemKind::SolverModel, "a=b"));
  document.RemoveSelectedItem();
  EXPECT_TRUE(document.Solvers().empty());
  EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(ItemCommandsTest, RenamingIsRefusedForATakenName) {
  ASSERT_TRUE(document.AddTable(TableOf("First")));
  ASSERT_TRUE(document.AddTable(TableOf("Second")));
  ASSERT_EQ(document.Selection().index, 1);
  EXPECT_FALSE(document.RenameSelectedItem("FIRST"));
  EXPECT_FALSE(document.RenameSelectedItem("second"));
  EXPECT_TRUE(document.RenameSelectedItem("  Third "));
  EXPECT_EQ(document.Tables().At(1).Name(), "Third");

  // A list may share a table's name.
  ASSERT_TRUE(document.AddList(ListOf("List", 1)));
  EXPECT_TRUE(document.RenameSelectedItem("First"));
  EXPECT_EQ(document.Lists().At(0).Name(), "First");

  auto graph = std::make_unique<CGraph2D>();
  graph->Set("x", "", GraphType2D::kRectangular, -3, 3);
  ASSERT_TRUE(document.AddGraph(ItemKind::Graph2D, std::move(graph)));
  EXPECT_FALSE(document.RenameSelectedItem("line"));
}

TEST_F(ItemCommandsTest, NewEmptyItemsTakeDefaultNamesAndStartEditing) {
  document.NewEmptyItem(ItemKind::DataTable);
  const ExplorerNodeId first = explorer.editing;
  document.NewEmptyItem(ItemKind::DataTable);
  ASSERT_EQ(document.Tables().Count(), 2);
  EXPECT_EQ(document.Tables().At(0).Name(), "Table1");
  EXPECT_EQ(document.Tables().At(1).Name(), "Table2");
  EXPECT_EQ(document.Tables().At(1).Layout(), TableLayout::kXY);
  EXPECT_EQ(document.Tables().At(1).RowCount(), 0);
  EXPECT_NE(explorer.editing, first);
  EXPECT_EQ(explorer.NodeText(explorer.editing), "Table2");
  EXPECT_EQ(document.Selection().index, 1);

  document.NewEmptyItem(ItemKind::List);
  EXPECT_EQ(document.Lists().At(0).Name(), "List1");
  document.NewEmptyItem(ItemKind::Matrix);
  EXPECT_EQ(document.Matrices().Count(), 0);
}

}  // namespace
}  // namespace orvella
