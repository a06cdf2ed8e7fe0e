#include "graphing/plot3d_defaults.h"

#include <cstdint>
#include <iterator>
#include <span>
#include <type_traits>

namespace orvella {

using platform::ReadDoubleSetting;
using platform::ReadIntSetting;
using platform::SettingKey;
using platform::SettingsStore;
using platform::WriteDoubleSetting;
using platform::WriteIntSetting;

namespace {

// One settings value and the way it reaches its record; read and write share the row, so
// the two directions cannot drift apart.
template <typename Record, typename Value>
struct Binding {
  const SettingKey* key;
  Value (*get)(const Record&);
  void (*set)(Record&, Value);
};

template <typename Record>
using IntBinding = Binding<Record, std::int32_t>;
template <typename Record>
using DoubleBinding = Binding<Record, double>;

template <typename Record, typename Value>
void ReadBound(const SettingsStore& store, std::span<const Binding<Record, Value>> rows,
               Record& record) {
  for (const auto& row : rows) {
    if constexpr (std::is_same_v<Value, double>) {
      row.set(record, ReadDoubleSetting(store, *row.key));
    } else {
      row.set(record, ReadIntSetting(store, *row.key));
    }
  }
}

template <typename Record, typename Value>
void WriteBound(SettingsStore& store, std::span<const Binding<Record, Value>> rows,
                const Record& record) {
  for (const auto& row : rows) {
    if constexpr (std::is_same_v<Value, double>) {
      WriteDoubleSetting(store, *row.key, row.get(record));
    } else {
      WriteIntSetting(store, *row.key, row.get(record));
    }
  }
}

// A plain field of the plot: bool, enum or number, stored as it converts.
template <auto Member, typename Value>
Value GetField(const CPlot3D& plot) {
  return static_cast<Value>(plot.*Member);
}
template <auto Member, typename Value>
void SetField(CPlot3D& plot, Value value) {
  using Field = std::remove_cvref_t<decltype(plot.*Member)>;
  plot.*Member = static_cast<Field>(value);
}
template <auto Member>
consteval IntBinding<CPlot3D> IntField(std::string_view name) {
  return {&Plot3DSetting(name), &GetField<Member, std::int32_t>,
          &SetField<Member, std::int32_t>};
}
template <auto Member>
consteval DoubleBinding<CPlot3D> DoubleField(std::string_view name) {
  return {&Plot3DSetting(name), &GetField<Member, double>, &SetField<Member, double>};
}

constexpr IntBinding<CPlot3D> kPlotInts[] = {
    IntField<&CPlot3D::axisType>("AxisType"),
    IntField<&CPlot3D::boxed>("Boxed"),
    IntField<&CPlot3D::showTicks>("ShowTicks"),
    IntField<&CPlot3D::showTickLabels>("ShowTickLabels"),
    IntField<&CPlot3D::showAxisLabels>("ShowAxisLabels"),
    {&Plot3DSetting("AxisLineStyle"), [](const CPlot3D& p) { return p.axisLabel.Style(); },
     [](CPlot3D& p, std::int32_t v) { p.axisLabel.SetStyle(v); }},
    {&Plot3DSetting("AxisLineColor"), [](const CPlot3D& p) { return p.axisLabel.Colour(); },
     [](CPlot3D& p, std::int32_t v) { p.axisLabel.SetColour(v); }},
    {&Plot3DSetting("AxisLineWidth"), [](const CPlot3D& p) { return p.axisLabel.Width(); },
     [](CPlot3D& p, std::int32_t v) { p.axisLabel.SetWidth(v); }},
    IntField<&CPlot3D::backColour>("BackColor"),
    IntField<&CPlot3D::viewportSize>("ViewportSize"),
    IntField<&CPlot3D::ambientLight>("AmbientLight"),
    IntField<&CPlot3D::views>("Views"),
};

constexpr DoubleBinding<CPlot3D> kPlotDoubles[] = {
    DoubleField<&CPlot3D::deltaTheta>("DeltaTheta"),
    DoubleField<&CPlot3D::deltaPhi>("DeltaPhi"),
    DoubleField<&CPlot3D::deltaMu>("DeltaMu"),
};

static_assert(std::size(kPlotInts) + std::size(kPlotDoubles) == std::size(kPlot3DDefKeys),
              "every Plot3DDef value is read and written");

// The template's values that have a setter of their own. The domain and range pairs and
// the light position are set together, below.
constexpr IntBinding<CGraph3D> kGraphInts[] = {
    {&Graph3DSetting("AutoSize"), [](const CGraph3D& g) -> std::int32_t { return g.AutoSize(); },
     [](CGraph3D& g, std::int32_t v) { g.SetAutoSize(v != 0); }},
    {&Graph3DSetting("LineColor"), [](const CGraph3D& g) { return g.Colour(); },
     [](CGraph3D& g, std::int32_t v) { g.SetColour(v); }},
    {&Graph3DSetting("FillColor"), [](const CGraph3D& g) { return g.FillColour(); },
     [](CGraph3D& g, std::int32_t v) { g.SetFillColour(v); }},
    {&Graph3DSetting("LightColor"), [](const CGraph3D& g) { return g.LightColour(); },
     [](CGraph3D& g, std::int32_t v) { g.SetLightColour(v); }},
    {&Graph3DSetting("GridFillStyle"), [](const CGraph3D& g) { return g.FillStyle(); },
     [](CGraph3D& g, std::int32_t v) { g.SetFillStyle(v); }},
    {&Graph3DSetting("GridResolution"),
     [](const CGraph3D& g) -> std::int32_t { return g.Resolution(); },
     [](CGraph3D& g, std::int32_t v) { g.SetResolution(v); }},
};

constexpr DoubleBinding<CGraph3D> kGraphDoubles[] = {
    {&Graph3DSetting("ViewTheta"), [](const CGraph3D& g) { return g.ViewTheta(); },
     [](CGraph3D& g, double v) { g.SetViewTheta(v); }},
    {&Graph3DSetting("ViewPhi"), [](const CGraph3D& g) { return g.ViewPhi(); },
     [](CGraph3D& g, double v) { g.SetViewPhi(v); }},
    {&Graph3DSetting("ViewMu"), [](const CGraph3D& g) { return g.ViewMu(); },
     [](CGraph3D& g, double v) { g.SetViewMu(v); }},
};

struct RangeKeys {
  const SettingKey* min;
  const SettingKey* max;
  void (CSurface3D::*set)(double, double);
  double (CSurface3D::*getMin)() const;
  double (CSurface3D::*getMax)() const;
};

constexpr RangeKeys kGraphRanges[] = {
    {&Graph3DSetting("xmin"), &Graph3DSetting("xmax"), &CSurface3D::SetXRange,
     &CSurface3D::XMin, &CSurface3D::XMax},
    {&Graph3DSetting("ymin"), &Graph3DSetting("ymax"), &CSurface3D::SetYRange,
     &CSurface3D::YMin, &CSurface3D::YMax},
    {&Graph3DSetting("zmin"), &Graph3DSetting("zmax"), &CSurface3D::SetZRange,
     &CSurface3D::ZMin, &CSurface3D::ZMax},
};

constexpr const SettingKey* kLightKeys[] = {
    &Graph3DSetting("LightTheta"), &Graph3DSetting("LightPhi"), &Graph3DSetting("LightMu")};

static_assert(std::size(kGraphInts) + std::size(kGraphDoubles) + 2 * std::size(kGraphRanges) +
                      std::size(kLightKeys) ==
                  std::size(kGraph3DDefKeys),
              "every Graph3DDef value is read and written");

}  // namespace

void ReadPlot3DDefaults(const SettingsStore& store, CPlot3D& plot) {
  ReadBound<CPlot3D, std::int32_t>(store, kPlotInts, plot);
  ReadBound<CPlot3D, double>(store, kPlotDoubles, plot);
}

void WritePlot3DDefaults(SettingsStore& store, const CPlot3D& plot) {
  WriteBound<CPlot3D, std::int32_t>(store, kPlotInts, plot);
  WriteBound<CPlot3D, double>(store, kPlotDoubles, plot);
}

void ReadGraph3DTemplate(const SettingsStore& store, CGraph3D& graph) {
  for (const RangeKeys& range : kGraphRanges) {
    (graph.*range.set)(ReadDoubleSetting(store, *range.min),
                       ReadDoubleSetting(store, *range.max));
  }
  ReadBound<CGraph3D, std::int32_t>(store, kGraphInts, graph);
  ReadBound<CGraph3D, double>(store, kGraphDoubles, graph);
  graph.SetLight(ReadDoubleSetting(store, *kLightKeys[0]),
                 ReadDoubleSetting(store, *kLightKeys[1]),
                 ReadDoubleSetting(store, *kLightKeys[2]));
}

void WriteGraph3DTemplate(SettingsStore& store, const CGraph3D& graph) {
  for (const RangeKeys& range : kGraphRanges) {
    WriteDoubleSetting(store, *range.min, (graph.*range.getMin)());
    WriteDoubleSetting(store, *range.max, (graph.*range.getMax)());
  }
  WriteBound<CGraph3D, std::int32_t>(store, kGraphInts, graph);
  WriteBound<CGraph3D, double>(store, kGraphDoubles, graph);
  WriteDoubleSetting(store, *kLightKeys[0], graph.LightTheta());
  WriteDoubleSetting(store, *kLightKeys[1], graph.LightPhi());
  WriteDoubleSetting(store, *kLightKeys[2], graph.LightMu());
}

}  // namespace orvella
