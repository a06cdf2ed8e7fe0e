// The 2-D plot's graph list and range: adding and replacing by label, the automatic
// palette (including the random pick once it is used up), taking graphs out, the range
// rules with the domains that follow them, and fitting the range to linked data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "analysis/data_table.h"
#include "graphing/plot2d.h"
#include "table_fixture.h"

namespace orvella {
namespace {

std::unique_ptr<CGraph2D> Curve(const std::string& expr,
                                GraphType2D type = GraphType2D::kRectangular) {
  auto graph = std::make_unique<CGraph2D>();
  graph->Set(expr, type == GraphType2D::kParametric ? "t" : "", type, -3.0, 3.0);
  return graph;
}

// A plot holding one curve per palette entry, so every automatic colour is in use.
class FullPaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 7; ++i) plot_.AddOrReplace(Curve("x+" + std::to_string(i)));
  }
  CPlot2D plot_;
};

TEST(Plot2DTest, AutomaticColoursFollowThePaletteWithSolidLines) {
  CPlot2D plot;
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(plot.AddOrReplace(Curve("x*" + std::to_string(i))), i);
    const CGraph2D& graph = plot.Graph(i);
    EXPECT_EQ(graph.Colour(), kGraphPalette[i]) << i;
    EXPECT_EQ(graph.Style(), kPenSolid) << i;
    EXPECT_EQ(graph.Width(), 1) << i;
    EXPECT_EQ(graph.Plot(), &plot);
  }
}

TEST(Plot2DTest, FreedPaletteEntryIsReusedFirst) {
  CPlot2D plot;
  for (int i = 0; i < 3; ++i) plot.AddOrReplace(Curve("x*" + std::to_string(i)));
  plot.DeleteGraph(1);  // green
  plot.AddOrReplace(Curve("x^2"));
  EXPECT_EQ(plot.Graph(2).Colour(), kGraphPalette[1]);
}

TEST_F(FullPaletteTest, EighthGraphTakesARandomColourAndIsDotted) {
  struct Case {
    int random;
    int entry;
  };
  // r * 6 / 32767: only the very top of the range reaches the last entry.
  const Case cases[] = {{0, 0}, {16384, 3}, {32766, 5}, {32767, 6}, {99999, 6}, {-5, 0}};
  for (const Case& c : cases) {
    plot_.SetRandomSource([&] { return c.random; });
    const int index = plot_.AddOrReplace(Curve("x*7"));
    EXPECT_EQ(plot_.Graph(index).Colour(), kGraphPalette[c.entry]) << c.random;
    EXPECT_EQ(plot_.Graph(index).Style(), kPenDot) << c.random;
    plot_.DeleteGraph(index);
  }
}

TEST_F(FullPaletteTest, DefaultRandomSourceStaysInThePalette) {
  const int index = plot_.AddOrReplace(Curve("x*7"));
  const std::int32_t colour = plot_.Graph(index).Colour();
  EXPECT_NE(std::find(std::begin(kGraphPalette), std::end(kGraphPalette), colour),
            std::end(kGraphPalette));
}

TEST(Plot2DTest, ChosenAppearanceIsKeptAndARepeatedColourIsDotted) {
  CPlot2D plot;
  plot.AddOrReplace(Curve("x"));  // blue
  auto sameColour = Curve("2*x");
  sameColour->SetColour(kGraphPalette[0]);
  auto ownStyle = Curve("3*x");
  ownStyle->SetColour(kGraphPalette[0]);
  ownStyle->SetStyle(kPenDashDot);
  ownStyle->SetWidth(4);
  plot.AddOrReplace(std::move(sameColour));
  plot.AddOrReplace(std::move(ownStyle));
  EXPECT_EQ(plot.Graph(1).Colour(), kGraphPalette[0]);
  EXPECT_EQ(plot.Graph(1).Style(), kPenDot);
  EXPECT_EQ(plot.Graph(2).Style(), kPenDashDot);
  EXPECT_EQ(plot.Graph(2).Width(), 4);
}

TEST(Plot2DTest, SameLabelInAnotherCaseReplacesInPlace) {
  CPlot2D plot;
  plot.AddOrReplace(Curve("cos(x)"));
  plot.AddOrReplace(Curve("SIN(X)"));
  plot.AddOrReplace(Curve("tan(x)"));
  EXPECT_EQ(plot.FindGraph("Y = SIN(X)"), 1);

  auto replacement = Curve("sin(x)");
  const CGraph2D* added = replacement.get();
  EXPECT_EQ(plot.AddOrReplace(std::move(replacement)), 1);
  EXPECT_EQ(plot.GraphCount(), 3);
  EXPECT_EQ(&plot.Graph(1), added);
  EXPECT_EQ(plot.Graph(1).Label(), "y = sin(x)");
  EXPECT_EQ(plot.Graph(0).Label(), "y = cos(x)");
  EXPECT_EQ(plot.Graph(2).Label(), "y = tan(x)");
}

