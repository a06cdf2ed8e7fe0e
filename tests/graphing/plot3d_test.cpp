// The 3-D plot: adding and replacing graphs by label, which graph is current, taking graphs
// out, copying the drawing options; and its defaults and the graph template read from and
// written to the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <numbers>
#include <string>

#include "graphing/plot3d.h"
#include "graphing/plot3d_defaults.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/screen_metrics.h"

namespace orvella {
namespace {

std::unique_ptr<CGraph3D> GraphOf(const std::string& expression) {
  auto graph = std::make_unique<CGraph3D>();
  graph->SetExpression(expression);
  return graph;
}

// A plot of three graphs: z = x, z = y, z = x*y.
class Plot3DTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* expression : {"x", "y", "x*y"}) plot_.AddOrReplace(GraphOf(expression));
  }

  platform::ScopedPrimaryScreen screen_{{.height = 768, .verticalDpi = 96}};
  CPlot3D plot_;
};

TEST_F(Plot3DTest, AddAppendsAndTakesOwnership) {
  ASSERT_EQ(plot_.GraphCount(), 3);
  EXPECT_EQ(plot_.AddOrReplace(GraphOf("x-y")), 3);
  EXPECT_EQ(plot_.Graph(3).Label(), "z = x-y");
  EXPECT_EQ(plot_.Graph(3).Plot(), &plot_);
  EXPECT_EQ(plot_.AddOrReplace(nullptr), -1);
  EXPECT_EQ(plot_.GraphCount(), 4);
}

TEST_F(Plot3DTest, SameLabelInOtherCaseReplacesInPlace) {
  auto replacement = GraphOf("X*Y");
  const CGraph3D* added = replacement.get();
  EXPECT_EQ(plot_.AddOrReplace(std::move(replacement)), 2);
  EXPECT_EQ(plot_.GraphCount(), 3);
  EXPECT_EQ(&plot_.Graph(2), added);
  EXPECT_EQ(plot_.Graph(2).Expression(), "X*Y");
}

TEST_F(Plot3DTest, FindGraphIgnoresCase) {
  EXPECT_EQ(plot_.FindGraph("Z = Y"), 1);
  EXPECT_EQ(plot_.FindGraph("z = x*y"), 2);
  EXPECT_EQ(plot_.FindGraph("z = y*x"), -1);
  EXPECT_EQ(plot_.FindGraph("y"), -1);
}

TEST_F(Plot3DTest, CurrentGraphFallsBackToTheFirst) {
  struct Case {
    int current;
    int expected;
  };
  for (const Case c : {Case{-1, 0}, Case{1, 1}, Case{2, 2}, Case{3, 0}, Case{-7, 0}}) {
    plot_.SetCurrent(c.current);
    EXPECT_EQ(plot_.CurrentGraph(), &plot_.Graph(c.expected)) << c.current;
    EXPECT_EQ(plot_.Current(), c.current);
  }
  plot_.DeleteGraphs();
  EXPECT_EQ(plot_.GraphCount(), 0);
  EXPECT_EQ(plot_.Current(), -1);
  EXPECT_EQ(plot_.CurrentGraph(), nullptr);
  EXPECT_EQ(std::as_const(plot_).CurrentGraph(), nullptr);
}

TEST_F(Plot3DTest, TakingAGraphKeepsTheCurrentOne) {
  plot_.SetCurrent(2);
  std::unique_ptr<CGraph3D> taken = plot_.TakeGraph(0);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->Label(), "z = x");
  EXPECT_EQ(taken->Plot(), nullptr);
  EXPECT_EQ(plot_.CurrentGraph()->Label(), "z = x*y");

  plot_.DeleteGraph(plot_.Current());
  EXPECT_EQ(plot_.Current(), -1);
  EXPECT_EQ(plot_.GraphCount(), 1);
  EXPECT_EQ(plot_.TakeGraph(1), nullptr);
  EXPECT_EQ(plot_.TakeGraph(-1), nullptr);
  EXPECT_EQ(plot_.GraphCount(), 1);
}

