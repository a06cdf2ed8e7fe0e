// The settings the document reads at start and writes at exit.
#include <gtest/gtest.h>

#include <string>

#include "engine/calc_engine.h"
#include "platform/fake/memory_settings_store.h"
#include "project/document_settings.h"

namespace orvella {
namespace {

TEST(DocumentSettingsTest, AFirstStartHasEveryDefault) {
  const platform::MemorySettingsStore empty;
  const DocumentSettings settings = ReadDocumentSettings(empty, 768);
  EXPECT_EQ(settings.explorerWidth, 175);
  EXPECT_EQ(settings.confirmDelete, 63);
  EXPECT_EQ(settings.confirmOverwrite, 63);
  EXPECT_EQ(settings.autoOpenLastProject, 1);
  EXPECT_EQ(settings.dataAnalysis.outputBits, 2000);
  EXPECT_EQ(settings.dataAnalysis.maxIterations, 100);
  EXPECT_EQ(settings.solverDefaults.min, -1E300);
  EXPECT_EQ(settings.solverDefaults.max, 1E300);
  EXPECT_EQ(settings.solverDefaults.steps, 200);
  EXPECT_TRUE(settings.favouriteFunctions.empty());
  EXPECT_TRUE(settings.recentFits.empty());
  EXPECT_EQ(settings.viewLayouts, StartupDataViewLayouts(768));
  // 768 * 5/11 = 349 pixels a pane; the 2-D graph's plot pane has 1.3 times that.
  EXPECT_EQ(settings.viewLayouts[0].paneSize[0], 349);
  EXPECT_EQ(settings.viewLayouts[3].paneSize[1], 453);
}

TEST(DocumentSettingsTest, StoredValuesWinAndBadOnesAreIgnored) {
  platform::MemorySettingsStore store;
  DataViewLayout listLayout = kBuiltInDataViewLayouts[1];
  listLayout.columnWidth[0] = 222;
  store.WriteBinary("DataViews", "DataType1", EncodeLayout(listLayout));
  // A record of another length is not a layout.
  store.WriteBinary("DataViews", "DataType2", platform::Bytes(40, 1));
  store.WriteInt("RecentFit", "Count", 15);
  for (int i = 0; i < 12; ++i) {
    const std::string section = "RecentFit" + std::to_string(i);
    store.WriteText(section, "Name", "fit" + std::to_string(i));
    // One record without an equation cannot be offered again.
    store.WriteText(section, "Equation", i == 3 ? "" : "a*x");
  }
  store.WriteInt("FavFunctions", "Count", 2);
  store.WriteText("FavFunctions", "0", "SIN");
  store.WriteText("FavFunctions", "1", "COS");

  const DocumentSettings settings = ReadDocumentSettings(store, 768);
  EXPECT_EQ(settings.viewLayouts[1].columnWidth[0], 222);
  EXPECT_EQ(settings.viewLayouts[2], StartupDataViewLayouts(768)[2]);
  ASSERT_EQ(settings.recentFits.size(), 9u);
  EXPECT_EQ(settings.recentFits[3].name, "fit4");
  EXPECT_EQ(settings.recentFits.back().name, "fit9");
  EXPECT_EQ(settings.favouriteFunctions, (std::vector<std::string>{"SIN", "COS"}));
}

TEST(DocumentSettingsTest, CalculationSettingsReachTheEngineThroughTheirRules) {
  platform::MemorySettingsStore store;
  store.WriteInt("Calculation", "NumberFormat", 3);
  store.WriteInt("Calculation", "DecimalPlaces", 20);
  store.WriteInt("Calculation", "AngleMode", 0);
  store.WriteInt("Calculation", "NumberBase", 1);
  store.WriteInt("Calculation", "SolverSteps", 0);
  CCalcEngine engine;
  ReadCalculationSettings(store, engine);
  EXPECT_EQ(engine.ResultFormat().Type(), NumberFormatType::Scientific);
  EXPECT_EQ(engine.ResultFormat().DecimalPlaces(), 2);
  EXPECT_EQ(engine.GetAngleMode(), AngleMode::Degrees);
  EXPECT_EQ(engine.InputBase(), 2);
  EXPECT_EQ(engine.SolverSteps(), 1);
  EXPECT_EQ(engine.SolverDecimalPlaces(), 5);
}

TEST(DocumentSettingsTest, LayoutsRoundTripThroughTheirStoredForm) {
  for (const DataViewLayout& layout : StartupDataViewLayouts(1080)) {
    const auto bytes = EncodeLayout(layout);
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(DecodeLayout(bytes), layout);
  }
  DataViewLayout negative = kBuiltInDataViewLayouts[0];
  negative.paneSize[2] = -7;
  const auto bytes = EncodeLayout(negative);
  EXPECT_EQ(bytes[0], 9);  // little-endian: viewFlags first, low byte first
  EXPECT_EQ(DecodeLayout(bytes), negative);
}

}  // namespace
}  // namespace orvella
