#include "project/document_settings.h"

#include <algorithm>

#include "engine/calc_engine.h"
#include "engine/calculation_settings.h"
#include "platform/settings_keys.h"

namespace orvella {
namespace {

using platform::ReadDoubleSetting;
using platform::ReadIntSetting;
using platform::ReadRecordSetting;
using platform::ReadTextSetting;
using platform::Setting;
using platform::SettingsStore;

std::vector<std::string> ReadFavouriteFunctions(const SettingsStore& store) {
  const int count =
      std::clamp(ReadIntSetting(store, Setting("FavFunctions", "Count")), 0, kMaxFavouriteFunctions);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string name = ReadTextSetting(store, Setting("FavFunctions", "%d"), i);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

// A record without a name or an equation could not be offered, so it is skipped.
std::vector<RecentFitModel> ReadRecentFits(const SettingsStore& store) {
  const int count = ReadIntSetting(store, Setting("RecentFit", "Count"));
  std::vector<RecentFitModel> fits;
  for (int i = 0; i < count; ++i) {
    RecentFitModel fit;
    fit.name = ReadTextSetting(store, Setting("RecentFit%d", "Name"), i);
    fit.equation = ReadTextSetting(store, Setting("RecentFit%d", "Equation"), i);
    fit.listName = ReadTextSetting(store, Setting("RecentFit%d", "ListName"), i);
    if (!fit.name.empty() && !fit.equation.empty()) fits.push_back(std::move(fit));
  }
  return fits;
}

DataViewLayouts ReadViewLayouts(const SettingsStore& store, std::int32_t screenHeight) {
  DataViewLayouts layouts = StartupDataViewLayouts(screenHeight);
  for (int kind = 0; kind < kDataViewLayoutCount; ++kind) {
    const auto bytes = ReadRecordSetting(store, Setting("DataViews", "DataType%d"), kind);
    if (!bytes) continue;
    if (const auto layout = DecodeLayout(*bytes)) layouts[kind] = *layout;
  }
  return layouts;
}

DataAnalysisOptions ReadDataAnalysis(const SettingsStore& store) {
  DataAnalysisOptions options;
  options.outputBits = ReadIntSetting(store, Setting("DataAnalysis", "Options"));
  options.autoPlot = ReadIntSetting(store, Setting("DataAnalysis", "AutoPlot"));
  options.prompt = ReadIntSetting(store, Setting("DataAnalysis", "Prompt"));
  options.maxIterations = ReadIntSetting(store, Setting("DataAnalysis", "MaxIters"));
  options.logOutput = ReadIntSetting(store, Setting("DataAnalysis", "LogOutput"));
  return options;
}

SolverModelDefaults ReadSolverDefaults(const SettingsStore& store) {
  SolverModelDefaults defaults;
  defaults.min = ReadDoubleSetting(store, Setting("SolverModel", "Min"));
  defaults.max = ReadDoubleSetting(store, Setting("SolverModel", "Max"));
  defaults.steps = ReadIntSetting(store, Setting("SolverModel", "Steps"));
  defaults.decimalPlaces = ReadIntSetting(store, Setting("SolverModel", "DecimalPlaces"));
  return defaults;
}

void WriteFavouriteFunctions(SettingsStore& store, const std::vector<std::string>& names) {
  const int count = std::min<int>(static_cast<int>(names.size()), kMaxFavouriteFunctions);
  platform::WriteIntSetting(store, Setting("FavFunctions", "Count"), count);
  for (int i = 0; i < count; ++i) {
    platform::WriteTextSetting(store, Setting("FavFunctions", "%d"), names[i], i);
  }
}

void WriteRecentFits(SettingsStore& store, const std::vector<RecentFitModel>& fits) {
  const int count = std::min<int>(static_cast<int>(fits.size()), kMaxRecentFits);
  platform::WriteIntSetting(store, Setting("RecentFit", "Count"), count);
  for (int i = 0; i < count; ++i) {
    platform::WriteTextSetting(store, Setting("RecentFit%d", "Name"), fits[i].name, i);
    platform::WriteTextSetting(store, Setting("RecentFit%d", "Equation"), fits[i].equation, i);
    platform::WriteTextSetting(store, Setting("RecentFit%d", "ListName"), fits[i].listName, i);
  }
}

}  // namespace

DocumentSettings ReadDocumentSettings(const SettingsStore& store, std::int32_t screenHeight) {
  DocumentSettings settings;
  settings.favouriteFunctions = ReadFavouriteFunctions(store);
  settings.recentFits = ReadRecentFits(store);
  settings.dataAnalysis = ReadDataAnalysis(store);
  settings.solverDefaults = ReadSolverDefaults(store);
  settings.confirmDelete = ReadIntSetting(store, Setting("Options", "ConfirmDelete"));
  settings.confirmOverwrite = ReadIntSetting(store, Setting("Options", "ConfirmOverwrite"));
  settings.plotCopy = {ReadIntSetting(store, Setting("PlotCopy", "Format")),
                       ReadIntSetting(store, Setting("PlotCopy", "Width")),
                       ReadIntSetting(store, Setting("PlotCopy", "Height"))};
  settings.autoOpenLastProject = ReadIntSetting(store, Setting("Options", "AutoOpenLastProject"));
  settings.explorerWidth = ReadIntSetting(store, Setting("Layout", "TreeViewWidth"));
  settings.viewLayouts = ReadViewLayouts(store, screenHeight);
  return settings;
}

void ReadCalculationSettings(const SettingsStore& store, CCalcEngine& engine) {
  namespace rules = calculation_settings;
  const int format = rules::NumberFormatFromSetting(
      ReadIntSetting(store, Setting("Calculation", "NumberFormat")));
  engine.ResultFormat().SetType(static_cast<NumberFormatType>(format));
  engine.ResultFormat().SetDecimalPlaces(
      ReadIntSetting(store, Setting("Calculation", "DecimalPlaces")));
  engine.SetAngleMode(static_cast<AngleMode>(
      rules::AngleModeFromSetting(ReadIntSetting(store, Setting("Calculation", "AngleMode")))));
  engine.SetInputBase(ReadIntSetting(store, Setting("Calculation", "NumberBase")));
  engine.SetSolverSteps(ReadIntSetting(store, Setting("Calculation", "SolverSteps")));
  engine.SetSolverDecimalPlaces(
      ReadIntSetting(store, Setting("Calculation", "SolverDecimalPlaces")));
}

void WriteExitSettings(SettingsStore& store, const DocumentSettings& settings,
                       std::string_view lastOpenFile, const CCalcEngine& engine) {
  for (int kind = 0; kind < kDataViewLayoutCount; ++kind) {
    platform::WriteRecordSetting(store, Setting("DataViews", "DataType%d"),
                                 EncodeLayout(settings.viewLayouts[kind]), kind);
  }
  WriteRecentFits(store, settings.recentFits);
  WriteFavouriteFunctions(store, settings.favouriteFunctions);
  platform::WriteIntSetting(store, Setting("Layout", "TreeViewWidth"), settings.explorerWidth);
  platform::WriteTextSetting(store, Setting("Options", "LastOpenFile"), lastOpenFile);
  platform::WriteIntSetting(store, Setting("Options", "AutoOpenLastProject"),
                            settings.autoOpenLastProject);
  platform::WriteIntSetting(store, Setting("Calculation", "SolverDecimalPlaces"),
                            engine.SolverDecimalPlaces());
  platform::WriteIntSetting(store, Setting("Calculation", "SolverSteps"), engine.SolverSteps());
}

}  // namespace orvella
