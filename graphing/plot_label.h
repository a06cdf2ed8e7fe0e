// A text drawn on a plot, with its font and colour. The axes use one for the tick labels
// (the font of every plot text) and the 3-D plot one for its axes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "graphing/graph_base.h"

namespace orvella {

// A font description in the 60-byte layout the project file stores: five int32, eight
// bytes of flags, then a zero-padded face name of at most 31 bytes.
struct FontRecord {
  std::int32_t height = 0;  // negative: character height in pixels
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 400;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 1;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::array<char, 32> faceName{};

  std::string_view FaceName() const;
  // Longer names are cut to 31 bytes so the record keeps its terminating zero.
  void SetFaceName(std::string_view name);

  friend bool operator==(const FontRecord&, const FontRecord&) = default;
};
static_assert(sizeof(FontRecord) == 60);

// The plots' text font: Times New Roman, 8 points on the primary screen, normal weight.
FontRecord DefaultPlotFont();

// Pixel height of a font of `points` on a screen of `dpi` dots per inch, rounded half away
// from zero as the platform's fixed-point scaling does.
std::int32_t PointsToPixels(std::int32_t points, std::int32_t dpi);

struct LabelPosition {
  double x = 0.0;
  double y = 0.0;
};

class CPlotLabel : public CGraphBase {
 public:
  CPlotLabel();

  std::int32_t ItemType() const override { return kRecordPlotLabel; }

  std::string text;
  FontRecord font = DefaultPlotFont();
  LabelPosition position;
  // Stored and loaded as they are; nothing else reads them.
  std::int32_t spare1 = 0;
  std::int32_t spare2 = 0;
  std::int32_t textColour = kColourBlue;
};

}  // namespace orvella
