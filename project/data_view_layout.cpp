#include "project/data_view_layout.h"

namespace orvella {

namespace {

// A pane takes about 5/11 of the screen height; the 2-D graph's plot pane and the 3-D
// graph's last pane get 1.3 times that, because the plot needs the room.
constexpr double kPaneShareOfHeight = 0.45454545454545453;
constexpr double kPlotPaneGrowth = 1.3;

struct GrownPane {
  ItemKind kind;
  int pane;
};
constexpr std::array<GrownPane, 2> kGrownPanes{{{ItemKind::Graph2D, 1}, {ItemKind::Graph3D, 3}}};

}  // namespace

DataViewLayouts StartupDataViewLayouts(std::int32_t screenHeight) {
  DataViewLayouts layouts = kBuiltInDataViewLayouts;
  const auto pane = static_cast<std::int32_t>(screenHeight * kPaneShareOfHeight);
  for (DataViewLayout& layout : layouts) layout.paneSize.fill(pane);
  for (const GrownPane& grown : kGrownPanes) {
    std::int32_t& size = layouts[ItemKindCode(grown.kind)].paneSize[grown.pane];
    size = static_cast<std::int32_t>(size * kPlotPaneGrowth);
  }
  return layouts;
}

}  // namespace orvella
