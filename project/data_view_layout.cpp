#include "project/data_view_layout.h"

#include "platform/little_endian.h"

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
  std::vector<std::uint8_t> bytes(sizeof(DataViewLayout));
  std::size_t at = 0;
  ForEachField(layout, [&](std::int32_t field) {
    platform::StoreLittleEndian(static_cast<std::uint32_t>(field), bytes.data() + at);
    at += sizeof(field);
  });
  return bytes;
}

std::optional<DataViewLayout> DecodeLayout(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != sizeof(DataViewLayout)) return std::nullopt;
  DataViewLayout layout{};
  std::size_t at = 0;
  ForEachField(layout, [&](std::int32_t& field) {
    field = static_cast<std::int32_t>(platform::LoadLittleEndian<std::uint32_t>(bytes.data() + at));
    at += sizeof(field);
  });
  return layout;
}

}  // namespace orvella