TEST(Plot2DTest, NamedGraphIsFoundByNameAndUnlabelledGraphsNeverReplaceEachOther) {
  CPlot2D plot;
  auto named = Curve("x");
  named->SetName("Fit of Table1");
  plot.AddOrReplace(std::move(named));
  EXPECT_EQ(plot.FindGraph("fit of table1"), 0);
  EXPECT_EQ(plot.FindGraph("y = x"), -1);

  plot.AddOrReplace(std::make_unique<CGraph2D>());
  plot.AddOrReplace(std::make_unique<CGraph2D>());
  EXPECT_EQ(plot.GraphCount(), 3);
  EXPECT_EQ(plot.FindGraph(""), -1);
  EXPECT_EQ(plot.AddOrReplace(nullptr), -1);
}

TEST(Plot2DTest, TakeAndDeleteIgnoreBadIndexes) {
  CPlot2D plot;
  plot.AddOrReplace(Curve("x"));
  plot.AddOrReplace(Curve("2*x"));
  EXPECT_EQ(plot.TakeGraph(-1), nullptr);
  EXPECT_EQ(plot.TakeGraph(2), nullptr);
  plot.DeleteGraph(5);
  EXPECT_EQ(plot.GraphCount(), 2);

  std::unique_ptr<CGraph2D> taken = plot.TakeGraph(0);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->Label(), "y = x");
  EXPECT_EQ(taken->Plot(), nullptr);
  EXPECT_EQ(plot.Graph(0).Label(), "y = 2*x");
  plot.DeleteGraphs();
  EXPECT_EQ(plot.GraphCount(), 0);
}

TEST(Plot2DTest, SetRangeOrdersEachAxis) {
  struct Case {
    WorldRect given;
    WorldRect range;
  };
  const Case cases[] = {
      {{1, 1, 0, 5}, {0, 1, 0, 5}},
      {{4, -2, 3, 3}, {-2, 4, 2, 3}},
      {{-5, 5, 9, -9}, {-5, 5, -9, 9}},
      // Where 1 vanishes in the magnitude the span still opens.
      {{1e300, 1e300, -1e300, -1e300}, {1e300 * (1 - 1e-6), 1e300, -1e300, -1e300 * (1 - 1e-6)}},
  };
  for (const Case& c : cases) {
    CPlot2D plot;
    plot.SetRange(c.given.xMin, c.given.xMax, c.given.yMin, c.given.yMax);
    EXPECT_EQ(plot.range, c.range) << c.given.xMin << " " << c.given.xMax;
    EXPECT_LT(plot.range.xMin, plot.range.xMax);
    EXPECT_LT(plot.range.yMin, plot.range.yMax);
  }
}

TEST(Plot2DTest, SetRangeWithANonFiniteBoundChangesNothing) {
  CPlot2D plot;
  plot.SetRange(-1.0, NAN, 0.0, 1.0);
  plot.SetRange(-1.0, 1.0, -INFINITY, 1.0);
  EXPECT_EQ(plot.range, (WorldRect{-10.0, 10.0, -10.0, 10.0}));
}

TEST(Plot2DTest, SetRangeMovesRectangularDomainsAndRemapsEveryGraph) {
  CPlot2D plot;
  plot.AddOrReplace(Curve("x"));
  plot.AddOrReplace(Curve("1", GraphType2D::kPolar));
  plot.AddOrReplace(Curve("t", GraphType2D::kParametric));
  for (const auto& graph : plot.Graphs()) {
    graph->SetModified(false);
    graph->ClearNeedResample();
    graph->ClearNeedRemap();
  }
  plot.SetRange(-4.0, 8.0, -1.0, 1.0);

  const CGraph2D& rectangular = plot.Graph(0);
  EXPECT_EQ(rectangular.DomainMin(), -4.0);
  EXPECT_EQ(rectangular.DomainMax(), 8.0);
  EXPECT_TRUE(rectangular.NeedResample());
  EXPECT_TRUE(rectangular.IsModified());
  for (int i : {1, 2}) {
    EXPECT_EQ(plot.Graph(i).DomainMin(), -3.0) << i;
    EXPECT_FALSE(plot.Graph(i).NeedResample()) << i;
  }
  for (const auto& graph : plot.Graphs()) EXPECT_TRUE(graph->NeedRemap());
}

TEST(Plot2DTest, ScaleIsZeroUntilThePlotHasAnArea) {
  CPlot2D plot;
  plot.SetRange(0.0, 10.0, 0.0, 4.0);
  EXPECT_EQ(plot.layout.xScale, 0.0);
  EXPECT_EQ(plot.layout.yScale, 0.0);
  plot.layout.plot = {0, 0, 200, 100};
  plot.SetRange(0.0, 10.0, 0.0, 4.0);
  EXPECT_DOUBLE_EQ(plot.layout.xScale, 20.0);
  EXPECT_DOUBLE_EQ(plot.layout.yScale, 25.0);
}