TEST(Plot3DDefaultsTest, NewPlotHasTheDefaultOptions) {
  const CPlot3D plot;
  EXPECT_EQ(plot.GraphCount(), 0);
  EXPECT_EQ(plot.Current(), -1);
  EXPECT_EQ(plot.Engine(), nullptr);
  EXPECT_EQ(plot.windowRect, (PixelRect{0, 0, 800, 600}));
  EXPECT_EQ(plot.axisType, AxisType3D::kFramed);
  EXPECT_FALSE(plot.boxed);
  EXPECT_TRUE(plot.showTicks && plot.showTickLabels && plot.showAxisLabels);
  EXPECT_EQ(plot.backColour, 0xffffff);
  EXPECT_EQ(plot.viewportSize, 80);
  EXPECT_EQ(plot.ambientLight, 20);
  EXPECT_EQ(plot.views, 1);
  EXPECT_DOUBLE_EQ(plot.deltaTheta, std::numbers::pi / 12);
  EXPECT_DOUBLE_EQ(plot.deltaPhi, std::numbers::pi / 12);
  EXPECT_EQ(plot.deltaMu, 1000);
  EXPECT_EQ(plot.axisLabel.Style(), kPenSolid);
  EXPECT_EQ(plot.axisLabel.Colour(), 0);
  EXPECT_EQ(plot.axisLabel.Width(), 1);
}

// Every option differs from a new plot's.
void ChangeEveryOption(CPlot3D& plot) {
  plot.ambientLight = 55;
  plot.axisLabel.SetColour(0x0000ff);
  plot.axisLabel.SetStyle(kPenDot);
  plot.axisLabel.SetWidth(3);
  plot.axisLabel.textColour = 0x00ff00;
  plot.axisLabel.font.height = -20;
  plot.axisType = AxisType3D::kNone;
  plot.backColour = 0x101010;
  plot.boxed = true;
  plot.showAxisLabels = false;
  plot.showTickLabels = false;
  plot.showTicks = false;
  plot.deltaMu = 5;
  plot.deltaPhi = 0.125;
  plot.deltaTheta = 0.375;
  plot.views = 4;
  plot.viewportSize = 60;
}

TEST_F(Plot3DTest, CopySettingsCopiesTheOptionsOnly) {
  CPlot3D from;
  ChangeEveryOption(from);
  from.AddOrReplace(GraphOf("1"));
  from.windowRect = {0, 0, 10, 10};
  from.SetCurrent(0);
  plot_.SetCurrent(2);

  plot_.CopySettings(from);
  EXPECT_EQ(plot_.ambientLight, 55);
  EXPECT_EQ(plot_.axisLabel.Colour(), 0x0000ff);
  EXPECT_EQ(plot_.axisLabel.Style(), kPenDot);
  EXPECT_EQ(plot_.axisLabel.Width(), 3);
  EXPECT_EQ(plot_.axisLabel.textColour, 0x00ff00);
  EXPECT_EQ(plot_.axisLabel.font.height, -20);
  EXPECT_EQ(plot_.axisType, AxisType3D::kNone);
  EXPECT_EQ(plot_.backColour, 0x101010);
  EXPECT_TRUE(plot_.boxed);
  EXPECT_FALSE(plot_.showAxisLabels || plot_.showTickLabels || plot_.showTicks);
  EXPECT_EQ(plot_.deltaMu, 5);
  EXPECT_EQ(plot_.deltaPhi, 0.125);
  EXPECT_EQ(plot_.deltaTheta, 0.375);
  EXPECT_EQ(plot_.views, 4);
  EXPECT_EQ(plot_.viewportSize, 60);

  EXPECT_EQ(plot_.GraphCount(), 3);
  EXPECT_EQ(plot_.Graph(0).Plot(), &plot_);
  EXPECT_EQ(plot_.windowRect, (PixelRect{0, 0, 800, 600}));
  EXPECT_EQ(plot_.Current(), 2);
}

