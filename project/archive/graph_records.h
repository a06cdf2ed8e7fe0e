// The stored forms of the 2-D graph records: the graph base, plot labels with their font,
// result reports, graphs, axes and plots.
#pragma once

#include "graphing/graph2d.h"
#include "graphing/plot2d.h"
#include "graphing/plot_axes.h"
#include "graphing/plot_label.h"
#include "project/archive/archive.h"
#include "worksheet/result_report.h"

namespace orvella {

void StoreGraphBase(ArchiveWriter& out, const CGraphBase& record);
void LoadGraphBase(ArchiveReader& in, CGraphBase& record);

void StorePlotLabel(ArchiveWriter& out, const CPlotLabel& label);
void LoadPlotLabel(ArchiveReader& in, CPlotLabel& label);

void StoreReport(ArchiveWriter& out, const CResultReport& report);
void LoadReport(ArchiveReader& in, CResultReport& report);

// A linked graph stores its table's current name.
void StoreGraph2D(ArchiveWriter& out, const CGraph2D& graph);
// Expressions are translated to the convention in force; a domain that is not increasing
// becomes -3 .. 3. Re-linking the table by its name is the document's part.
void LoadGraph2D(ArchiveReader& in, CGraph2D& graph);

void StoreAxes(ArchiveWriter& out, const CPlotAxes& axes);
void LoadAxes(ArchiveReader& in, CPlotAxes& axes);

void StorePlot2D(ArchiveWriter& out, const CPlot2D& plot);
// Into an emptied plot: a range that is not increasing becomes -3 .. 3 on that axis, a
// viewport share outside 1..100 becomes 100, and each graph is added as a new one is.
void LoadPlot2D(ArchiveReader& in, CPlot2D& plot);

inline constexpr std::size_t kMinGraphBaseBytes = 29;
inline constexpr std::size_t kMinPlotLabelBytes = kMinGraphBaseBytes + 1 + 16 + 12 + 60;

}  // namespace orvella
