// The project document: identity and default names, selection and the views it drives,
// the links between data graphs and tables, the modified state and the life cycle.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "document_fixture.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/my_document.h"
#include "table_fixture.h"

namespace orvella {
namespace {

using test::DataGraphOf;
using test::NewXYTable;

template <typename Item>
std::unique_ptr<Item> Named(std::string_view name) {
  auto item = std::make_unique<Item>();
  item->SetName(std::string(name));
  return item;
}

std::unique_ptr<CGraph2D> FunctionGraph(const std::string& expr, double min = -3, double max = 3) {
  auto graph = std::make_unique<CGraph2D>();
  graph->Set(expr, "", GraphType2D::kRectangular, min, max);
  return graph;
}

// A solver model with a given equation, as one read from the user store would be.
class ModelWithEquation : public CSolverModel {
 public:
  explicit ModelWithEquation(std::string equation) { equation_ = std::move(equation); }
};

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    InstallUserNames(&symbols);
    document.emplace(store, symbols);
    document->ConnectWorksheet(&worksheet);
    document->ConnectFrame(&frame);
    explorer.Attach(*document);
  }
  ~DocumentTest() override {
    document.reset();
    InstallUserNames(nullptr);
  }

  CMyDocument& doc() { return *document; }

  platform::MemorySettingsStore store;
  CSymbolStore symbols;
  platform::MemoryTextEditor worksheet;
  test::FakeExplorer explorer;
  test::FakeFrame frame;
  std::optional<CMyDocument> document;
};

TEST_F(DocumentTest, NamedItemsAreFoundTrimmedAndWithoutCase) {
  doc().Tables().Append(Named<CDataTable>("Table1"));
  doc().Tables().Append(Named<CDataTable>("Table3"));
  doc().Lists().Append(Named<CDataList>("A"));
  doc().Matrices().Append(Named<CDataMatrix>("A"));

  EXPECT_EQ(doc().FindItem(ItemKind::DataTable, "  table1 "), 0);
  EXPECT_EQ(doc().FindItem(ItemKind::List, "a"), 0);
  EXPECT_EQ(doc().FindItem(ItemKind::Matrix, "A"), 0);
  EXPECT_EQ(doc().FindItem(ItemKind::DataTable, "A"), -1);
  EXPECT_EQ(doc().FindItem(ItemKind::Variables, "A"), -1);

  EXPECT_EQ(doc().DefaultName(ItemKind::DataTable), "Table2");
  EXPECT_EQ(doc().DefaultName(ItemKind::List), "List1");
  EXPECT_EQ(doc().DefaultName(ItemKind::Matrix), "Matrix1");
  EXPECT_EQ(doc().DefaultName(ItemKind::Graph2D), "");

  EXPECT_EQ(doc().ItemName(ItemKind::DataTable, 1), "Table3");
  EXPECT_EQ(doc().ItemName(ItemKind::DataTable, 2), "");
  EXPECT_EQ(doc().ItemName(ItemKind::List, -1), "");
  EXPECT_EQ(doc().ItemAt(ItemKind::Matrix, 0), &doc().Matrices().At(0));
  EXPECT_EQ(doc().ItemAt(ItemKind::Graph2D, 0), nullptr);
}

TEST_F(DocumentTest, GraphsAndModelsAreFoundByLabelAndEquation) {
  doc().FunctionPlot().AddOrReplace(FunctionGraph("sin(x)"));
  auto surface = std::make_unique<CGraph3D>();
  surface->SetExpression("x*y");
  doc().Plot3D().AddOrReplace(std::move(surface));
  doc().Solvers().push_back(std::make_unique<ModelWithEquation>("v=a*t+v0"));

  EXPECT_EQ(doc().FindItem(ItemKind::Graph2D, "Y = SIN(X)"), 0);
  EXPECT_EQ(doc().ItemName(ItemKind::Graph2D, 0), "y = sin(x)");
  EXPECT_EQ(doc().FindItem(ItemKind::Graph3D, "z = X*Y"), 0);
  EXPECT_EQ(doc().ItemName(ItemKind::Graph3D, 0), "z = x*y");
  EXPECT_EQ(doc().FindItem(ItemKind::SolverModel, "V=A*T+V0"), 0);
  EXPECT_EQ(doc().ItemName(ItemKind::SolverModel, 0), "v=a*t+v0");
  EXPECT_EQ(doc().FindItem(ItemKind::DataGraph, "y = sin(x)"), -1);
}

