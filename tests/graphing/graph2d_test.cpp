// The 2-D graph record on its own: labels under both punctuation conventions, the rules of
// Set and the flags it raises, the extremes taken from a linked table (including tables
// with nothing in them), and what a copy takes over.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "analysis/data_table.h"
#include "engine/locale_chars.h"
#include "graphing/graph2d.h"
#include "table_fixture.h"

namespace orvella {
namespace {

std::unique_ptr<CGraph2D> MakeGraph(GraphType2D type, const std::string& expr1,
                                    const std::string& expr2 = "") {
  auto graph = std::make_unique<CGraph2D>();
  graph->Set(expr1, expr2, type, -3.0, 3.0);
  return graph;
}

TEST(Graph2DTest, NewGraphIsAutomaticUnmodifiedAndNeedsSampling) {
  const CGraph2D graph;
  EXPECT_EQ(graph.ItemType(), kRecordGraph2D);
  EXPECT_EQ(graph.Style(), kAutomatic);
  EXPECT_EQ(graph.Colour(), kAutomatic);
  EXPECT_EQ(graph.Width(), kAutomatic);
  EXPECT_FALSE(graph.IsModified());
  EXPECT_TRUE(graph.NeedResample());
  EXPECT_TRUE(graph.NeedRemap());
  EXPECT_EQ(graph.DomainMin(), -3.0);
  EXPECT_EQ(graph.DomainMax(), 3.0);
  EXPECT_EQ(graph.bounds, (WorldRect{-5.0, 5.0, -3.0, 3.0}));
  EXPECT_EQ(graph.Label(), "");
}

TEST(Graph2DTest, LabelFollowsTypeAndArgumentSeparator) {
  struct Case {
    const LocaleCharacters& convention;
    GraphType2D type;
    const char* expr1;
    const char* expr2;
    const char* label;
  };
  const Case cases[] = {
      {kUsConvention, GraphType2D::kRectangular, "sin(x)", "", "y = sin(x)"},
      {kUsConvention, GraphType2D::kPolar, "1+cos(t)", "", "r = 1+cos(t)"},
      {kUsConvention, GraphType2D::kParametric, "cos(t)", "sin(t)", "x = cos(t); y = sin(t)"},
      {kFrenchConvention, GraphType2D::kParametric, "cos(t)", "sin(t)", "x = cos(t): y = sin(t)"},
      {kFrenchConvention, GraphType2D::kRectangular, "2,5*x", "", "y = 2,5*x"},
      // Without a first expression nothing names the graph.
      {kUsConvention, GraphType2D::kParametric, "", "sin(t)", ""},
  };
  for (const Case& c : cases) {
    ScopedConvention convention(c.convention);
    EXPECT_EQ(MakeGraph(c.type, c.expr1, c.expr2)->Label(), c.label) << c.label;
  }
}

TEST(Graph2DTest, NameIsTheLabelWhateverTheExpressions) {
  auto graph = MakeGraph(GraphType2D::kParametric, "cos(t)", "sin(t)");
  graph->SetName("Circle");
  EXPECT_EQ(graph->Label(), "Circle");
  graph->Set("", "", GraphType2D::kRectangular, -1.0, 1.0);
  EXPECT_EQ(graph->Label(), "Circle");
}

TEST(Graph2DTest, SetChangesOnlyWhatDiffers) {
  CGraph2D graph;
  graph.Set("x^2", "", GraphType2D::kRectangular, -1.0, 1.0);
  EXPECT_TRUE(graph.IsModified());
  EXPECT_EQ(graph.Expr1(), "x^2");
  EXPECT_EQ(graph.DomainMin(), -1.0);
  EXPECT_EQ(graph.DomainMax(), 1.0);

  // The same text and a domain within the tolerance are no change.
  graph.SetModified(false);
  graph.ClearNeedResample();
  graph.Set("x^2", "", GraphType2D::kRectangular, -1.0 + 1e-12, 1.0);
  EXPECT_FALSE(graph.IsModified());
  EXPECT_FALSE(graph.NeedResample());
  EXPECT_EQ(graph.DomainMin(), -1.0);

  // The user's own spelling is kept, even when only the case changed.
  graph.Set("X^2", "", GraphType2D::kRectangular, -1.0, 1.0);
  EXPECT_TRUE(graph.IsModified());
  EXPECT_EQ(graph.Expr1(), "X^2");

  graph.Set("X^2", "", GraphType2D::kPolar, -1.0, 1.0);
  EXPECT_TRUE(graph.IsModified());
  EXPECT_TRUE(graph.NeedResample());
  EXPECT_EQ(graph.Type(), GraphType2D::kPolar);
}

TEST(Graph2DTest, DomainThatIsNotIncreasingOrFiniteIsIgnored) {
  const double kInf = INFINITY;
  const double bad[][2] = {{2.0, 2.0}, {5.0, 1.0}, {NAN, 1.0}, {-kInf, kInf}};
  for (const auto& domain : bad) {
    CGraph2D graph;
    graph.Set("x", "", GraphType2D::kRectangular, -2.0, 2.0);
    graph.SetModified(false);
    graph.ClearNeedResample();
    graph.Set("x", "", GraphType2D::kRectangular, domain[0], domain[1]);
    EXPECT_EQ(graph.DomainMin(), -2.0) << domain[0] << " .. " << domain[1];
    EXPECT_EQ(graph.DomainMax(), 2.0);
    EXPECT_FALSE(graph.IsModified());
    EXPECT_FALSE(graph.NeedResample());
  }
}

TEST(Graph2DTest, UnknownTypeCodeIsIgnored) {
  CGraph2D graph;
  graph.Set("x", "", static_cast<GraphType2D>(7), -1.0, 1.0);
  EXPECT_EQ(graph.Type(), GraphType2D::kRectangular);
  EXPECT_EQ(graph.Label(), "y = x");
}

TEST(Graph2DTest, AttachTableTakesTheExtremesOfTheFirstTwoColumns) {
  const CDataTable table = test::MakeXYTable({3.0, -1.0, 7.0}, {10.0, -4.0, 2.0});
  CGraph2D graph;
  graph.AttachTable(&table);
  EXPECT_EQ(graph.DataTable(), &table);
  EXPECT_TRUE(graph.IsModified());
  EXPECT_EQ(graph.dataBounds, (DataBounds{7.0, -1.0, 10.0, -4.0}));

  graph.SetModified(false);
  graph.DetachTable();
  EXPECT_EQ(graph.DataTable(), nullptr);
  EXPECT_TRUE(graph.IsModified());
}

TEST(Graph2DTest, TablesWithoutUsableValuesGiveZeroBounds) {
  CDataTable noColumns;
  noColumns.SetUpColumns(TableLayout::kFixed, 0, 0);
  CDataTable oneColumn;
  oneColumn.SetUpColumns(TableLayout::kX, 1, 2);
  oneColumn.SetCell(0, 0, 4.0);
  oneColumn.SetCell(0, 1, -2.0);
  const CDataTable emptyRows = test::MakeXYTable({}, {});
  const CDataTable notFinite = test::MakeXYTable({NAN, 1.0}, {INFINITY, NAN});

  struct Case {
    const char* what;
    const CDataTable& table;
    DataBounds bounds;
  };
  const Case cases[] = {
      {"no columns", noColumns, {}},
      {"one column", oneColumn, {4.0, -2.0, 0.0, 0.0}},
      {"no rows", emptyRows, {}},
      {"non-finite cells", notFinite, {1.0, 1.0, 0.0, 0.0}},
  };
  for (const Case& c : cases) {
    CGraph2D graph;
    graph.AttachTable(&c.table);
    EXPECT_EQ(graph.dataBounds, c.bounds) << c.what;
  }
}

TEST(Graph2DTest, CopyFromTakesTheListedFieldsOnly) {
  CGraph2D source;
  source.Set("cos(t)", "sin(t)", GraphType2D::kParametric, 0.0, 6.0);
  source.SetColour(0x123456);
  source.SetStyle(kPenDash);
  source.SetWidth(3);
  source.SetVisible(false);
  source.SetName("Circle");
  source.bounds = {-1.0, 1.0, -2.0, 2.0};
  source.SetResults(std::make_unique<CResultReport>());

  CGraph2D copy;
  copy.ClearNeedResample();
  copy.CopyFrom(source);
  EXPECT_EQ(copy.Type(), GraphType2D::kParametric);
  EXPECT_EQ(copy.Expr1(), "cos(t)");
  EXPECT_EQ(copy.Expr2(), "sin(t)");
  EXPECT_EQ(copy.DomainMin(), 0.0);
  EXPECT_EQ(copy.DomainMax(), 6.0);
  EXPECT_EQ(copy.Colour(), 0x123456);
  EXPECT_EQ(copy.Style(), kPenDash);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_FALSE(copy.IsVisible());
  EXPECT_EQ(copy.bounds, source.bounds);
  EXPECT_TRUE(copy.NeedResample());
  // Identity and ownership stay with the source.
  EXPECT_EQ(copy.Name(), "");
  EXPECT_EQ(copy.Results(), nullptr);
}

}  // namespace
}  // namespace orvella
