// A 2-D plot: the graphs it owns, in drawing order, with the settings they are drawn with
// (range, sample count, zoom factor, colours, axes) and the layout of its window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "graphing/graph2d.h"
#include "graphing/graph_point.h"
#include "graphing/plot_axes.h"
#include "graphing/plot_label.h"

namespace orvella {

class CCalcEngine;

// Where the plot is drawn; recomputed by the renderer, never stored.
struct PlotLayout {
  PixelRect window;
  std::int32_t marginX = 0;
  std::int32_t marginY = 0;
  // The area that the plot range fills.
  PixelRect plot;
  // Pixels per world unit; 0 while the plot rectangle or the span is empty.
  double xScale = 0.0;
  double yScale = 0.0;
  double xSpan = 0.0;
  double ySpan = 0.0;
  // Screen position of the axes' crossing point.
  std::int32_t crossingSx = 0;
  std::int32_t crossingSy = 0;
  // Index of the last graph that failed to draw, -1 when all drew.
  int failingGraph = -1;
};

// The automatic colours, in the order the plot hands them out.
inline constexpr std::int32_t kGraphPalette[] = {
    0xff0000,  // blue
    0x00ff00,  // green
    0x0000ff,  // red
    0x00ffff,  // yellow
    0xff00ff,  // magenta
    0xffff00,  // cyan
    0x000000,  // black
};

// Samples per graph a plot may ask for: fewer draw no curve, more only cost time.
inline constexpr std::int32_t kMinPlotSteps = 10;
inline constexpr std::int32_t kMaxPlotSteps = 10000;

class CPlot2D {
 public:
  // Returns a number in 0..32767; the plot draws a colour from it once the palette is used up.
  using RandomSource = std::function<int()>;

  CPlot2D();
  CPlot2D(const CPlot2D&) = delete;
  CPlot2D& operator=(const CPlot2D&) = delete;
  ~CPlot2D();

  int GraphCount() const { return static_cast<int>(graphs_.size()); }
  // 0-based; the caller checks the index against GraphCount().
  CGraph2D& Graph(int index) { return *graphs_[index]; }
  const CGraph2D& Graph(int index) const { return *graphs_[index]; }
  const std::vector<std::unique_ptr<CGraph2D>>& Graphs() const { return graphs_; }

  // The first graph whose label equals `label` without regard to case; -1 when none does.
  // An empty label identifies no graph.
  int FindGraph(std::string_view label) const;
  // Takes the graph into the plot with its automatic appearance resolved. A graph of the
  // same label is replaced in place (and deleted); otherwise the graph is appended.
  // Returns its index; -1 for a null graph.
  int AddOrReplace(std::unique_ptr<CGraph2D> graph);
  // Resolves automatic colour, style and width against the graphs already in the plot.
  void ApplyAutomaticAppearance(CGraph2D& graph) const;
  // For tests that need a fixed choice; an empty source restores the C library's rand().
  void SetRandomSource(RandomSource source) { random_ = std::move(source); }

  // Removes the graph and hands it over; nullptr for an index out of range.
  std::unique_ptr<CGraph2D> TakeGraph(int index);
  // Out of range: ignored.
  void DeleteGraph(int index);
  void DeleteGraphs();

  // Axes, background, border, steps, zoom factor, fit margin, viewport share and range of
  // `other`; not its graphs, labels, engine or layout.
  void CopySettings(const CPlot2D& other);

  // Bounds in either order; equal bounds become [max - 1, max]. Rectangular graphs take the
  // new x range as their domain and every graph is re-mapped. A call with a non-finite
  // bound is ignored.
  void SetRange(double xMin, double xMax, double yMin, double yMax);
  // The range of the visible linked graphs' data: x as it is, y widened by fitMargin and
  // rounded outward to two significant digits. Without such a graph the range stays.
  void FitToData();
  // Scales from the current range and plot rectangle.
  void RecomputeScale();

  void SetEngine(CCalcEngine* engine) { engine_ = engine; }
  CCalcEngine* Engine() const { return engine_; }

  // Serialized; nothing in the program adds to it.
  std::vector<std::unique_ptr<CPlotLabel>> labels;
  // Share of the window used by the plot area, 1..100.
  std::int32_t viewportPercent = 80;
  // Width of a frame drawn inside the window.
  std::int32_t border = 0;
  WorldRect range{-10.0, 10.0, -10.0, 10.0};
  // The range before the first zoom; all zero when there is none.
  WorldRect savedRange;
  CPlotAxes axes;
  std::int32_t backColour = kColourWhite;
  // Samples per graph.
  std::int32_t steps = 400;
  // Zoom in divides the spans by it, zoom out multiplies them.
  double zoomFactor = 2.0;
  // Share of the y span added above and below when the range is fitted to data.
  double fitMargin = 0.1;
  // Told the index of a graph that failed to draw; may be empty.
  std::function<void(int)> onGraphFailed;

  PlotLayout layout;

 private:
  int NextRandom() const;
  bool ColourInUse(std::int32_t colour, const CGraph2D& except) const;
  void MarkAllNeedRemap();

  std::vector<std::unique_ptr<CGraph2D>> graphs_;
  CCalcEngine* engine_ = nullptr;
  RandomSource random_;
};

}  // namespace orvella
