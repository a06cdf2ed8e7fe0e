// The surface part of a 3-D graph: domain and z range, viewpoint, light, drawing style and
// the work the renderer keeps between drawings. The setters decide what must be recomputed
// through four need-flags, so that rotating a large surface never re-evaluates it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "graphing/axis3d.h"
#include "graphing/graph_base.h"
#include "graphing/graph_point.h"

namespace orvella {

class CPlot3D;

// Drawing styles, stored as int32.
inline constexpr std::int32_t kFillWireframe = 0;
inline constexpr std::int32_t kFillHiddenLine = 1;
inline constexpr std::int32_t kFillSolidWithGrid = 2;
inline constexpr std::int32_t kFillSolidWithoutGrid = 3;
inline constexpr std::int32_t kFillLitWithGrid = 4;
inline constexpr std::int32_t kFillLitWithoutGrid = 5;

struct FillStyleName {
  std::int32_t value;
  std::string_view dialogName;  // the graph dialog's drop-down list
  std::string_view menuName;    // the Style menu of the 3-D plot
};

inline constexpr FillStyleName kFillStyleNames[] = {
    {kFillWireframe, "Wire frame", "Wireframe"},
    {kFillHiddenLine, "Wire frame without hidden line", "Hidden Line"},
    {kFillSolidWithGrid, "Solid with grid", "Solid with grid"},
    {kFillSolidWithoutGrid, "Solid without grid", "Solid without grid"},
    {kFillLitWithGrid, "Light gradient with grid", "Light gradient with grid"},
    {kFillLitWithoutGrid, "Light gradient without grid", "Light gradient without grid"},
};

inline constexpr bool IsKnownFillStyle(std::int32_t style) {
  return style >= kFillWireframe && style <= kFillLitWithoutGrid;
}

inline constexpr double kThirdOfPi = 1.0471975511965976;

class CSurface3D : public CGraphBase {
 public:
  CSurface3D() = default;
  // A surface belongs to one plot and may hold a large mesh: it is never copied by
  // accident (CGraph3D::CopyFrom copies what the user chose).
  CSurface3D(const CSurface3D&) = delete;
  CSurface3D& operator=(const CSurface3D&) = delete;
  ~CSurface3D() override;

  std::int32_t ItemType() const override { return kRecordSurface3D; }

  // The owning plot: background, ambient light, axis pen and font come from it.
  CPlot3D* Plot() const { return plot_; }
  void SetPlot(CPlot3D* plot) { plot_ = plot; }

  // Each setter below ignores non-finite numbers, changes nothing when the value is the
  // current one (doubles within the tolerance of SameValue), and otherwise stores it, sets
  // modified and raises the flag named.
  //
  // Ignored unless min < max; the centre of that axis becomes the midpoint. needMesh.
  void SetXRange(double min, double max);
  void SetYRange(double min, double max);
  void SetZRange(double min, double max);
  // needMesh.
  void SetAutoSize(bool on);
  // needShading; a style is not a change of the project, so modified stays as it is.
  // Values outside 0..5 are ignored.
  void SetFillStyle(std::int32_t style);
  // needProjection. No range check: the viewpoint may go round any number of times.
  void SetViewTheta(double radians);
  void SetViewPhi(double radians);
  void SetViewMu(double distance);
  // needShading; all three are replaced when any of them differs.
  void SetLight(double theta, double phi, double mu);
  // needShading.
  void SetLightColour(std::int32_t colour);
  // needScreenMap. The view sets it on every resize, so it neither marks the project
  // modified nor is it stored.
  void SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

  // The z range found by evaluation with autoSize on. It follows from the data, so it
  // raises no flag and leaves modified alone; min == max (a constant surface) is allowed.
  void SetFittedZRange(double min, double max);

