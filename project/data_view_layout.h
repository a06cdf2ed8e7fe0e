// How the data window is split for each selectable kind: which views show, their pane
// sizes and the grid's column widths. One record per kind 0..15 is kept in the registry.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "project/item_kind.h"

namespace orvella {

// viewFlags bits.
inline constexpr std::int32_t kView2DPlot = 0x1;
inline constexpr std::int32_t kView3DPlot = 0x2;
inline constexpr std::int32_t kViewWorkspace = 0x4;
inline constexpr std::int32_t kViewGrid = 0x8;

// Stored as eleven int32 in this order, so no field may be added or reordered.
struct DataViewLayout {
  std::int32_t viewFlags;
  std::array<std::int32_t, 4> paneSize;
  std::int32_t columnCount;
  std::array<std::int32_t, 5> columnWidth;  // only the first columnCount are meaningful

  friend constexpr bool operator==(const DataViewLayout&, const DataViewLayout&) = default;
};
static_assert(sizeof(DataViewLayout) == 44);

// Every kind but None has a layout.
inline constexpr int kDataViewLayoutCount = 16;
using DataViewLayouts = std::array<DataViewLayout, kDataViewLayoutCount>;

// The layouts before the screen is known; index = kind code. The pane sizes are
// placeholders that StartupDataViewLayouts replaces.
inline constexpr DataViewLayouts kBuiltInDataViewLayouts{{
    {9, {400, 400, 400, 400}, 3, {100, 100, 100, 100, 300}},
    {12, {400, 400, 400, 400}, 1, {100, 100, 300, 4, 5}},
    {12, {400, 400, 400, 400}, 0, {100, 2, 3, 4, 5}},
    {9, {400, 65, 35, 400}, 2, {100, 300, 300, 4, 5}},
    {9, {400, 400, 400, 400}, 2, {150, 300, 3, 4, 5}},
    {12, {400, 400, 400, 400}, 2, {100, 300, 3, 4, 5}},
    {12, {400, 400, 400, 400}, 3, {100, 300, 300, 4, 5}},
    {12, {400, 400, 400, 400}, 4, {300, 100, 100, 100, 5}},
    {12, {400, 400, 400, 400}, 2, {300, 300, 3, 4, 5}},
    {12, {400, 400, 400, 400}, 3, {100, 100, 300, 4, 5}},
    {12, {400, 400, 400, 400}, 2, {300, 300, 3, 4, 5}},
    {12, {400, 400, 400, 400}, 5, {100, 250, 100, 100, 100}},
    {12, {400, 400, 400, 400}, 4, {300, 100, 100, 100, 5}},
    {12, {400, 400, 400, 400}, 3, {100, 300, 300, 4, 5}},
    {12, {400, 400, 400, 400}, 3, {100, 100, 300, 4, 5}},
    {10, {400, 400, 400, 400}, 5, {100, 300, 100, 100, 300}},
}};

// The built-in layouts with the pane sizes fitted to a screen `screenHeight` pixels high;
// the program starts from these before the registry is read.
DataViewLayouts StartupDataViewLayouts(std::int32_t screenHeight);

// A layout in its stored form, eleven little-endian int32, and back; bytes of another
// length decode to nothing.
std::vector<std::uint8_t> EncodeLayout(const DataViewLayout& layout);
std::optional<DataViewLayout> DecodeLayout(const std::vector<std::uint8_t>& bytes);

}  // namespace orvella
