// The project's one 3-D plot: its graphs, of which it shows one at a time, and the options
// every graph is drawn with (axes, background, ambient light, the perspective series).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "graphing/graph3d.h"
#include "graphing/graph_point.h"
#include "graphing/plot_label.h"

namespace orvella {

class CCalcEngine;

// Stored as int32.
enum class AxisType3D : std::int32_t {
  kNormal = 0,  // axes through the origin
  kFramed = 1,  // axes along edges of the box
  kNone = 2,
};

inline constexpr bool IsKnownAxisType3D(std::int32_t code) { return code >= 0 && code <= 2; }

inline constexpr double kTwelfthOfPi = 0.2617993877991494;

class CPlot3D {
 public:
  CPlot3D();
  // Graphs point back at their plot, so a plot stays where it was made.
  CPlot3D(const CPlot3D&) = delete;
  CPlot3D& operator=(const CPlot3D&) = delete;
  ~CPlot3D();

  int GraphCount() const { return static_cast<int>(graphs_.size()); }
  // 0-based; the caller checks the index against GraphCount().
  CGraph3D& Graph(int index) { return *graphs_[static_cast<std::size_t>(index)]; }
  const CGraph3D& Graph(int index) const { return *graphs_[static_cast<std::size_t>(index)]; }
  const std::vector<std::unique_ptr<CGraph3D>>& Graphs() const { return graphs_; }

  // The index of the graph with this label, compared without regard to case; -1 if none.
  int FindGraph(std::string_view label) const;
  // Takes the graph into this plot. A graph with the same label is deleted and the new one
  // takes its place; otherwise it is appended. The graph's index; -1 for no graph.
  int AddOrReplace(std::unique_ptr<CGraph3D> graph);
  // The graph at Current() when that is an index of a graph, else the first graph, else
  // none.
  CGraph3D* CurrentGraph();
  const CGraph3D* CurrentGraph() const;
  // Any number; those that are no graph's index stand for the first graph.
  void SetCurrent(int index) { current_ = index; }
  int Current() const { return current_; }
  // Removes a graph and hands it over (none for an index out of range). Current() keeps
  // naming the same graph; when that graph is the one removed it goes back to -1.
  std::unique_ptr<CGraph3D> TakeGraph(int index);
  void DeleteGraph(int index) { TakeGraph(index); }
  void DeleteGraphs();

  // The drawing options of `from` (ambient light, the axis label record, axis type,
  // background, boxed, the three show flags, the perspective series and the viewport);
  // not the graphs, the window rectangle or the current graph. A new project takes the
  // 3-D plot defaults this way.
  void CopySettings(const CPlot3D& from);

  // The engine that evaluates the graphs; borrowed from the document, never stored.
  void SetEngine(CCalcEngine* engine) { engine_ = engine; }
  CCalcEngine* Engine() const { return engine_; }

  // Set by the view on resize.
  PixelRect windowRect{0, 0, 800, 600};
  AxisType3D axisType = AxisType3D::kFramed;
  bool boxed = false;
  bool showTicks = true;
  bool showTickLabels = true;
  bool showAxisLabels = true;
  std::int32_t backColour = kColourWhite;  // also the cell fill of the hidden-line style
  std::int32_t viewportSize = 80;          // percent of the window given to the picture
  std::int32_t ambientLight = 20;          // percent, 0..100
  // The perspective series: views drawn side by side, each moved from the one before.
  std::int32_t views = 1;
  double deltaTheta = kTwelfthOfPi;  // radians per view
  double deltaPhi = kTwelfthOfPi;    // radians per view
  double deltaMu = 1000.0;           // tenths of the current distance per view
  // Its pen (solid, black, one pixel by default) draws the axes, ticks and box; its font
  // and text colour the tick labels and the axis letters (black, like the 2-D plots' texts).
  CPlotLabel axisLabel;

 private:
  bool ValidIndex(int index) const { return index >= 0 && index < GraphCount(); }

  std::vector<std::unique_ptr<CGraph3D>> graphs_;
  int current_ = -1;
  CCalcEngine* engine_ = nullptr;
};

}  // namespace orvella
