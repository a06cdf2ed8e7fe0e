// A 3-D graph: a surface z = f(x, y) given by an expression in the bound variables x and y,
// sampled on a square mesh whose size follows the grid resolution and the screen height.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "graphing/surface3d.h"

namespace orvella {

inline constexpr const char* kDefaultSurfaceExpression = "(2-y^2+x^2)*exp(1-x^2-y^2/4)";
inline constexpr int kDefaultResolution = 50;
inline constexpr int kMaxResolution = 100;
// Keeps the mesh bounded on a very tall screen, where the formula would ask for a mesh of
// billions of samples; real screens up to about 6000 pixels high stay below it.
inline constexpr int kMaxMeshSize = 2048;

// Samples per side for a resolution of 0..100: from 10 at 0 up to a third of the screen
// height at 100, growing with the cube of the resolution so that the slider is fine at the
// low end, where most surfaces are drawn.
int MeshSizeForResolution(int resolution, std::int32_t screenHeight);

class CGraph3D : public CSurface3D {
 public:
  // The mesh size of the default resolution is applied at once, so that every graph is
  // drawable from the start and rows == columns always agrees with the resolution; the
  // graph starts unmodified.
  CGraph3D();

  std::int32_t ItemType() const override { return kRecordGraph3D; }

  const std::string& Expression() const { return expression_; }
  // A text that differs only in letter case is no change. needMesh.
  void SetExpression(std::string_view text);

  int Resolution() const { return resolution_; }
  // Clamps r to 0..100. When the mesh size for it (on the primary screen) differs from the
  // current one, the mesh is freed, the size replaced and needMesh raised. Modified is set
  // when the resolution or the size changed.
  void SetResolution(int r);

  // Shown in the project explorer; graphs are found and replaced by it.
  std::string Label() const;

  // What the user chose for `other` (domain, ranges, autoSize, line, fill and light colours,
  // light, view, style, resolution, expression), applied through the setters so the flags
  // say what must be recomputed. Used to make a new graph from the template.
  void CopyFrom(const CGraph3D& other);

  // Stored and loaded, never used.
  std::string spareText1;
  std::string spareText2;
  std::int32_t spare = 0;
  // The graph's own reserved value, distinct from the one of the base record.
  std::int32_t graphReserved = 0;

 private:
  std::string expression_ = kDefaultSurfaceExpression;
  int resolution_ = kDefaultResolution;
};

}  // namespace orvella
