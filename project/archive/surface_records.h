// The stored forms of the 3-D records: a surface graph (its surface part and its own
// fields) and the 3-D plot with its graphs.
#pragma once

#include "graphing/graph3d.h"
#include "graphing/plot3d.h"
#include "project/archive/archive.h"

namespace orvella {

void StoreGraph3D(ArchiveWriter& out, const CGraph3D& graph);
// Through the graph's setters, so that a stored value the setters refuse (a range that is
// not increasing, an unknown style) leaves the default, and the resolution sets the mesh
// size. The expression is translated to the convention in force.
void LoadGraph3D(ArchiveReader& in, CGraph3D& graph);

void StorePlot3D(ArchiveWriter& out, const CPlot3D& plot);
// Into an emptied plot; each graph is added as soon as it has been read.
void LoadPlot3D(ArchiveReader& in, CPlot3D& plot);

}  // namespace orvella
