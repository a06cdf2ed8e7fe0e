#include "graphing/surface3d.h"

#include <algorithm>
#include <cmath>

namespace orvella {

namespace {

constexpr double kTolerance = 1e-8;

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

// The setters' rule for a domain or range: an ordered pair of finite numbers, stored with
// its midpoint, and a change only when either end moves.
bool ChangeInterval(double& min, double& max, double& centre, double newMin, double newMax) {
  if (!Finite(newMin, newMax) || !(newMin < newMax)) return false;
  if (SameValue(min, newMin) && SameValue(max, newMax)) return false;
  min = newMin;
  max = newMax;
  centre = (newMin + newMax) / 2.0;
  return true;
}

bool ChangeDouble(double& field, double value) {
  if (!std::isfinite(value) || SameValue(field, value)) return false;
  field = value;
  return true;
}

bool ChangeInt(std::int32_t& field, std::int32_t value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

bool SameValue(double a, double b) {
  return std::fabs(a - b) <= kTolerance * std::max(std::fabs(a), std::fabs(b));
}

CSurface3D::~CSurface3D() = default;

void CSurface3D::Changed(bool& flag) {
  SetModified(true);
  flag = true;
}

void CSurface3D::SetXRange(double min, double max) {
  if (ChangeInterval(xmin_, xmax_, xc_, min, max)) Changed(needMesh_);
}

void CSurface3D::SetYRange(double min, double max) {
  if (ChangeInterval(ymin_, ymax_, yc_, min, max)) Changed(needMesh_);
}

void CSurface3D::SetZRange(double min, double max) {
  if (ChangeInterval(zmin_, zmax_, zc_, min, max)) Changed(needMesh_);
}

void CSurface3D::SetAutoSize(bool on) {
  if (ChangeInt(autoSize_, on ? 1 : 0)) Changed(needMesh_);
}

void CSurface3D::SetFillStyle(std::int32_t style) {
  if (IsKnownFillStyle(style) && ChangeInt(fillStyle_, style)) needShading_ = true;
}

void CSurface3D::SetViewTheta(double radians) {
  if (ChangeDouble(viewTheta_, radians)) Changed(needProjection_);
}

void CSurface3D::SetViewPhi(double radians) {
  if (ChangeDouble(viewPhi_, radians)) Changed(needProjection_);
}

void CSurface3D::SetViewMu(double distance) {
  if (ChangeDouble(viewMu_, distance)) Changed(needProjection_);
}

void CSurface3D::SetLight(double theta, double phi, double mu) {
  if (!Finite(theta, phi) || !std::isfinite(mu)) return;
  if (SameValue(lightTheta_, theta) && SameValue(lightPhi_, phi) && SameValue(lightMu_, mu)) {
    return;
  }
  lightTheta_ = theta;
  lightPhi_ = phi;
  lightMu_ = mu;
  Changed(needShading_);
}

void CSurface3D::SetLightColour(std::int32_t colour) {
  if (ChangeInt(lightColour_, colour)) Changed(needShading_);
}

void CSurface3D::SetRect(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom) {
  const PixelRect rect{left, top, right, bottom};
  if (rect == rect_) return;
  rect_ = rect;
  needScreenMap_ = true;
}

void CSurface3D::SetFittedZRange(double min, double max) {
  if (!Finite(min, max) || min > max) return;
  zmin_ = min;
  zmax_ = max;
  zc_ = (min + max) / 2.0;
}

double CSurface3D::BoxDiagonal() const {
  return std::hypot(xmax_ - xmin_, ymax_ - ymin_, zmax_ - zmin_);
}

void CSurface3D::AllocateMesh() {
  if (HasMesh() || rows_ <= 0 || columns_ <= 0) return;
  mesh_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_));
}

void CSurface3D::SetMeshSize(int size) {
  // Swapped out rather than cleared, so that a smaller mesh gives its memory back.
  std::vector<SurfacePoint>().swap(mesh_);
  rows_ = size;
  columns_ = size;
  needMesh_ = true;
}

void CSurface3D::ClearNeedMesh() {
  needMesh_ = false;
  needProjection_ = true;
  needScreenMap_ = true;
  needShading_ = true;
}

void CSurface3D::ClearNeedProjection() {
  needProjection_ = false;
  needScreenMap_ = true;
  needShading_ = true;
}

}  // namespace orvella
