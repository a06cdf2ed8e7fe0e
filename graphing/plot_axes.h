// The axes of a 2-D plot: where they cross, their pen, ticks, grid, arrows and the font
// of every text the plot draws.
#pragma once

#include <array>
#include <cstdint>

#include "graphing/graph_base.h"
#include "graphing/plot_label.h"

namespace orvella {

// Stored as int32; the codes are those of the stored files (2 and 3 were never used).
enum class AxisType : std::int32_t {
  kNormal = 0,  // the axes cross at the origin
  kFrame = 1,   // the axes run along the left and bottom edges
  kNone = 4,    // no axes, ticks, labels or grid
};

// An unknown stored code draws as kNormal rather than as something undefined.
AxisType AxisTypeFromCode(std::int32_t code);

struct ArrowSize {
  std::int32_t length = 5;
  std::int32_t halfWidth = 3;
};

struct WorldPoint {
  double x = 0.0;
  double y = 0.0;
};

class CPlotAxes {
 public:
  CPlotAxes();

  AxisType axisType = AxisType::kNormal;
  CGraphBase axisPen;
  // Tick spacing in world units; recomputed at every draw while autoTicks is on.
  double xTickInterval = 1.0;
  double yTickInterval = 1.0;
  std::int32_t xTickHalfLength = 2;
  std::int32_t yTickHalfLength = 2;
  bool autoTicks = true;
  bool showTicks = true;
  // Where the axes cross, computed at draw time.
  WorldPoint crossing;
  CGraphBase gridPen;
  bool showGrid = true;
  bool boxed = false;
  bool showArrows = true;
  ArrowSize arrowX;
  ArrowSize arrowY;
  bool showAxisNames = true;
  bool showLabels = true;
  // Font and colour of all plot texts.
  CPlotLabel tickLabel;
  // Stored and loaded with the axes; never drawn.
  std::array<CPlotLabel, 3> spareLabels;
};

}  // namespace orvella
