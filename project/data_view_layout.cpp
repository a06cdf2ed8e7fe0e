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

namespace {

// The fields in their stored order.
template <typename Layout, typename Visit>
void ForEachField(Layout& layout, Visit visit) {
  visit(layout.viewFlags);
  for (auto& size : layout.paneSize) visit(size);
  visit(layout.columnCount);
  for (auto& width : layout.columnWidth) visit(width);
}

}  // namespace

std::vector<std::uint8_t> EncodeLayout(const DataViewLayout& layout) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(sizeof(DataViewLayout));
  ForEachField(layout, [&](std::int32_t field) {
    const auto value = static_cast<std::uint32_t>(field);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back((value >> shift) & 0xff);
  });
  return bytes;
}

std::optional<DataViewLayout> DecodeLayout(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != sizeof(DataViewLayout)) return std::nullopt;
  DataViewLayout layout{};
  std::size_t at = 0;
  ForEachField(layout, [&](std::int32_t& field) {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) value |= std::uint32_t{bytes[at++]} << shift;
    field = static_cast<std::int32_t>(value);
  });
  return layout;
}

}  // namespace orvella
