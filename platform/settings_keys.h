// Every settings value the program uses, as one table: where it lives, what kind it is, its
// default and the rule that replaces an out-of-range number. Owners read and write their
// values through this table so a default or a bound is stated once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace orvella::platform {

enum class SettingKind : std::uint8_t { kInt, kText, kDouble, kRecord };

enum class RangeRule : std::uint8_t {
  kAny,             // every stored number is used as it is
  kClamp,           // below lo reads as lo, above hi as hi
  kOutsideBecomes,  // anything outside [lo, hi] reads as `outside`
};

struct SettingKey {
  std::string_view section;
  // A numbered value has "%d" in its section or its name, standing for the numbers
  // first .. first + count - 1.
  std::string_view name;
  SettingKind kind = SettingKind::kInt;
  std::int32_t intDefault = 0;
  double doubleDefault = 0.0;
  std::string_view textDefault{};
  // Binary records only; their default is built by their owner, so it is not held here.
  std::size_t recordSize = 0;
  RangeRule rule = RangeRule::kAny;
  std::int32_t lo = 0;
  std::int32_t hi = 0;
  std::int32_t outside = 0;
  int first = 0;
  int count = 0;

  constexpr bool numbered() const { return count > 0; }
};

namespace setting_rows {

constexpr SettingKey Int(std::string_view section, std::string_view name,
                         std::int32_t fallback) {
  return {.section = section, .name = name, .kind = SettingKind::kInt, .intDefault = fallback};
}
constexpr SettingKey Text(std::string_view section, std::string_view name,
                          std::string_view fallback = {}) {
  return {.section = section, .name = name, .kind = SettingKind::kText, .textDefault = fallback};
}
constexpr SettingKey Double(std::string_view section, std::string_view name, double fallback) {
  return {.section = section, .name = name, .kind = SettingKind::kDouble,
          .doubleDefault = fallback};
}
constexpr SettingKey Record(std::string_view section, std::string_view name, std::size_t size) {
  return {.section = section, .name = name, .kind = SettingKind::kRecord, .recordSize = size};
}
constexpr SettingKey Clamped(SettingKey key, std::int32_t lo, std::int32_t hi) {
  key.rule = RangeRule::kClamp;
  key.lo = lo;
  key.hi = hi;
  return key;
}
constexpr SettingKey OutsideBecomes(SettingKey key, std::int32_t lo, std::int32_t hi,
                                    std::int32_t outside) {
  key.rule = RangeRule::kOutsideBecomes;
  key.lo = lo;
  key.hi = hi;
  key.outside = outside;
  return key;
}
constexpr SettingKey Numbered(SettingKey key, int first, int count) {
  key.first = first;
  key.count = count;
  return key;
}
// The same value in another section: the function plot and the data plot keep their
// defaults under the same names in two sections, as do the two graph templates.
constexpr SettingKey InSection(SettingKey key, std::string_view section) {
  key.section = section;
  return key;
}

// The table. The plot and graph defaults (Plot2DDef, PlotDataDef, Graph2DDef, DataGraphDef,
// Plot3DDef, Graph3DDef) are tables of their own beside the records they fill
// (graphing/), built from these same rows; the tool-bar sections belong to the tool-bar
// component.
inline constexpr SettingKey kAll[] = {
    Int("Options", "ExitSuccess", 1),
    Text("Options", "LastOpenFile"),
    Int("Options", "AutoOpenLastProject", 1),
    Int("Options", "ConfirmDelete", 63),
    Int("Options", "ConfirmOverwrite", 63),
    Numbered(Text("Recent File List", "File%d"), 1, 4),
    Int("Settings", "PreviewPages", 0),
    Record("Layout", "MainFrame", 44),
    Int("Layout", "TreeVisible", 1),
    Int("Layout", "TreeViewWidth", 175),
    Numbered(Record("DataViews", "DataType%d", 44), 0, 16),
    Int("Calculation", "NumberFormat", 0),
    OutsideBecomes(Int("Calculation", "DecimalPlaces", 5), 0, 16, 2),
    Int("Calculation", "AngleMode", 1),
    Clamped(Int("Calculation", "NumberBase", 10), 2, 36),
    Clamped(Int("Calculation", "SolverSteps", 200), 1, 10000),
    OutsideBecomes(Int("Calculation", "SolverDecimalPlaces", 5), 0, 16, 2),
    Double("SolverModel", "Min", -1E300),
    Double("SolverModel", "Max", 1E300),
    Int("SolverModel", "Steps", 200),
    Int("SolverModel", "DecimalPlaces", 5),
    Int("DataAnalysis", "Options", 2000),
    Int("DataAnalysis", "AutoPlot", 1),
    Int("DataAnalysis", "Prompt", 0),
    Int("DataAnalysis", "MaxIters", 100),
    Int("DataAnalysis", "LogOutput", 1),
    Clamped(Int("RecentFit", "Count", 0), 0, 10),
    Numbered(Text("RecentFit%d", "Name"), 0, 10),
    Numbered(Text("RecentFit%d", "Equation"), 0, 10),
    Numbered(Text("RecentFit%d", "ListName"), 0, 10),
    Int("FavFunctions", "Count", 0),
    Numbered(Text("FavFunctions", "%d"), 0, 20),
    Int("PlotCopy", "Format", 0),
    Int("PlotCopy", "Width", 0),
    Int("PlotCopy", "Height", 0),
    Int("Plot3D", "ResConfirm", 0),
    Int("Grid", "Editable", 1),
    Int("Grid", "BackColor", 0xffffff),
    Int("Grid", "EditableColor", 0xf2ffff),
    Int("Grid", "TextColor", 0),
    Int("Workspace", "DefaultColor", 0),
    Int("Workspace", "CommentColor", 51200),
    Int("Workspace", "PFColor", 0xc80000),
    Int("Workspace", "PCColor", 200),
    Int("Workspace", "UFColor", 0xc80000),
    Int("Workspace", "UCColor", 200),
    Int("Workspace", "VarColor", 200),
    Int("Workspace", "BackColor", 0xffffff),
    Int("Workspace", "PopupFunction", 0),
    Int("Workspace", "PopupOptions", 31),
    Int("Workspace", "FontSize", 14),
    Text("Workspace", "FontFaceName", "Arial"),
    Int("Converter", "StartupCategory", 0),
    Int("Converter", "LastCategory", 0),
    Int("Converter", "Visible", 0),
    Int("Converter", "Left", -1),
    Int("Converter", "Top", -1),
    Int("Converter", "IsBig", 0),
    Int("Converter", "LogResults", 1),
    Int("Converter", "RecentCount", 0),
    // The converter keeps at most 20 recent units.
    Numbered(Text("Converter", "Recent%d"), 0, 20),
    Int("FinanceBox", "Left", -1),
    Int("FinanceBox", "Top", -1),
    Int("FinanceBox", "Visible", 0),
};

}  // namespace setting_rows

