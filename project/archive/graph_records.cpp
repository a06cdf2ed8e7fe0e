#include "project/archive/graph_records.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "analysis/data_table.h"
#include "library/formula_translation.h"

namespace orvella {
namespace {

constexpr std::size_t kMinReportEntryBytes = 4 + 1 + 1 + 8 + 4;
constexpr std::size_t kMinGraph2DBytes = kMinGraphBaseBytes + 4 + 4 + 1 + 1 + 4 + 16 + 1 + 4;

void StoreFont(ArchiveWriter& out, const FontRecord& font) {
  for (const std::int32_t value :
       {font.height, font.width, font.escapement, font.orientation, font.weight}) {
    out.WriteInt32(value);
  }
  for (const std::uint8_t flag : {font.italic, font.underline, font.strikeOut, font.charSet,
                                  font.outPrecision, font.clipPrecision, font.quality,
                                  font.pitchAndFamily}) {
    out.WriteRaw(&flag, 1);
  }
  out.WriteRaw(font.faceName.data(), font.faceName.size());
}

void LoadFont(ArchiveReader& in, FontRecord& font) {
  for (std::int32_t* value :
       {&font.height, &font.width, &font.escapement, &font.orientation, &font.weight}) {
    *value = in.ReadInt32();
  }
  for (std::uint8_t* flag : {&font.italic, &font.underline, &font.strikeOut, &font.charSet,
                             &font.outPrecision, &font.clipPrecision, &font.quality,
                             &font.pitchAndFamily}) {
    in.ReadRaw(flag, 1);
  }
  in.ReadRaw(font.faceName.data(), font.faceName.size());
  // The name is used as a C string: it must end within its field.
  font.faceName.back() = '\0';
}

// Arrow sizes are two int32 each; the y arrow's half width comes first.
void StoreArrow(ArchiveWriter& out, const ArrowSize& arrow, bool widthFirst) {
  out.WriteInt32(widthFirst ? arrow.halfWidth : arrow.length);
  out.WriteInt32(widthFirst ? arrow.length : arrow.halfWidth);
}

void LoadArrow(ArchiveReader& in, ArrowSize& arrow, bool widthFirst) {
  const std::int32_t first = in.ReadInt32();
  const std::int32_t second = in.ReadInt32();
  arrow.halfWidth = widthFirst ? first : second;
  arrow.length = widthFirst ? second : first;
}

// A stored 0 means 1; an interval that is no positive number would never end a tick loop.
double TickInterval(double stored) {
  return std::isfinite(stored) && stored > 0.0 ? stored : 1.0;
}

// An axis whose bounds are not increasing (or not numbers) shows -3 .. 3.
void RepairAxis(double& lo, double& hi) {
  if (!(lo < hi)) {
    lo = -3.0;
    hi = 3.0;
  }
}

}  // namespace

void StoreGraphBase(ArchiveWriter& out, const CGraphBase& record) {
  out.WriteText(record.Name());
  out.WriteInt32(record.Style());
  out.WriteInt32(record.Colour());
  out.WriteInt32(record.Width());
  out.WriteInt32(record.reserved);
  out.WriteInt32(record.FillColour());
  out.WriteBool(record.IsVisible());
  out.WriteBool(record.IsEditable());
}

void LoadGraphBase(ArchiveReader& in, CGraphBase& record) {
  record.SetName(in.ReadText());
  record.SetStyle(in.ReadInt32());
  record.SetColour(in.ReadInt32());
  record.SetWidth(in.ReadInt32());
  record.reserved = in.ReadInt32();
  record.SetFillColour(in.ReadInt32());
  record.SetVisible(in.ReadBool());
  record.SetEditable(in.ReadBool());
  record.SetModified(false);
  record.ClearAppearanceChanged();
}

void StorePlotLabel(ArchiveWriter& out, const CPlotLabel& label) {
  StoreGraphBase(out, label);
  out.WriteText(label.text);
  out.WriteDouble(label.position.x);
  out.WriteDouble(label.position.y);
  out.WriteInt32(label.spare1);
  out.WriteInt32(label.spare2);
  out.WriteInt32(label.textColour);
  StoreFont(out, label.font);
}

void LoadPlotLabel(ArchiveReader& in, CPlotLabel& label) {
  LoadGraphBase(in, label);
  label.text = in.ReadText();
  label.position.x = in.ReadDouble();
  label.position.y = in.ReadDouble();
  label.spare1 = in.ReadInt32();
  label.spare2 = in.ReadInt32();
  label.textColour = in.ReadInt32();
  LoadFont(in, label.font);
}

void StoreReport(ArchiveWriter& out, const CResultReport& report) {
  out.WriteText(report.resultText);
  out.WriteText(report.title);
  out.WriteInt32(report.columnWidths[0]);
  out.WriteInt32(report.columnWidths[1]);
  out.WriteInt32(static_cast<std::int32_t>(report.entries.size()));
  for (const ReportEntry& entry : report.entries) {
    out.WriteInt32(static_cast<std::int32_t>(entry.kind));
    out.WriteText(entry.label);
    out.WriteText(entry.text);
    out.WriteDouble(entry.value);
    out.WriteBool(entry.indented);
  }
}

void LoadReport(ArchiveReader& in, CResultReport& report) {
  report.Clear();
  report.resultText = in.ReadText();
  report.title = in.ReadText();
  report.columnWidths[0] = in.ReadInt32();
  report.columnWidths[1] = in.ReadInt32();
  const std::int32_t count = in.ReadRecordCount(kMinReportEntryBytes);
  for (std::int32_t i = 0; i < count && !in.Failed(); ++i) {
    ReportEntry entry;
    const std::int32_t kind = in.ReadInt32();
    // An unknown kind shows its text rather than something undefined.
    entry.kind = kind >= 0 && kind <= 2 ? static_cast<ReportEntryKind>(kind) : ReportEntryKind::kText;
    entry.label = in.ReadText();
    entry.text = in.ReadText();
    entry.value = in.ReadDouble();
    entry.indented = in.ReadBool();
    report.entries.push_back(std::move(entry));
  }
}

void StoreGraph2D(ArchiveWriter& out, const CGraph2D& graph) {
  StoreGraphBase(out, graph);
  out.WriteBool(DecimalIsPoint());
  out.WriteInt32(static_cast<std::int32_t>(graph.Type()));
  out.WriteText(graph.Expr1());
  out.WriteText(graph.Expr2());
  out.WriteInt32(graph.reserved2);
  out.WriteDouble(graph.DomainMin());
  out.WriteDouble(graph.DomainMax());
  out.WriteText(graph.DataTable() != nullptr ? graph.DataTable()->Name() : std::string());
  out.WriteBool(graph.Results() != nullptr);
  if (graph.Results() != nullptr) StoreReport(out, *graph.Results());
}

void LoadGraph2D(ArchiveReader& in, CGraph2D& graph) {
  LoadGraphBase(in, graph);
  const bool decimalIsPoint = in.ReadBool();
  const std::int32_t type = in.ReadInt32();
  const std::string expr1 = TranslateFormula(in.ReadText(), decimalIsPoint);
  const std::string expr2 = TranslateFormula(in.ReadText(), decimalIsPoint);
  graph.reserved2 = in.ReadInt32();
  double domainMin = in.ReadDouble();
  double domainMax = in.ReadDouble();
  RepairAxis(domainMin, domainMax);
  const GraphType2D graphType =
      IsKnownGraphType(type) ? static_cast<GraphType2D>(type) : GraphType2D::kRectangular;
  graph.Set(expr1, expr2, graphType, domainMin, domainMax);
  graph.dataTableName = in.ReadText();
  graph.SetResults(nullptr);
  if (in.ReadBool()) {
    auto results = std::make_unique<CResultReport>();
    LoadReport(in, *results);
    graph.SetResults(std::move(results));
  }
  graph.SetModified(false);
}

void StoreAxes(ArchiveWriter& out, const CPlotAxes& axes) {
  out.WriteInt32(static_cast<std::int32_t>(axes.axisType));
  out.WriteBool(axes.boxed);
  out.WriteBool(axes.showArrows);
  out.WriteBool(axes.showAxisNames);
  StoreArrow(out, axes.arrowX, false);
  StoreArrow(out, axes.arrowY, true);
  StoreGraphBase(out, axes.axisPen);
  out.WriteBool(axes.showTicks);
  out.WriteBool(axes.autoTicks);
  out.WriteBool(axes.showLabels);
  out.WriteInt32(axes.xTickHalfLength);
  out.WriteInt32(axes.yTickHalfLength);
  out.WriteDouble(axes.xTickInterval);
  out.WriteDouble(axes.yTickInterval);
  StorePlotLabel(out, axes.tickLabel);
  out.WriteBool(axes.showGrid);
  StoreGraphBase(out, axes.gridPen);
  for (const CPlotLabel& label : axes.spareLabels) StorePlotLabel(out, label);
}

void LoadAxes(ArchiveReader& in, CPlotAxes& axes) {
  axes.axisType = AxisTypeFromCode(in.ReadInt32());
  axes.boxed = in.ReadBool();
  axes.showArrows = in.ReadBool();
  axes.showAxisNames = in.ReadBool();
  LoadArrow(in, axes.arrowX, false);
  LoadArrow(in, axes.arrowY, true);
  LoadGraphBase(in, axes.axisPen);
  axes.showTicks = in.ReadBool();
  axes.autoTicks = in.ReadBool();
  axes.showLabels = in.ReadBool();
  axes.xTickHalfLength = in.ReadInt32();
  axes.yTickHalfLength = in.ReadInt32();
  axes.xTickInterval = TickInterval(in.ReadDouble());
  axes.yTickInterval = TickInterval(in.ReadDouble());
  LoadPlotLabel(in, axes.tickLabel);
  axes.showGrid = in.ReadBool();
  LoadGraphBase(in, axes.gridPen);
  for (CPlotLabel& label : axes.spareLabels) LoadPlotLabel(in, label);
}

void StorePlot2D(ArchiveWriter& out, const CPlot2D& plot) {
  out.WriteDouble(plot.range.xMin);
  out.WriteDouble(plot.range.xMax);
  out.WriteDouble(plot.range.yMin);
  out.WriteDouble(plot.range.yMax);
  out.WriteInt32(plot.steps);
  out.WriteDouble(plot.zoomFactor);
  out.WriteInt32(plot.backColour);
  out.WriteInt32(plot.viewportPercent);
  out.WriteInt32(plot.border);
  StoreAxes(out, plot.axes);
  out.WriteInt32(plot.GraphCount());
  for (const auto& graph : plot.Graphs()) StoreGraph2D(out, *graph);
  out.WriteInt32(static_cast<std::int32_t>(plot.labels.size()));
  for (const auto& label : plot.labels) StorePlotLabel(out, *label);
}

void LoadPlot2D(ArchiveReader& in, CPlot2D& plot) {
  WorldRect range{in.ReadDouble(), in.ReadDouble(), in.ReadDouble(), in.ReadDouble()};
  RepairAxis(range.xMin, range.xMax);
  RepairAxis(range.yMin, range.yMax);
  plot.range = range;
  // A hostile step count would make every sampling allocate without bound, and a zoom
  // factor that is no positive number would break zooming: both read as usable values.
  plot.steps = std::clamp(in.ReadInt32(), kMinPlotSteps, kMaxPlotSteps);
  const double zoomFactor = in.ReadDouble();
  plot.zoomFactor = std::isfinite(zoomFactor) && zoomFactor > 0.0 ? zoomFactor : 2.0;
  plot.backColour = in.ReadInt32();
  const std::int32_t viewport = in.ReadInt32();
  plot.viewportPercent = viewport >= 1 && viewport <= 100 ? viewport : 100;
  plot.border = in.ReadInt32();
  LoadAxes(in, plot.axes);
  const std::int32_t graphs = in.ReadRecordCount(kMinGraph2DBytes);
  for (std::int32_t i = 0; i < graphs && !in.Failed(); ++i) {
    auto graph = std::make_unique<CGraph2D>();
    LoadGraph2D(in, *graph);
    if (!in.Failed()) plot.AddOrReplace(std::move(graph));
  }
  const std::int32_t labels = in.ReadRecordCount(kMinPlotLabelBytes);
  for (std::int32_t i = 0; i < labels && !in.Failed(); ++i) {
    auto label = std::make_unique<CPlotLabel>();
    LoadPlotLabel(in, *label);
    plot.labels.push_back(std::move(label));
  }
  plot.RecomputeScale();
}

}  // namespace orvella