TEST(Plot2DTest, FitToDataRoundsTheYRangeOutwardToTwoDigits) {
  struct Case {
    std::vector<double> x, y;
    double fitMargin;
    WorldRect range;
  };
  const Case cases[] = {
      {{0, 5}, {0, 10}, 0.1, {0, 5, -1, 11}},
      {{-2, 3}, {1.234, 5.678}, 0.1, {-2, 3, 0.78, 6.2}},
      {{1, 2}, {-123, -45}, 0.1, {1, 2, -140, -37}},
      // Values already on two digits stay, though their mantissa is not exact in binary.
      {{0, 1}, {0.035, 0.07}, 0.0, {0, 1, 0.035, 0.07}},
      // Equal values leave no span: the range rules open it.
      {{2, 2}, {3, 3}, 0.1, {1, 2, 2, 3}},
  };
  for (const Case& c : cases) {
    const CDataTable table = test::MakeXYTable(c.x, c.y);
    CPlot2D plot;
    plot.fitMargin = c.fitMargin;
    auto graph = std::make_unique<CGraph2D>();
    graph->AttachTable(&table);
    plot.AddOrReplace(std::move(graph));
    plot.FitToData();
    EXPECT_DOUBLE_EQ(plot.range.xMin, c.range.xMin) << c.y[0];
    EXPECT_DOUBLE_EQ(plot.range.xMax, c.range.xMax) << c.y[0];
    EXPECT_DOUBLE_EQ(plot.range.yMin, c.range.yMin) << c.y[0];
    EXPECT_DOUBLE_EQ(plot.range.yMax, c.range.yMax) << c.y[0];
  }
}

TEST(Plot2DTest, FitToDataSpansTheVisibleLinkedGraphsOnly) {
  const CDataTable left = test::MakeXYTable({-4, 0}, {0, 1});
  const CDataTable right = test::MakeXYTable({1, 6}, {-1, 0});
  const CDataTable hidden = test::MakeXYTable({-100, 100}, {-100, 100});
  CPlot2D plot;
  for (const CDataTable* table : {&left, &right, &hidden}) {
    auto graph = std::make_unique<CGraph2D>();
    graph->SetName("graph of " + std::to_string(plot.GraphCount()));
    graph->AttachTable(table);
    graph->SetVisible(table != &hidden);
    plot.AddOrReplace(std::move(graph));
  }
  plot.AddOrReplace(Curve("x^3"));  // no table: its data bounds mean nothing
  plot.FitToData();
  EXPECT_DOUBLE_EQ(plot.range.xMin, -4.0);
  EXPECT_DOUBLE_EQ(plot.range.xMax, 6.0);
  EXPECT_DOUBLE_EQ(plot.range.yMin, -1.2);
  EXPECT_DOUBLE_EQ(plot.range.yMax, 1.2);
}

TEST(Plot2DTest, FitToDataWithoutVisibleDataKeepsTheRange) {
  const CDataTable table = test::MakeXYTable({1, 2}, {3, 4});
  CPlot2D plot;
  plot.FitToData();
  auto graph = std::make_unique<CGraph2D>();
  graph->AttachTable(&table);
  graph->SetVisible(false);
  plot.AddOrReplace(std::move(graph));
  plot.FitToData();
  EXPECT_EQ(plot.range, (WorldRect{-10.0, 10.0, -10.0, 10.0}));
}

TEST(Plot2DTest, CopySettingsTakesTheSettingsButNotTheGraphs) {
  CPlot2D source;
  source.axes.axisType = AxisType::kFrame;
  source.axes.gridPen.SetColour(0x010203);
  source.backColour = 0x112233;
  source.border = 2;
  source.steps = 50;
  source.zoomFactor = 3.0;
  source.fitMargin = 0.25;
  source.viewportPercent = 95;
  source.range = {0, 1, 2, 3};
  source.AddOrReplace(Curve("x"));

  CPlot2D target;
  target.AddOrReplace(Curve("x^2"));
  target.AddOrReplace(Curve("x^3"));
  target.CopySettings(source);
  EXPECT_EQ(target.axes.axisType, AxisType::kFrame);
  EXPECT_EQ(target.axes.gridPen.Colour(), 0x010203);
  EXPECT_EQ(target.backColour, 0x112233);
  EXPECT_EQ(target.border, 2);
  EXPECT_EQ(target.steps, 50);
  EXPECT_EQ(target.zoomFactor, 3.0);
  EXPECT_EQ(target.fitMargin, 0.25);
  EXPECT_EQ(target.viewportPercent, 95);
  EXPECT_EQ(target.range, source.range);
  ASSERT_EQ(target.GraphCount(), 2);
  EXPECT_EQ(target.Graph(0).Label(), "y = x^2");
  // Copying a range is not a range edit: the domains stay.
  EXPECT_EQ(target.Graph(0).DomainMin(), -3.0);
}

}  // namespace
}  // namespace orvella