inline constexpr auto& kSettingKeys = setting_rows::kAll;

// The row of a value, found at compile time so a misspelt name does not build.
consteval const SettingKey& Setting(std::string_view section, std::string_view name) {
  for (const SettingKey& key : kSettingKeys) {
    if (key.section == section && key.name == name) return key;
  }
  throw std::invalid_argument("no such setting");
}

constexpr std::int32_t ApplyRangeRule(const SettingKey& key, std::int32_t value) {
  switch (key.rule) {
    case RangeRule::kAny:
      return value;
    case RangeRule::kClamp:
      return value < key.lo ? key.lo : value > key.hi ? key.hi : value;
    case RangeRule::kOutsideBecomes:
      return value < key.lo || value > key.hi ? key.outside : value;
  }
  return value;
}

// Numbered values take their number as `index`; the others take none. Asking a row for the
// wrong kind, or a number outside its range, is a programming error and throws
// std::invalid_argument.
std::int32_t ReadIntSetting(const SettingsStore& store, const SettingKey& key,
                            std::optional<int> index = std::nullopt);
std::string ReadTextSetting(const SettingsStore& store, const SettingKey& key,
                            std::optional<int> index = std::nullopt);
double ReadDoubleSetting(const SettingsStore& store, const SettingKey& key,
                         std::optional<int> index = std::nullopt);
// None when the record is absent or stored with another length; the owner then uses its own
// built-in record.
std::optional<Bytes> ReadRecordSetting(const SettingsStore& store, const SettingKey& key,
                                       std::optional<int> index = std::nullopt);

// Writes store the value as given: the range rule applies when it is read back.
void WriteIntSetting(SettingsStore& store, const SettingKey& key, std::int32_t value,
                     std::optional<int> index = std::nullopt);
void WriteTextSetting(SettingsStore& store, const SettingKey& key, std::string_view value,
                      std::optional<int> index = std::nullopt);
void WriteDoubleSetting(SettingsStore& store, const SettingKey& key, double value,
                        std::optional<int> index = std::nullopt);
// The record must have the row's size.
void WriteRecordSetting(SettingsStore& store, const SettingKey& key, const Bytes& value,
                        std::optional<int> index = std::nullopt);

}  // namespace orvella::platform
