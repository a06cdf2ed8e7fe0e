#include "graphing/plot2d_defaults.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/text_util.h"
#include "platform/settings_keys.h"

namespace orvella {
namespace {

using platform::SettingKey;
namespace rows = platform::setting_rows;

constexpr std::int32_t kDefaultGridLineColour = 0xe6e6e6;
constexpr std::int32_t kDefaultZoomFactor = 2;

// The rows below name the function-plot and function-graph sections; the other section
// of each pair reads the same rows with these defaults replaced.
struct DefaultOverride {
  std::string_view section;
  std::string_view name;
  std::int32_t intDefault;
};
constexpr DefaultOverride kOverrides[] = {
    {kDataGraphSection, "Color", kColourBlue},
};

SettingKey InSection(const SettingKey& row, std::string_view section) {
  SettingKey key = rows::InSection(row, section);
  for (const DefaultOverride& o : kOverrides) {
    if (EqualsNoCase(o.section, section) && o.name == row.name) key.intDefault = o.intDefault;
  }
  return key;
}

// ---- pens ----

enum class PenPart : std::uint8_t { kColour, kStyle, kWidth };

std::int32_t PenValue(const CGraphBase& pen, PenPart part) {
  switch (part) {
    case PenPart::kColour:
      return pen.Colour();
    case PenPart::kStyle:
      return pen.Style();
    case PenPart::kWidth:
      return pen.Width();
  }
  return 0;
}

void SetPenValue(CGraphBase& pen, PenPart part, std::int32_t value) {
  switch (part) {
    case PenPart::kColour:
      return pen.SetColour(value);
    case PenPart::kStyle:
      return pen.SetStyle(value);
    case PenPart::kWidth:
      return pen.SetWidth(value);
  }
}

// ---- plot rows ----

struct PlotPenValue {
  SettingKey key;
  CGraphBase CPlotAxes::*pen;
  PenPart part;
};
constexpr PlotPenValue kPlotPens[] = {
    {rows::Int(kFunctionPlotSection, "AxisLineColor", kColourBlack), &CPlotAxes::axisPen,
     PenPart::kColour},
    {rows::Int(kFunctionPlotSection, "AxisLineWidth", 1), &CPlotAxes::axisPen, PenPart::kWidth},
    {rows::Int(kFunctionPlotSection, "AxisLineStyle", kPenSolid), &CPlotAxes::axisPen,
     PenPart::kStyle},
    {rows::Int(kFunctionPlotSection, "GridLineColor", kDefaultGridLineColour),
     &CPlotAxes::gridPen, PenPart::kColour},
    {rows::Int(kFunctionPlotSection, "GridLineWidth", 1), &CPlotAxes::gridPen, PenPart::kWidth},
    {rows::Int(kFunctionPlotSection, "GridLineStyle", kPenDot), &CPlotAxes::gridPen,
     PenPart::kStyle},
};

struct PlotFlagValue {
  SettingKey key;
  bool CPlotAxes::*flag;
};
constexpr PlotFlagValue kPlotFlags[] = {
    {rows::Int(kFunctionPlotSection, "AutoTicks", 1), &CPlotAxes::autoTicks},
    {rows::Int(kFunctionPlotSection, "ShowTicks", 1), &CPlotAxes::showTicks},
    {rows::Int(kFunctionPlotSection, "Boxed", 0), &CPlotAxes::boxed},
    {rows::Int(kFunctionPlotSection, "ShowGrid", 1), &CPlotAxes::showGrid},
    {rows::Int(kFunctionPlotSection, "ShowArrows", 1), &CPlotAxes::showArrows},
    {rows::Int(kFunctionPlotSection, "ShowLabels", 1), &CPlotAxes::showLabels},
};

// A whole zoom factor for the integer the settings keep; a huge or undefined one is no
// zoom factor at all, so it falls back to the default rather than wrapping.
std::int32_t ZoomFactorAsInt(double zoomFactor) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  if (!(zoomFactor >= 1.0 && zoomFactor <= kMax)) return kDefaultZoomFactor;
  return static_cast<std::int32_t>(zoomFactor);
}

struct PlotIntValue {
  SettingKey key;
  std::int32_t (*get)(const CPlot2D&);
  void (*set)(CPlot2D&, std::int32_t);
};
constexpr PlotIntValue kPlotInts[] = {
    {rows::Int(kFunctionPlotSection, "BackColor", kColourWhite),
     [](const CPlot2D& p) { return p.backColour; },
     [](CPlot2D& p, std::int32_t v) { p.backColour = v; }},
    {rows::Clamped(rows::Int(kFunctionPlotSection, "Steps", 400), kMinPlotSteps, kMaxPlotSteps),
     [](const CPlot2D& p) { return p.steps; }, [](CPlot2D& p, std::int32_t v) { p.steps = v; }},
    // A zoom factor below 1 would zoom the wrong way or not at all.
    {rows::OutsideBecomes(rows::Int(kFunctionPlotSection, "ZoomFactor", kDefaultZoomFactor), 1,
                          std::numeric_limits<std::int32_t>::max(), kDefaultZoomFactor),
     [](const CPlot2D& p) { return ZoomFactorAsInt(p.zoomFactor); },
     [](CPlot2D& p, std::int32_t v) { p.zoomFactor = v; }},
    {rows::Int(kFunctionPlotSection, "AxisType", 0),
     [](const CPlot2D& p) { return static_cast<std::int32_t>(p.axes.axisType); },
     [](CPlot2D& p, std::int32_t v) { p.axes.axisType = AxisTypeFromCode(v); }},
};

struct PlotDoubleValue {
  SettingKey key;
  // Tick intervals: a step of 0 or less would never advance across the axis.
  bool positiveOnly;
  double (*get)(const CPlot2D&);
  void (*set)(CPlot2D&, double);
};
constexpr PlotDoubleValue kPlotDoubles[] = {
    {rows::Double(kFunctionPlotSection, "xmin", -10.0), false,
     [](const CPlot2D& p) { return p.range.xMin; }, [](CPlot2D& p, double v) { p.range.xMin = v; }},
    {rows::Double(kFunctionPlotSection, "xmax", 10.0), false,
     [](const CPlot2D& p) { return p.range.xMax; }, [](CPlot2D& p, double v) { p.range.xMax = v; }},
    {rows::Double(kFunctionPlotSection, "ymin", -10.0), false,
     [](const CPlot2D& p) { return p.range.yMin; }, [](CPlot2D& p, double v) { p.range.yMin = v; }},
    {rows::Double(kFunctionPlotSection, "ymax", 10.0), false,
     [](const CPlot2D& p) { return p.range.yMax; }, [](CPlot2D& p, double v) { p.range.yMax = v; }},
    {rows::Double(kFunctionPlotSection, "XTickInterval", 1.0), true,
     [](const CPlot2D& p) { return p.axes.xTickInterval; },
     [](CPlot2D& p, double v) { p.axes.xTickInterval = v; }},
    {rows::Double(kFunctionPlotSection, "YTickInterval", 1.0), true,
     [](const CPlot2D& p) { return p.axes.yTickInterval; },
     [](CPlot2D& p, double v) { p.axes.yTickInterval = v; }},
};

// A stored double that cannot be drawn with (infinite, undefined, or not positive where it
// must be) reads as the default.
double ReadDouble(const platform::SettingsStore& store, const SettingKey& key,
                  bool positiveOnly) {
  const double value = platform::ReadDoubleSetting(store, key);
  if (!std::isfinite(value) || (positiveOnly && !(value > 0.0))) return key.doubleDefault;
  return value;
}

// ---- graph template rows ----

constexpr SettingKey kTemplateType = rows::Int(kFunctionGraphSection, "Type", 0);
constexpr SettingKey kTemplateMin = rows::Double(kFunctionGraphSection, "Min", -10.0);
constexpr SettingKey kTemplateMax = rows::Double(kFunctionGraphSection, "Max", 10.0);

struct TemplatePenValue {
  SettingKey key;
  PenPart part;
};
constexpr TemplatePenValue kTemplatePens[] = {
    {rows::Int(kFunctionGraphSection, "Color", kAutomatic), PenPart::kColour},
    {rows::Int(kFunctionGraphSection, "Style", kPenSolid), PenPart::kStyle},
    {rows::Int(kFunctionGraphSection, "Width", 1), PenPart::kWidth},
};

// A default must itself pass the rule that reads it, or an empty store would not read
// back the default.
constexpr bool IntDefaultsObeyTheirRules() {
  for (const PlotIntValue& row : kPlotInts) {
    if (platform::ApplyRangeRule(row.key, row.key.intDefault) != row.key.intDefault) return false;
  }
  return true;
}
static_assert(IntDefaultsObeyTheirRules());

}  // namespace