TEST_F(DocumentTest, SelectingAKindWithoutViewsShowsTheWorkspace) {
  doc().Settings().viewLayouts[ItemKindCode(ItemKind::Variables)].viewFlags = 0;
  const ExplorerNodeId node = explorer.Add(ItemKind::Variables, "Variables");
  doc().SelectNode(node);

  EXPECT_EQ(doc().Selection().kind, ItemKind::Variables);
  EXPECT_EQ(doc().Selection().index, -1);
  EXPECT_EQ(doc().Settings().viewLayouts[ItemKindCode(ItemKind::Variables)].viewFlags, 4);
  EXPECT_EQ(frame.appliedKind, ItemKind::Variables);
  EXPECT_EQ(frame.appliedLayout.viewFlags, 4);
  EXPECT_EQ(frame.gridRefreshes, 1);
  EXPECT_EQ(frame.title, "Variables");
  EXPECT_EQ(frame.treeImage, 10);

  // The same node again changes nothing.
  doc().SelectNode(node);
  EXPECT_EQ(frame.gridRefreshes, 1);
}

TEST_F(DocumentTest, SelectingAnItemFindsItAndCaptionsTheWindow) {
  doc().Tables().Append(NewXYTable("Table1", {1, 3}, {2, 8}));
  doc().SelectNode(explorer.Add(ItemKind::DataTable, "Table1"));
  EXPECT_EQ(doc().Selection().index, 0);
  EXPECT_EQ(doc().Selection().item, &doc().Tables().At(0));
  EXPECT_EQ(frame.title, "Table: Table1");
  EXPECT_EQ(frame.treeImage, 1);

  // A category without a kind of its own clears the selection; an empty text is ignored.
  doc().SelectNode(explorer.Add(ItemKind::None, "Data Tables"));
  EXPECT_EQ(doc().Selection().kind, ItemKind::None);
  EXPECT_EQ(doc().Selection().item, nullptr);
  doc().SelectNode(explorer.Add(ItemKind::List, ""));
  EXPECT_EQ(doc().Selection().kind, ItemKind::None);
}

TEST_F(DocumentTest, SelectingAnXYTableShowsItInThePreview) {
  doc().Tables().Append(NewXYTable("Table1", {1, 3}, {2, 8}));
  auto single = std::make_unique<CDataTable>();
  single->SetName("Single");
  single->SetUpColumns(TableLayout::kX, 1, 1);
  doc().Tables().Append(std::move(single));
  doc().SelectNode(explorer.Add(ItemKind::DataTable, "Table1"));

  const CGraph2D& preview = doc().TablePreviewPlot().Graph(0);
  EXPECT_EQ(preview.DataTable(), &doc().Tables().At(0));
  EXPECT_EQ(doc().TablePreviewPlot().range.xMin, 1);
  EXPECT_EQ(doc().TablePreviewPlot().range.xMax, 3);
  EXPECT_GE(frame.plot2DRedraws, 1);

  // A one-column table is no XY table: the preview keeps what it showed.
  doc().SelectNode(explorer.Add(ItemKind::DataTable, "Single"));
  EXPECT_EQ(preview.DataTable(), &doc().Tables().At(0));

  // Deleting the shown table leaves the preview without a dangling link.
  doc().DeleteTable(0);
  EXPECT_EQ(preview.DataTable(), nullptr);
}

TEST_F(DocumentTest, SelectingADataGraphShowsItAlone) {
  doc().Tables().Append(NewXYTable("T", {0, 4}, {10, 20}));
  const CDataTable& table = doc().Tables().At(0);
  doc().DataPlot().AddOrReplace(DataGraphOf(table, "first"));
  doc().DataPlot().AddOrReplace(DataGraphOf(table, "second"));

  doc().SelectNode(explorer.Add(ItemKind::DataGraph, "second"));
  EXPECT_FALSE(doc().DataPlot().Graph(0).IsVisible());
  EXPECT_TRUE(doc().DataPlot().Graph(1).IsVisible());
  EXPECT_EQ(doc().DataPlot().range.xMin, 0);
  EXPECT_EQ(doc().DataPlot().range.xMax, 4);
  EXPECT_EQ(frame.title, "Data Graph: second");
}

