// The settings new 2-D plots and graph templates start from: the values of an empty store,
// the rules that replace stored numbers no plot could use, the one default that differs
// between the two template sections, and a write read back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string_view>

#include "graphing/plot2d_defaults.h"
#include "platform/fake/memory_settings_store.h"

namespace orvella {
namespace {

using platform::MemorySettingsStore;

TEST(Plot2DDefaultsTest, EmptyStoreGivesTheDefaultsInBothSections) {
  const MemorySettingsStore store;
  for (std::string_view section : {kFunctionPlotSection, kDataPlotSection}) {
    CPlot2D plot;
    plot.steps = 1;
    plot.backColour = 0;
    plot.axes.boxed = true;
    plot.axes.gridPen.SetColour(0);
    plot.axes.gridPen.SetStyle(kPenSolid);
    ReadPlotDefaults(store, section, plot);
    EXPECT_EQ(plot.backColour, kColourWhite) << section;
    EXPECT_EQ(plot.steps, 400);
    EXPECT_EQ(plot.zoomFactor, 2.0);
    EXPECT_EQ(plot.range, (WorldRect{-10.0, 10.0, -10.0, 10.0}));
    const CPlotAxes& axes = plot.axes;
    EXPECT_TRUE(axes.autoTicks && axes.showTicks && axes.showGrid && axes.showArrows &&
                axes.showLabels);
    EXPECT_FALSE(axes.boxed);
    EXPECT_EQ(axes.axisPen.Colour(), kColourBlack);
    EXPECT_EQ(axes.axisPen.Style(), kPenSolid);
    EXPECT_EQ(axes.axisPen.Width(), 1);
    EXPECT_EQ(axes.gridPen.Colour(), 0xe6e6e6);
    EXPECT_EQ(axes.gridPen.Style(), kPenDot);
    EXPECT_EQ(axes.gridPen.Width(), 1);
    EXPECT_EQ(axes.xTickInterval, 1.0);
    EXPECT_EQ(axes.yTickInterval, 1.0);
    EXPECT_EQ(axes.axisType, AxisType::kNormal);
  }
}

TEST(Plot2DDefaultsTest, StoredNumbersNoPlotCouldUseReadAsUsable) {
  MemorySettingsStore store;
  const std::string_view s = kDataPlotSection;
  store.WriteInt(s, "Steps", 5);
  store.WriteInt(s, "ZoomFactor", 0);
  store.WriteInt(s, "AxisType", 3);
  store.WriteDouble(s, "XTickInterval", 0.0);
  store.WriteDouble(s, "YTickInterval", -2.0);
  store.WriteDouble(s, "xmin", NAN);
  store.WriteDouble(s, "ymin", 4.0);
  store.WriteDouble(s, "ymax", -4.0);
  CPlot2D plot;
  ReadPlotDefaults(store, s, plot);
  EXPECT_EQ(plot.steps, 10);
  EXPECT_EQ(plot.zoomFactor, 2.0);
  EXPECT_EQ(plot.axes.axisType, AxisType::kNormal);
  EXPECT_EQ(plot.axes.xTickInterval, 1.0);
  EXPECT_EQ(plot.axes.yTickInterval, 1.0);
  EXPECT_EQ(plot.range, (WorldRect{-10.0, 10.0, -4.0, 4.0}));

  store.WriteInt(s, "Steps", 20000);
  store.WriteInt(s, "ZoomFactor", -3);
  ReadPlotDefaults(store, s, plot);
  EXPECT_EQ(plot.steps, 10000);
  EXPECT_EQ(plot.zoomFactor, 2.0);
}

TEST(Plot2DDefaultsTest, WrittenPlotReadsBackInItsOwnSectionOnly) {
  CPlot2D written;
  written.backColour = 0x102030;
  written.steps = 1234;
  written.zoomFactor = 5.0;
  written.range = {-1.5, 2.5, -0.25, 8.0};
  written.axes.axisType = AxisType::kFrame;
  written.axes.autoTicks = false;
  written.axes.boxed = true;
  written.axes.axisPen.SetColour(kAutomatic);
  written.axes.gridPen.SetWidth(3);
  written.axes.xTickInterval = 0.5;
  written.axes.yTickInterval = 2.5;
  MemorySettingsStore store;
  WritePlotDefaults(store, kFunctionPlotSection, written);
  // The zoom factor is kept as a whole number; the range and intervals as doubles.
  EXPECT_EQ(store.ReadInt(kFunctionPlotSection, "ZoomFactor", 0), 5);
  EXPECT_EQ(store.ReadDouble(kFunctionPlotSection, "XTickInterval", 0.0), 0.5);

  CPlot2D read;
  ReadPlotDefaults(store, kFunctionPlotSection, read);
  EXPECT_EQ(read.backColour, 0x102030);
  EXPECT_EQ(read.steps, 1234);
  EXPECT_EQ(read.zoomFactor, 5.0);
  EXPECT_EQ(read.range, written.range);
  EXPECT_EQ(read.axes.axisType, AxisType::kFrame);
  EXPECT_FALSE(read.axes.autoTicks);
  EXPECT_TRUE(read.axes.boxed);
  EXPECT_EQ(read.axes.axisPen.Colour(), kAutomatic);
  EXPECT_EQ(read.axes.gridPen.Width(), 3);
  EXPECT_EQ(read.axes.xTickInterval, 0.5);
  EXPECT_EQ(read.axes.yTickInterval, 2.5);

  CPlot2D other;
  ReadPlotDefaults(store, kDataPlotSection, other);
  EXPECT_EQ(other.steps, 400);
}

TEST(Plot2DDefaultsTest, TemplatesDifferOnlyInTheirDefaultColour) {
  const MemorySettingsStore store;
  CGraph2D function;
  CGraph2D data;
  ReadGraphTemplate(store, kFunctionGraphSection, function);
  ReadGraphTemplate(store, kDataGraphSection, data);
  EXPECT_EQ(function.Colour(), kAutomatic);
  EXPECT_EQ(data.Colour(), kColourBlue);
  for (const CGraph2D* graph : {&function, &data}) {
    EXPECT_EQ(graph->Type(), GraphType2D::kRectangular);
    EXPECT_EQ(graph->DomainMin(), -10.0);
    EXPECT_EQ(graph->DomainMax(), 10.0);
    EXPECT_EQ(graph->Style(), kPenSolid);
    EXPECT_EQ(graph->Width(), 1);
  }
}

TEST(Plot2DDefaultsTest, TemplateDomainIsTakenOnlyWhenIncreasing) {
  struct Case {
    double min, max;
    double readMin, readMax;
  };
  const Case cases[] = {{-2, 5, -2, 5}, {5, 5, -3, 3}, {6, 1, -3, 3}, {NAN, 1, -3, 3}};
  for (const Case& c : cases) {
    MemorySettingsStore store;
    store.WriteDouble(kDataGraphSection, "Min", c.min);
    store.WriteDouble(kDataGraphSection, "Max", c.max);
    CGraph2D graph;
    ReadGraphTemplate(store, kDataGraphSection, graph);
    EXPECT_EQ(graph.DomainMin(), c.readMin) << c.min << " .. " << c.max;
    EXPECT_EQ(graph.DomainMax(), c.readMax) << c.min << " .. " << c.max;
  }
}

TEST(Plot2DDefaultsTest, TemplateWriteReadsBack) {
  CGraph2D written;
  written.Set("t", "t^2", GraphType2D::kParametric, 0.0, 4.0);
  written.SetColour(0x00ff00);
  written.SetStyle(kPenDash);
  written.SetWidth(2);
  MemorySettingsStore store;
  WriteGraphTemplate(store, kDataGraphSection, written);
  store.WriteInt(kFunctionGraphSection, "Type", 9);

  CGraph2D read;
  ReadGraphTemplate(store, kDataGraphSection, read);
  EXPECT_EQ(read.Type(), GraphType2D::kParametric);
  EXPECT_EQ(read.DomainMin(), 0.0);
  EXPECT_EQ(read.DomainMax(), 4.0);
  EXPECT_EQ(read.Colour(), 0x00ff00);
  EXPECT_EQ(read.Style(), kPenDash);
  EXPECT_EQ(read.Width(), 2);

  CGraph2D unknownType;
  ReadGraphTemplate(store, kFunctionGraphSection, unknownType);
  EXPECT_EQ(unknownType.Type(), GraphType2D::kRectangular);
}

}  // namespace
}  // namespace orvella