  double XMin() const { return xmin_; }
  double XMax() const { return xmax_; }
  double YMin() const { return ymin_; }
  double YMax() const { return ymax_; }
  double ZMin() const { return zmin_; }
  double ZMax() const { return zmax_; }
  double XCentre() const { return xc_; }
  double YCentre() const { return yc_; }
  double ZCentre() const { return zc_; }
  bool AutoSize() const { return autoSize_ != 0; }
  std::int32_t FillStyle() const { return fillStyle_; }
  double ViewTheta() const { return viewTheta_; }
  double ViewPhi() const { return viewPhi_; }
  double ViewMu() const { return viewMu_; }
  double LightTheta() const { return lightTheta_; }
  double LightPhi() const { return lightPhi_; }
  double LightMu() const { return lightMu_; }
  std::int32_t LightColour() const { return lightColour_; }
  const PixelRect& Rect() const { return rect_; }

  // The diagonal of the bounding box; the projection menu sets distances in units of it.
  double BoxDiagonal() const;

  // Mesh size; -1 until a resolution is set, rows == columns after that.
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  bool HasMesh() const { return !mesh_.empty(); }
  // Allocates rows x columns samples when the mesh is absent and the size is known.
  void AllocateMesh();
  // Row i runs along x, column j along y; the caller keeps within Rows() x Columns() of an
  // allocated mesh.
  SurfacePoint& Sample(int row, int column) { return mesh_[Index(row, column)]; }
  const SurfacePoint& Sample(int row, int column) const { return mesh_[Index(row, column)]; }

  bool NeedMesh() const { return needMesh_; }
  bool NeedProjection() const { return needProjection_; }
  bool NeedScreenMap() const { return needScreenMap_; }
  bool NeedShading() const { return needShading_; }
  // For the renderer, as each stage completes. Every later stage was built on what this
  // stage replaced, so clearing a flag raises the flags of the stages after it: evaluation
  // stales projection, pixel mapping and shading; projection stales the last two.
  void ClearNeedMesh();
  void ClearNeedProjection();
  void ClearNeedScreenMap() { needScreenMap_ = false; }
  void ClearNeedShading() { needShading_ = false; }

  // Stored and loaded; always 1.
  std::int32_t autoFit = 1;
  Axis3D xAxis;
  Axis3D yAxis;
  Axis3D zAxis;

  // Renderer work, rebuilt at each projection or drawing and never stored.
  std::vector<std::array<SurfacePoint, 4>> faces;  // the six faces of the box
  std::array<SurfacePoint, 8> corners{};
  double pxMin = 0.0;
  double pxMax = 0.0;
  double pyMin = 0.0;
  double pyMax = 0.0;
  double scaleX = 0.0;
  double scaleY = 0.0;

 protected:
  // Frees the mesh and sets rows = columns = size; needMesh. Modified is the caller's.
  void SetMeshSize(int size);
  // For changes of a derived record that the mesh depends on.
  void RaiseNeedMesh() { needMesh_ = true; }

 private:
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
  }
  // The common end of every setter that changes a stored value.
  void Changed(bool& flag);

  CPlot3D* plot_ = nullptr;
  std::vector<SurfacePoint> mesh_;
  int rows_ = -1;
  int columns_ = -1;
  double viewTheta_ = kThirdOfPi;
  double viewPhi_ = kThirdOfPi;
  double viewMu_ = 1000.0;
  double lightTheta_ = kThirdOfPi;
  double lightPhi_ = kThirdOfPi;
  double lightMu_ = 1000.0;
  std::int32_t lightColour_ = kColourWhite;
  double xmin_ = -3.0;
  double xmax_ = 3.0;
  double ymin_ = -3.0;
  double ymax_ = 3.0;
  double zmin_ = -3.0;
  double zmax_ = 3.0;
  double xc_ = 0.0;
  double yc_ = 0.0;
  double zc_ = 0.0;
  PixelRect rect_{0, 0, 500, 300};
  std::int32_t autoSize_ = 1;
  std::int32_t fillStyle_ = kFillLitWithoutGrid;
  bool needMesh_ = true;
  bool needProjection_ = true;
  bool needScreenMap_ = true;
  bool needShading_ = true;
};

// The tolerance of every double setter: equal within 1e-8 of the larger magnitude. Relative
// rather than absolute, so that a domain of very small numbers can still be set, while the
// rounding of a degrees-to-radians round trip never counts as a change.
bool SameValue(double a, double b);

}  // namespace orvella
