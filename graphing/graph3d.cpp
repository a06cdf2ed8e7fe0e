#include "graphing/graph3d.h"

#include <algorithm>

#include "engine/text_util.h"
#include "platform/screen_metrics.h"

namespace orvella {

int MeshSizeForResolution(int resolution, std::int32_t screenHeight) {
  const int r = std::clamp(resolution, 0, kMaxResolution);
  // A screen too small for the formula gets the smallest mesh rather than none.
  const int reach = std::max(screenHeight / 3 - 10, 0);
  const double cube = static_cast<double>(r) * r * r;
  const int size = static_cast<int>(reach * cube * 1e-6 + 10.0);
  return std::min(size, kMaxMeshSize);
}

namespace {

int MeshSizeOnScreen(int resolution) {
  return MeshSizeForResolution(resolution, platform::PrimaryScreen().height);
}

}  // namespace

CGraph3D::CGraph3D() { SetMeshSize(MeshSizeOnScreen(resolution_)); }

void CGraph3D::SetExpression(std::string_view text) {
  if (EqualsNoCase(expression_, text)) return;
  expression_ = std::string(text);
  SetModified(true);
  RaiseNeedMesh();
}

void CGraph3D::SetResolution(int r) {
  const int resolution = std::clamp(r, 0, kMaxResolution);
  const int size = MeshSizeOnScreen(resolution);
  const bool resized = size != Rows() || size != Columns();
  if (!resized && resolution == resolution_) return;
  if (resized) SetMeshSize(size);
  resolution_ = resolution;
  SetModified(true);
}

std::string CGraph3D::Label() const { return "z = " + expression_; }

void CGraph3D::CopyFrom(const CGraph3D& other) {
  SetXRange(other.XMin(), other.XMax());
  SetYRange(other.YMin(), other.YMax());
  SetZRange(other.ZMin(), other.ZMax());
  SetAutoSize(other.AutoSize());
  SetColour(other.Colour());
  SetFillColour(other.FillColour());
  SetLightColour(other.LightColour());
  SetLight(other.LightTheta(), other.LightPhi(), other.LightMu());
  SetViewTheta(other.ViewTheta());
  SetViewPhi(other.ViewPhi());
  SetViewMu(other.ViewMu());
  SetFillStyle(other.FillStyle());
  SetResolution(other.Resolution());
  SetExpression(other.Expression());
}

}  // namespace orvella