TEST(Plot3DSettingsTest, EmptyStoreGivesTheDefaults) {
  const platform::ScopedPrimaryScreen screen({.height = 768, .verticalDpi = 96});
  const platform::MemorySettingsStore store;

  CPlot3D plot;
  ChangeEveryOption(plot);
  ReadPlot3DDefaults(store, plot);
  const CPlot3D fresh;
  EXPECT_EQ(plot.axisType, fresh.axisType);
  EXPECT_EQ(plot.boxed, fresh.boxed);
  EXPECT_EQ(plot.showTicks, fresh.showTicks);
  EXPECT_EQ(plot.axisLabel.Style(), fresh.axisLabel.Style());
  EXPECT_EQ(plot.axisLabel.Colour(), fresh.axisLabel.Colour());
  EXPECT_EQ(plot.axisLabel.Width(), fresh.axisLabel.Width());
  EXPECT_EQ(plot.viewportSize, 80);
  EXPECT_EQ(plot.ambientLight, 20);
  EXPECT_EQ(plot.views, 1);
  EXPECT_DOUBLE_EQ(plot.deltaTheta, std::numbers::pi / 12);
  EXPECT_DOUBLE_EQ(plot.deltaPhi, std::numbers::pi / 12);
  EXPECT_EQ(plot.deltaMu, 1000);

  CGraph3D graph;
  ReadGraph3DTemplate(store, graph);
  EXPECT_EQ(graph.Resolution(), 60);
  EXPECT_EQ(graph.Rows(), 63);
  EXPECT_EQ(graph.FillStyle(), kFillLitWithGrid);
  EXPECT_EQ(graph.XMin(), -3);
  EXPECT_EQ(graph.ZMax(), 3);
  EXPECT_TRUE(graph.AutoSize());
  EXPECT_EQ(graph.Colour(), 0);
  EXPECT_EQ(graph.FillColour(), 0xff0000);
  EXPECT_EQ(graph.LightColour(), 0xffffff);
  EXPECT_DOUBLE_EQ(graph.ViewTheta(), std::numbers::pi / 3);
  EXPECT_DOUBLE_EQ(graph.LightPhi(), std::numbers::pi / 3);
  EXPECT_EQ(graph.ViewMu(), 1000);
  EXPECT_EQ(graph.LightMu(), 1000);
}

TEST(Plot3DSettingsTest, DisorderedStoredPairsLeaveTheTemplatesOwn) {
  platform::MemorySettingsStore store;
  store.WriteDouble(kGraph3DDefSection, "xmin", 5);
  store.WriteDouble(kGraph3DDefSection, "xmax", 1);
  store.WriteDouble(kGraph3DDefSection, "ymin", 2);
  store.WriteDouble(kGraph3DDefSection, "ymax", 2);
  store.WriteDouble(kGraph3DDefSection, "zmin", -1);
  store.WriteDouble(kGraph3DDefSection, "zmax", 1);

  CGraph3D graph;
  graph.SetXRange(-2, 2);
  ReadGraph3DTemplate(store, graph);
  EXPECT_EQ(graph.XMin(), -2);
  EXPECT_EQ(graph.XMax(), 2);
  EXPECT_EQ(graph.YMin(), -3);
  EXPECT_EQ(graph.YMax(), 3);
  EXPECT_EQ(graph.ZMin(), -1);
  EXPECT_EQ(graph.ZMax(), 1);
}

TEST(Plot3DSettingsTest, OutOfRangeStoredNumbersReadAsUsable) {
  using Reading = std::int32_t (*)(const CPlot3D&, const CGraph3D&);
  struct Case {
    const char* section;
    const char* name;
    std::int32_t stored;
    std::int32_t read;
    Reading value;
  };
  const Reading axisType = [](const CPlot3D& p, const CGraph3D&) {
    return static_cast<std::int32_t>(p.axisType);
  };
  const Reading viewport = [](const CPlot3D& p, const CGraph3D&) { return p.viewportSize; };
  const Reading views = [](const CPlot3D& p, const CGraph3D&) { return p.views; };
  const Reading ambient = [](const CPlot3D& p, const CGraph3D&) { return p.ambientLight; };
  const Reading style = [](const CPlot3D&, const CGraph3D& g) { return g.FillStyle(); };
  const Reading resolution = [](const CPlot3D&, const CGraph3D& g) {
    return static_cast<std::int32_t>(g.Resolution());
  };
  const Case cases[] = {
      {"Plot3DDef", "AxisType", 7, 1, axisType},
      {"Plot3DDef", "AxisType", 2, 2, axisType},
      {"Plot3DDef", "ViewportSize", 0, 80, viewport},
      {"Plot3DDef", "ViewportSize", 101, 80, viewport},
      {"Plot3DDef", "ViewportSize", 100, 100, viewport},
      {"Plot3DDef", "Views", 0, 1, views},
      {"Plot3DDef", "Views", 3, 3, views},
      {"Plot3DDef", "AmbientLight", 250, 100, ambient},
      {"Graph3DDef", "GridFillStyle", 9, 4, style},
      {"Graph3DDef", "GridFillStyle", 0, 0, style},
      {"Graph3DDef", "GridResolution", 150, 100, resolution},
  };
  for (const Case& c : cases) {
    platform::MemorySettingsStore store;
    store.WriteInt(c.section, c.name, c.stored);
    CPlot3D plot;
    CGraph3D graph;
    ReadPlot3DDefaults(store, plot);
    ReadGraph3DTemplate(store, graph);
    EXPECT_EQ(c.value(plot, graph), c.read) << c.name << " = " << c.stored;
  }
}

