#include "project/archive/surface_records.h"

#include <memory>

#include "graphing/plot3d_defaults.h"
#include "library/formula_translation.h"
#include "platform/settings_keys.h"
#include "project/archive/graph_records.h"

namespace orvella {
namespace {

constexpr std::size_t kAxisBytes = 5 * 8 + 4 + 6 * 8;
constexpr std::size_t kMinGraph3DBytes =
    kMinGraphBaseBytes + 8 + 3 * kAxisBytes + 8 + 12 * 8 + 8 + 3 + 4 + 4;
// Stored options read under the same rules as the defaults in the settings.
std::int32_t UnderRule(const platform::SettingKey& key, std::int32_t stored) {
  return platform::ApplyRangeRule(key, stored);
}

void StorePoint(ArchiveWriter& out, const Point3& point) {
  out.WriteDouble(point.x);
  out.WriteDouble(point.y);
  out.WriteDouble(point.z);
}

void LoadPoint(ArchiveReader& in, Point3& point) {
  point.x = in.ReadDouble();
  point.y = in.ReadDouble();
  point.z = in.ReadDouble();
}

void StoreAxis(ArchiveWriter& out, const Axis3D& axis) {
  for (const double value : {axis.min, axis.max, axis.span, axis.tickLength, axis.tickStep}) {
    out.WriteDouble(value);
  }
  out.WriteInt32(axis.tickCount);
  StorePoint(out, axis.start);
  StorePoint(out, axis.end);
}

void LoadAxis(ArchiveReader& in, Axis3D& axis) {
  for (double* value : {&axis.min, &axis.max, &axis.span, &axis.tickLength, &axis.tickStep}) {
    *value = in.ReadDouble();
  }
  axis.tickCount = in.ReadInt32();
  LoadPoint(in, axis.start);
  LoadPoint(in, axis.end);
}

void StoreSurface(ArchiveWriter& out, const CSurface3D& surface) {
  StoreGraphBase(out, surface);
  out.WriteInt32(surface.autoFit);
  out.WriteBool(surface.AutoSize());
  for (const Axis3D* axis : {&surface.xAxis, &surface.yAxis, &surface.zAxis}) StoreAxis(out, *axis);
  out.WriteInt32(surface.FillStyle());
  out.WriteInt32(surface.LightColour());
  for (const double value :
       {surface.LightTheta(), surface.LightPhi(), surface.LightMu(), surface.ViewTheta(),
        surface.ViewPhi(), surface.ViewMu(), surface.XMin(), surface.XMax(), surface.YMin(),
        surface.YMax(), surface.ZMin(), surface.ZMax()}) {
    out.WriteDouble(value);
  }
}

void LoadSurface(ArchiveReader& in, CSurface3D& surface) {
  LoadGraphBase(in, surface);
  surface.autoFit = in.ReadInt32();
  surface.SetAutoSize(in.ReadBool());
  for (Axis3D* axis : {&surface.xAxis, &surface.yAxis, &surface.zAxis}) LoadAxis(in, *axis);
  surface.SetFillStyle(in.ReadInt32());
  surface.SetLightColour(in.ReadInt32());
  const double lightTheta = in.ReadDouble();
  const double lightPhi = in.ReadDouble();
  const double lightMu = in.ReadDouble();
  surface.SetLight(lightTheta, lightPhi, lightMu);
  surface.SetViewTheta(in.ReadDouble());
  surface.SetViewPhi(in.ReadDouble());
  surface.SetViewMu(in.ReadDouble());
  const double xmin = in.ReadDouble();
  const double xmax = in.ReadDouble();
  surface.SetXRange(xmin, xmax);
  const double ymin = in.ReadDouble();
  const double ymax = in.ReadDouble();
  surface.SetYRange(ymin, ymax);
  const double zmin = in.ReadDouble();
  const double zmax = in.ReadDouble();
  surface.SetZRange(zmin, zmax);
}

void StoreRect(ArchiveWriter& out, const PixelRect& rect) {
  for (const std::int32_t value : {rect.left, rect.top, rect.right, rect.bottom}) {
    out.WriteInt32(value);
  }
}

void LoadRect(ArchiveReader& in, PixelRect& rect) {
  for (std::int32_t* value : {&rect.left, &rect.top, &rect.right, &rect.bottom}) {
    *value = in.ReadInt32();
  }
}

}  // namespace

void StoreGraph3D(ArchiveWriter& out, const CGraph3D& graph) {
  StoreSurface(out, graph);
  out.WriteBool(DecimalIsPoint());
  out.WriteInt32(graph.graphReserved);
  out.WriteText(graph.Expression());
  out.WriteText(graph.spareText1);
  out.WriteText(graph.spareText2);
  out.WriteInt32(graph.spare);
  out.WriteInt32(graph.Resolution());
}

void LoadGraph3D(ArchiveReader& in, CGraph3D& graph) {
  LoadSurface(in, graph);
  const bool decimalIsPoint = in.ReadBool();
  graph.graphReserved = in.ReadInt32();
  graph.SetExpression(TranslateFormula(in.ReadText(), decimalIsPoint));
  graph.spareText1 = in.ReadText();
  graph.spareText2 = in.ReadText();
  graph.spare = in.ReadInt32();
  graph.SetResolution(in.ReadInt32());
  graph.SetModified(false);
  graph.ClearAppearanceChanged();
}

void StorePlot3D(ArchiveWriter& out, const CPlot3D& plot) {
  out.WriteInt32(plot.ambientLight);
  StorePlotLabel(out, plot.axisLabel);
  out.WriteInt32(static_cast<std::int32_t>(plot.axisType));
  out.WriteInt32(plot.backColour);
  out.WriteBool(plot.boxed);
  out.WriteBool(plot.showAxisLabels);
  out.WriteBool(plot.showTickLabels);
  out.WriteBool(plot.showTicks);
  out.WriteDouble(plot.deltaMu);
  out.WriteDouble(plot.deltaTheta);
  out.WriteDouble(plot.deltaPhi);
  out.WriteInt32(plot.views);
  out.WriteInt32(plot.viewportSize);
  StoreRect(out, plot.windowRect);
  out.WriteInt32(plot.GraphCount());
  for (const auto& graph : plot.Graphs()) StoreGraph3D(out, *graph);
}

void LoadPlot3D(ArchiveReader& in, CPlot3D& plot) {
  plot.ambientLight = UnderRule(Plot3DSetting("AmbientLight"), in.ReadInt32());
  LoadPlotLabel(in, plot.axisLabel);
  plot.axisType = static_cast<AxisType3D>(UnderRule(Plot3DSetting("AxisType"), in.ReadInt32()));
  plot.backColour = in.ReadInt32();
  plot.boxed = in.ReadBool();
  plot.showAxisLabels = in.ReadBool();
  plot.showTickLabels = in.ReadBool();
  plot.showTicks = in.ReadBool();
  plot.deltaMu = in.ReadDouble();
  plot.deltaTheta = in.ReadDouble();
  plot.deltaPhi = in.ReadDouble();
  // A hostile series length would draw without end; a share outside 1..100 is no share.
  plot.views = UnderRule(Plot3DSetting("Views"), in.ReadInt32());
  plot.viewportSize = UnderRule(Plot3DSetting("ViewportSize"), in.ReadInt32());
  LoadRect(in, plot.windowRect);
  const std::int32_t graphs = in.ReadRecordCount(kMinGraph3DBytes);
  for (std::int32_t i = 0; i < graphs && !in.Failed(); ++i) {
    auto graph = std::make_unique<CGraph3D>();
    LoadGraph3D(in, *graph);
    if (!in.Failed()) plot.AddOrReplace(std::move(graph));
  }
}

}  // namespace orvella
