// The settings the project document keeps for the whole run: read once when the document
// is built, some written back when the program ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/data_view_layout.h"

namespace orvella {

class CCalcEngine;
namespace platform {
class SettingsStore;
}

// The statistics output bits and the fit options of the data-analysis commands.
struct DataAnalysisOptions {
  std::int32_t outputBits = 2000;
  std::int32_t autoPlot = 1;
  std::int32_t prompt = 0;
  std::int32_t maxIterations = 100;
  std::int32_t logOutput = 1;
};

// What a new solver model starts with.
struct SolverModelDefaults {
  double max = 1E300;
  double min = -1E300;
  std::int32_t steps = 200;
  std::int32_t decimalPlaces = 5;
};

struct PlotCopySettings {
  std::int32_t format = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A model the user fitted recently, offered again by the nonlinear fit.
struct RecentFitModel {
  std::string listName;
  std::string name;
  std::string equation;
  // Kept with the record; never filled.
  std::string spare1;
  std::string spare2;
};

inline constexpr int kMaxFavouriteFunctions = 20;
inline constexpr int kMaxRecentFits = 10;

struct DocumentSettings {
  std::vector<std::string> favouriteFunctions;
  std::vector<RecentFitModel> recentFits;
  DataAnalysisOptions dataAnalysis;
  SolverModelDefaults solverDefaults;
  std::int32_t confirmDelete = 63;
  std::int32_t confirmOverwrite = 63;
  PlotCopySettings plotCopy;
  std::int32_t autoOpenLastProject = 1;
  std::int32_t explorerWidth = 175;
  DataViewLayouts viewLayouts = kBuiltInDataViewLayouts;
};

// Missing values take their defaults; a view layout stored with another length keeps the
// built-in layout fitted to a screen `screenHeight` pixels high.
DocumentSettings ReadDocumentSettings(const platform::SettingsStore& store,
                                      std::int32_t screenHeight);

// The number settings of the worksheet's engine (format, places, angle mode, input base,
// solver steps and places).
void ReadCalculationSettings(const platform::SettingsStore& store, CCalcEngine& engine);

// What the program writes when it ends: the view layouts, recent fits, favourite functions,
// explorer width, the open project's path (empty for an unsaved one), the auto-open flag
// and the engine's solver settings.
void WriteExitSettings(platform::SettingsStore& store, const DocumentSettings& settings,
                       std::string_view lastOpenFile, const CCalcEngine& engine);

}  // namespace orvella
