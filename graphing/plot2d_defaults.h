// The settings that new 2-D plots and new 2-D graphs start from: the function plot and the
// data plot keep the same values in two sections, as do the function-graph and data-graph
// templates.
#pragma once

#include <string_view>

#include "graphing/graph2d.h"
#include "graphing/plot2d.h"
#include "platform/settings_store.h"

namespace orvella {

inline constexpr std::string_view kFunctionPlotSection = "Plot2DDef";
inline constexpr std::string_view kDataPlotSection = "PlotDataDef";
inline constexpr std::string_view kFunctionGraphSection = "Graph2DDef";
inline constexpr std::string_view kDataGraphSection = "DataGraphDef";

// Both option pages: range, steps, zoom factor, background, axes, ticks and grid. Stored
// numbers outside their rules read as defaults (steps clamped to 10..10000, a zoom factor
// below 1 as 2, a tick interval that is not positive as 1, a non-finite double as its
// default, an unknown axis type as Normal). The range is set through SetRange, which
// puts it in order and moves the domains of rectangular graphs already in the plot.
void ReadPlotDefaults(const platform::SettingsStore& store, std::string_view section,
                      CPlot2D& plot);
void WritePlotDefaults(platform::SettingsStore& store, std::string_view section,
                       const CPlot2D& plot);

// Type, domain, colour, style and width. The domain is taken only when Min < Max; an
// unknown type reads as Rectangular. Colour defaults to automatic for function graphs and
// to blue for data graphs.
void ReadGraphTemplate(const platform::SettingsStore& store, std::string_view section,
                       CGraph2D& graph);
void WriteGraphTemplate(platform::SettingsStore& store, std::string_view section,
                        const CGraph2D& graph);

}  // namespace orvella