TEST(Plot3DSettingsTest, WrittenValuesReadBack) {
  const platform::ScopedPrimaryScreen screen({.height = 768, .verticalDpi = 96});
  platform::MemorySettingsStore store;

  CPlot3D plot;
  ChangeEveryOption(plot);
  WritePlot3DDefaults(store, plot);
  CPlot3D read;
  ReadPlot3DDefaults(store, read);
  EXPECT_EQ(read.axisType, AxisType3D::kNone);
  EXPECT_TRUE(read.boxed);
  EXPECT_FALSE(read.showTicks || read.showTickLabels || read.showAxisLabels);
  EXPECT_EQ(read.axisLabel.Style(), kPenDot);
  EXPECT_EQ(read.axisLabel.Colour(), 0x0000ff);
  EXPECT_EQ(read.axisLabel.Width(), 3);
  EXPECT_EQ(read.backColour, 0x101010);
  EXPECT_EQ(read.viewportSize, 60);
  EXPECT_EQ(read.ambientLight, 55);
  EXPECT_EQ(read.views, 4);
  EXPECT_EQ(read.deltaTheta, 0.375);
  EXPECT_EQ(read.deltaPhi, 0.125);
  EXPECT_EQ(read.deltaMu, 5);
  // The stored kinds other programs of the suite read: the series steps are doubles.
  EXPECT_EQ(store.ReadDouble(kPlot3DDefSection, "DeltaMu", 0), 5);
  EXPECT_EQ(store.ReadInt(kPlot3DDefSection, "Views", 0), 4);

  CGraph3D graph;
  graph.SetXRange(-1, 2);
  graph.SetYRange(-5, -4);
  graph.SetZRange(0, 9);
  graph.SetAutoSize(false);
  graph.SetColour(-1);
  graph.SetFillColour(0x00aa00);
  graph.SetLightColour(0x0000aa);
  graph.SetFillStyle(kFillHiddenLine);
  graph.SetResolution(75);
  graph.SetViewTheta(0.1);
  graph.SetViewPhi(0.2);
  graph.SetViewMu(30);
  graph.SetLight(0.3, 0.4, 50);
  WriteGraph3DTemplate(store, graph);
  CGraph3D back;
  ReadGraph3DTemplate(store, back);
  EXPECT_EQ(back.XMin(), -1);
  EXPECT_EQ(back.XMax(), 2);
  EXPECT_EQ(back.YMin(), -5);
  EXPECT_EQ(back.YMax(), -4);
  EXPECT_EQ(back.ZMax(), 9);
  EXPECT_FALSE(back.AutoSize());
  EXPECT_EQ(back.Colour(), -1);
  EXPECT_EQ(back.FillColour(), 0x00aa00);
  EXPECT_EQ(back.LightColour(), 0x0000aa);
  EXPECT_EQ(back.FillStyle(), kFillHiddenLine);
  EXPECT_EQ(back.Resolution(), 75);
  EXPECT_EQ(back.Rows(), 113);
  EXPECT_EQ(back.ViewTheta(), 0.1);
  EXPECT_EQ(back.ViewPhi(), 0.2);
  EXPECT_EQ(back.ViewMu(), 30);
  EXPECT_EQ(back.LightTheta(), 0.3);
  EXPECT_EQ(back.LightPhi(), 0.4);
  EXPECT_EQ(back.LightMu(), 50);
  EXPECT_EQ(store.ReadDouble(kGraph3DDefSection, "ViewMu", 0), 30);
  EXPECT_EQ(store.ReadInt(kGraph3DDefSection, "GridResolution", 0), 75);
}

}  // namespace
}  // namespace orvella
