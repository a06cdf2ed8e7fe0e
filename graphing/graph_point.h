// Points and rectangles of a 2-D plot: world coordinates (the user's units) and screen
// coordinates (pixels of the plot window).
#pragma once

#include <cstdint>

namespace orvella {

// One sample of a curve: where it lies in the world and where it is drawn.
struct GraphPoint {
  double x = 0.0;
  double y = 0.0;
  std::int32_t sx = 0;
  std::int32_t sy = 0;
  // 1 when the expression could not be evaluated here; the curve breaks at such a point.
  std::int32_t invalid = 0;
};

// A rectangle in world units, minimum before maximum on each axis.
struct WorldRect {
  double xMin = 0.0;
  double xMax = 0.0;
  double yMin = 0.0;
  double yMax = 0.0;

  friend bool operator==(const WorldRect&, const WorldRect&) = default;
};

struct PixelRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace orvella
