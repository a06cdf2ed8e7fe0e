// The plain geometry records of a 3-D surface: a point in space, one axis with its ticks,
// and one mesh sample (or box corner) through every stage of the renderer. Fields are in
// the order the project file stores them.
#pragma once

#include <cstdint>

namespace orvella {

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  friend bool operator==(const Point3&, const Point3&) = default;
};

// min and max follow the domain and range at each projection; the rest is recomputed
// whenever the axes are drawn.
struct Axis3D {
  double min = -3.0;
  double max = 3.0;
  double span = 0.0;        // max - min
  double tickLength = 0.0;  // 1 % of span
  double tickStep = 0.0;    // span / (tickCount - 1)
  std::int32_t tickCount = 5;
  Point3 start;
  Point3 end;

  friend bool operator==(const Axis3D&, const Axis3D&) = default;
};

struct SurfacePoint {
  // World coordinates relative to the centre of the box.
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  // In the view plane, before the perspective division.
  double xv = 0.0;
  double yv = 0.0;
  double depth = 0.0;  // distance from the viewer's plane
  // After the perspective division.
  double px = 0.0;
  double py = 0.0;
  // Pixels.
  std::int32_t sx = 0;
  std::int32_t sy = 0;
  std::int32_t colour = 0;   // shaded colour, 0x00BBGGRR
  std::int32_t invalid = 0;  // 1 when the expression failed at this sample
};

}  // namespace orvella