void ReadPlotDefaults(const platform::SettingsStore& store, std::string_view section,
                      CPlot2D& plot) {
  for (const PlotIntValue& row : kPlotInts) {
    row.set(plot, platform::ReadIntSetting(store, InSection(row.key, section)));
  }
  for (const PlotFlagValue& row : kPlotFlags) {
    plot.axes.*row.flag = platform::ReadIntSetting(store, InSection(row.key, section)) != 0;
  }
  for (const PlotPenValue& row : kPlotPens) {
    SetPenValue(plot.axes.*row.pen, row.part,
                platform::ReadIntSetting(store, InSection(row.key, section)));
  }
  for (const PlotDoubleValue& row : kPlotDoubles) {
    row.set(plot, ReadDouble(store, InSection(row.key, section), row.positiveOnly));
  }
  // Bounds stored in the wrong order or equal are put right as a typed range would be.
  const WorldRect stored = plot.range;
  plot.SetRange(stored.xMin, stored.xMax, stored.yMin, stored.yMax);
}

void WritePlotDefaults(platform::SettingsStore& store, std::string_view section,
                       const CPlot2D& plot) {
  for (const PlotIntValue& row : kPlotInts) {
    platform::WriteIntSetting(store, InSection(row.key, section), row.get(plot));
  }
  for (const PlotFlagValue& row : kPlotFlags) {
    platform::WriteIntSetting(store, InSection(row.key, section), plot.axes.*row.flag ? 1 : 0);
  }
  for (const PlotPenValue& row : kPlotPens) {
    platform::WriteIntSetting(store, InSection(row.key, section),
                              PenValue(plot.axes.*row.pen, row.part));
  }
  for (const PlotDoubleValue& row : kPlotDoubles) {
    platform::WriteDoubleSetting(store, InSection(row.key, section), row.get(plot));
  }
}

