#include "graphing/plot_axes.h"

namespace orvella {

namespace {

constexpr std::int32_t kDefaultGridColour = 0xe1e1e1;

}  // namespace

AxisType AxisTypeFromCode(std::int32_t code) {
  switch (code) {
    case static_cast<std::int32_t>(AxisType::kFrame):
      return AxisType::kFrame;
    case static_cast<std::int32_t>(AxisType::kNone):
      return AxisType::kNone;
    default:
      return AxisType::kNormal;
  }
}

CPlotAxes::CPlotAxes() {
  gridPen.SetStyle(kPenDot);
  gridPen.SetColour(kDefaultGridColour);
  // Defaults are not edits.
  gridPen.SetModified(false);
  gridPen.ClearAppearanceChanged();
  tickLabel.textColour = kColourBlack;
}

}  // namespace orvella