TEST_F(DocumentTest, SelectingA3DGraphMakesItCurrent) {
  for (const char* expression : {"x+y", "x*y"}) {
    auto surface = std::make_unique<CGraph3D>();
    surface->SetExpression(expression);
    doc().Plot3D().AddOrReplace(std::move(surface));
  }
  doc().SelectNode(explorer.Add(ItemKind::Graph3D, "z = x*y"));
  EXPECT_EQ(doc().Plot3D().Current(), 1);
  EXPECT_EQ(frame.plot3DRedraws, 1);
  EXPECT_EQ(frame.title, "3D Graph: z = x*y");
}

TEST_F(DocumentTest, ModifiedStateIsTheWorksheetTexts) {
  EXPECT_FALSE(doc().IsModified());
  worksheet.Type("1+1");
  EXPECT_TRUE(doc().IsModified());
  doc().SetModifiedFlag(false);
  EXPECT_FALSE(worksheet.IsModified());

  doc().Tables().Append(NewXYTable("T", {1}, {1}));
  doc().SelectNode(explorer.Add(ItemKind::DataTable, "T"));
  EXPECT_FALSE(doc().IsModified());
  doc().RefreshSelection(true);
  EXPECT_TRUE(doc().IsModified());
}

TEST_F(DocumentTest, ReloadedDataGraphsRelinkByNameAndOrphansGo) {
  doc().Tables().Append(NewXYTable("Kept", {1, 2}, {1, 4}));
  const std::pair<const char*, const char*> stored[] = {
      {"first", "kept"}, {"orphan", "Missing"}, {"second", "KEPT"}};
  for (const auto& [name, tableName] : stored) {
    auto graph = std::make_unique<CGraph2D>();
    graph->SetName(name);
    graph->dataTableName = tableName;
    doc().DataPlot().AddOrReplace(std::move(graph));
  }
  doc().RelinkDataGraphs();

  ASSERT_EQ(doc().DataPlot().GraphCount(), 2);
  EXPECT_EQ(doc().DataPlot().Graph(0).Label(), "first");
  EXPECT_EQ(doc().DataPlot().Graph(1).Label(), "second");
  for (const auto& graph : doc().DataPlot().Graphs()) {
    EXPECT_EQ(graph->DataTable(), &doc().Tables().At(0));
    EXPECT_EQ(graph->dataBounds.yMax, 4);
  }
}

TEST_F(DocumentTest, DeletingATableTakesItsDataGraphsAndTheSelectionWithIt) {
  doc().Tables().Append(NewXYTable("A", {1}, {1}));
  doc().Tables().Append(NewXYTable("B", {1}, {1}));
  doc().DataPlot().AddOrReplace(DataGraphOf(doc().Tables().At(0), "a1"));
  doc().DataPlot().AddOrReplace(DataGraphOf(doc().Tables().At(1), "b1"));
  doc().DataPlot().AddOrReplace(DataGraphOf(doc().Tables().At(0), "a2"));
  EXPECT_EQ(doc().GraphsLinkedTo(doc().Tables().At(0)), 2);

  doc().SelectNode(explorer.Add(ItemKind::DataTable, "A"));
  doc().DeleteTable(0);
  ASSERT_EQ(doc().DataPlot().GraphCount(), 1);
  EXPECT_EQ(doc().DataPlot().Graph(0).Label(), "b1");
  EXPECT_EQ(doc().Selection().item, nullptr);
  EXPECT_EQ(doc().Selection().index, -1);
}

