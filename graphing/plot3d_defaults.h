// The settings behind the 3-D plot defaults and the 3-D graph template: every value with
// its default and range rule, and reading and writing them. The document reads both at
// start-up; "Set As Default" writes them.
#pragma once

#include <span>
#include <stdexcept>
#include <string_view>

#include "graphing/graph3d.h"
#include "graphing/plot3d.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"

namespace orvella {

inline constexpr std::string_view kPlot3DDefSection = "Plot3DDef";
inline constexpr std::string_view kGraph3DDefSection = "Graph3DDef";

namespace plot3d_settings {

using platform::setting_rows::Clamped;
using platform::setting_rows::Double;
using platform::setting_rows::Int;
using platform::setting_rows::OutsideBecomes;

// The range rules keep a hand-edited value from breaking the picture: an unknown axis
// type, a viewport outside 1..100 percent, an ambient share outside 0..100 percent, or a
// series of no views (or of so many that each would be a dot).
inline constexpr platform::SettingKey kPlot3DDefKeys[] = {
    OutsideBecomes(Int(kPlot3DDefSection, "AxisType", 1), 0, 2, 1),
    Int(kPlot3DDefSection, "Boxed", 0),
    Int(kPlot3DDefSection, "ShowTicks", 1),
    Int(kPlot3DDefSection, "ShowTickLabels", 1),
    Int(kPlot3DDefSection, "ShowAxisLabels", 1),
    Int(kPlot3DDefSection, "AxisLineStyle", kPenSolid),
    Int(kPlot3DDefSection, "AxisLineColor", kColourBlack),
    Int(kPlot3DDefSection, "AxisLineWidth", 1),
    Int(kPlot3DDefSection, "BackColor", kColourWhite),
    OutsideBecomes(Int(kPlot3DDefSection, "ViewportSize", 80), 1, 100, 80),
    Clamped(Int(kPlot3DDefSection, "AmbientLight", 20), 0, 100),
    Clamped(Int(kPlot3DDefSection, "Views", 1), 1, 100),
    Double(kPlot3DDefSection, "DeltaTheta", kTwelfthOfPi),
    Double(kPlot3DDefSection, "DeltaPhi", kTwelfthOfPi),
    Double(kPlot3DDefSection, "DeltaMu", 1000.0),
};

// The template's own defaults differ from a bare graph's: lit style with grid, resolution
// 60. A stored style outside 0..5 reads as the default style.
inline constexpr platform::SettingKey kGraph3DDefKeys[] = {
    Double(kGraph3DDefSection, "xmin", -3.0),
    Double(kGraph3DDefSection, "xmax", 3.0),
    Double(kGraph3DDefSection, "ymin", -3.0),
    Double(kGraph3DDefSection, "ymax", 3.0),
    Double(kGraph3DDefSection, "zmin", -3.0),
    Double(kGraph3DDefSection, "zmax", 3.0),
    Int(kGraph3DDefSection, "AutoSize", 1),
    Int(kGraph3DDefSection, "LineColor", kColourBlack),
    Int(kGraph3DDefSection, "FillColor", kColourBlue),
    Int(kGraph3DDefSection, "LightColor", kColourWhite),
    OutsideBecomes(Int(kGraph3DDefSection, "GridFillStyle", kFillLitWithGrid), 0, 5,
                   kFillLitWithGrid),
    Clamped(Int(kGraph3DDefSection, "GridResolution", 60), 0, kMaxResolution),
    Double(kGraph3DDefSection, "ViewTheta", kThirdOfPi),
    Double(kGraph3DDefSection, "ViewPhi", kThirdOfPi),
    Double(kGraph3DDefSection, "ViewMu", 1000.0),
    Double(kGraph3DDefSection, "LightTheta", kThirdOfPi),
    Double(kGraph3DDefSection, "LightPhi", kThirdOfPi),
    Double(kGraph3DDefSection, "LightMu", 1000.0),
};

consteval const platform::SettingKey& Find(std::span<const platform::SettingKey> keys,
                                           std::string_view name) {
  for (const platform::SettingKey& key : keys) {
    if (key.name == name) return key;
  }
  throw std::invalid_argument("no such setting");
}

}  // namespace plot3d_settings

using plot3d_settings::kGraph3DDefKeys;
using plot3d_settings::kPlot3DDefKeys;

// The row of a value, found at compile time so a misspelt name does not build.
consteval const platform::SettingKey& Plot3DSetting(std::string_view name) {
  return plot3d_settings::Find(kPlot3DDefKeys, name);
}
consteval const platform::SettingKey& Graph3DSetting(std::string_view name) {
  return plot3d_settings::Find(kGraph3DDefKeys, name);
}

// Into the drawing options that CPlot3D::CopySettings copies; the graphs, window and
// current graph are left alone.
void ReadPlot3DDefaults(const platform::SettingsStore& store, CPlot3D& plot);
void WritePlot3DDefaults(platform::SettingsStore& store, const CPlot3D& plot);

// Through the graph's setters: a stored domain or range pair with min >= max is ignored
// and the template keeps its own. The expression is not part of the template.
void ReadGraph3DTemplate(const platform::SettingsStore& store, CGraph3D& graph);
void WriteGraph3DTemplate(platform::SettingsStore& store, const CGraph3D& graph);

}  // namespace orvella