void ReadGraphTemplate(const platform::SettingsStore& store, std::string_view section,
                       CGraph2D& graph) {
  const std::int32_t code = platform::ReadIntSetting(store, InSection(kTemplateType, section));
  const GraphType2D type =
      IsKnownGraphType(code) ? static_cast<GraphType2D>(code) : GraphType2D::kRectangular;
  const double min = platform::ReadDoubleSetting(store, InSection(kTemplateMin, section));
  const double max = platform::ReadDoubleSetting(store, InSection(kTemplateMax, section));
  // Set takes the domain only when it is finite and increasing.
  graph.Set(graph.Expr1(), graph.Expr2(), type, min, max);
  for (const TemplatePenValue& row : kTemplatePens) {
    SetPenValue(graph, row.part, platform::ReadIntSetting(store, InSection(row.key, section)));
  }
}

void WriteGraphTemplate(platform::SettingsStore& store, std::string_view section,
                        const CGraph2D& graph) {
  platform::WriteIntSetting(store, InSection(kTemplateType, section),
                            static_cast<std::int32_t>(graph.Type()));
  platform::WriteDoubleSetting(store, InSection(kTemplateMin, section), graph.DomainMin());
  platform::WriteDoubleSetting(store, InSection(kTemplateMax, section), graph.DomainMax());
  for (const TemplatePenValue& row : kTemplatePens) {
    platform::WriteIntSetting(store, InSection(row.key, section), PenValue(graph, row.part));
  }
}

}  // namespace orvella