TEST_F(DocumentTest, DeleteContentsKeepsWhatOutlivesAProject) {
  ASSERT_EQ(symbols.DefineUserFunction(doc().Engine(), "sq(u)=u^2", false), kNoError);
  doc().Solvers().push_back(std::make_unique<ModelWithEquation>("a=b"));
  doc().Engine().AppendVariable("v", 3);
  doc().Engine().SetExpression("v+1");
  ASSERT_EQ(doc().Engine().Parse(), kNoError);
  doc().Tables().Append(NewXYTable("T", {1}, {1}));
  doc().DataPlot().AddOrReplace(DataGraphOf(doc().Tables().At(0), "d"));
  doc().SelectNode(explorer.Add(ItemKind::DataTable, "T"));
  doc().FunctionPlot().AddOrReplace(FunctionGraph("x"));
  doc().Lists().Append(Named<CDataList>("L"));
  worksheet.Type("v = 3");

  doc().DeleteContents();
  doc().OnNewDocument();

  EXPECT_EQ(worksheet.Text(), "");
  EXPECT_FALSE(doc().IsModified());
  EXPECT_EQ(doc().Tables().Count(), 0);
  EXPECT_EQ(doc().Lists().Count(), 0);
  EXPECT_EQ(doc().DataPlot().GraphCount(), 0);
  EXPECT_EQ(doc().FunctionPlot().GraphCount(), 0);
  EXPECT_TRUE(doc().Engine().Variables().empty());
  EXPECT_EQ(doc().TablePreviewPlot().Graph(0).DataTable(), nullptr);
  EXPECT_EQ(doc().Selection().kind, ItemKind::None);
  EXPECT_EQ(doc().Solvers().size(), 1u);
  EXPECT_EQ(symbols.UserFunctions().size(), 1u);
  EXPECT_EQ(doc().FunctionPlot().viewportPercent, 95);
  EXPECT_EQ(doc().DataPlot().viewportPercent, 80);
}

TEST_F(DocumentTest, NewProjectTakesThePlotDefaults) {
  doc().FunctionPlotDefaults().steps = 123;
  doc().DataPlotDefaults().backColour = 0x123456;
  doc().Plot3DDefaults().views = 4;
  doc().DeleteContents();
  doc().OnNewDocument();
  EXPECT_EQ(doc().FunctionPlot().steps, 123);
  EXPECT_EQ(doc().DataPlot().backColour, 0x123456);
  EXPECT_EQ(doc().Plot3D().views, 4);
}

TEST_F(DocumentTest, EndingTheProgramClearsUserDefinitionsAndWritesSettings) {
  ASSERT_EQ(symbols.DefineUserFunction(doc().Engine(), "sq(u)=u^2", false), kNoError);
  symbols.UserConstants().push_back({"Answer", "", "ans42", 42.0, 0.0});
  doc().Settings().explorerWidth = 240;
  doc().Settings().viewLayouts[3].columnWidth[0] = 777;
  doc().Settings().recentFits.push_back({"L", "model", "a*x", "", ""});
  doc().Engine().SetSolverSteps(321);
  doc().SetPathName("/tmp/p.ovp");
  const int savesBefore = store.SaveCount();
  document.reset();

  EXPECT_TRUE(symbols.UserFunctions().empty());
  EXPECT_TRUE(symbols.UserConstants().empty());
  EXPECT_GT(store.SaveCount(), savesBefore);
  EXPECT_EQ(store.ReadInt("Layout", "TreeViewWidth", 0), 240);
  EXPECT_EQ(store.ReadText("Options", "LastOpenFile", ""), "/tmp/p.ovp");
  EXPECT_EQ(store.ReadInt("Calculation", "SolverSteps", 0), 321);
  EXPECT_EQ(store.ReadInt("RecentFit", "Count", 0), 1);
  EXPECT_EQ(store.ReadText("RecentFit0", "Equation", ""), "a*x");

  // The next run starts from what was written.
  CMyDocument next(store, symbols);
  EXPECT_EQ(next.Settings().explorerWidth, 240);
  EXPECT_EQ(next.Settings().viewLayouts[3].columnWidth[0], 777);
  EXPECT_EQ(next.Engine().SolverSteps(), 321);
  ASSERT_EQ(next.Settings().recentFits.size(), 1u);
  EXPECT_EQ(next.Settings().recentFits[0].listName, "L");
}

}  // namespace
}  // namespace orvella
