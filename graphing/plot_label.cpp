#include "graphing/plot_label.h"

#include <algorithm>
#include <cstring>

#include "platform/screen_metrics.h"

namespace orvella {

std::string_view FontRecord::FaceName() const {
  return std::string_view(faceName.data(), strnlen(faceName.data(), faceName.size()));
}

void FontRecord::SetFaceName(std::string_view name) {
  faceName.fill('\0');
  const std::size_t length = std::min(name.size(), faceName.size() - 1);
  std::memcpy(faceName.data(), name.data(), length);
}

std::int32_t PointsToPixels(std::int32_t points, std::int32_t dpi) {
  const std::int64_t product = static_cast<std::int64_t>(points) * dpi;
  const std::int64_t half = product >= 0 ? 36 : -36;
  return static_cast<std::int32_t>((product + half) / 72);
}

FontRecord DefaultPlotFont() {
  FontRecord font;
  font.height = -PointsToPixels(8, platform::PrimaryScreen().verticalDpi);
  font.SetFaceName("Times New Roman");
  return font;
}

CPlotLabel::CPlotLabel() = default;

}  // namespace orvella
