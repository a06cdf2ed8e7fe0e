// The settings table read and written through a store: defaults from an empty store, each
// range rule on stored numbers, records of the wrong length, and numbered names formed as
// the stored files spell them.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "platform/fake/memory_settings_store.h"
#include "platform/settings_keys.h"

namespace orvella::platform {
namespace {

TEST(SettingsKeysTest, EmptyStoreReadsTheDefaults) {
  const MemorySettingsStore store;
  EXPECT_EQ(ReadIntSetting(store, Setting("Options", "ExitSuccess")), 1);
  EXPECT_EQ(ReadIntSetting(store, Setting("Options", "ConfirmDelete")), 63);
  EXPECT_EQ(ReadIntSetting(store, Setting("Layout", "TreeViewWidth")), 175);
  EXPECT_EQ(ReadIntSetting(store, Setting("Workspace", "CommentColor")), 51200);
  EXPECT_EQ(ReadIntSetting(store, Setting("Converter", "Left")), -1);
  EXPECT_EQ(ReadTextSetting(store, Setting("Workspace", "FontFaceName")), "Arial");
  EXPECT_EQ(ReadTextSetting(store, Setting("Recent File List", "File%d"), 4), "");
  EXPECT_EQ(ReadDoubleSetting(store, Setting("SolverModel", "Min")), -1E300);
  EXPECT_EQ(ReadDoubleSetting(store, Setting("SolverModel", "Max")), 1E300);
  EXPECT_EQ(ReadRecordSetting(store, Setting("Layout", "MainFrame")), std::nullopt);
}

TEST(SettingsKeysTest, RangeRulesReplaceStoredNumbers) {
  struct Case {
    const SettingKey& key;
    std::int32_t stored;
    std::int32_t read;
  };
  const Case cases[] = {
      {Setting("Calculation", "DecimalPlaces"), 20, 2},
      {Setting("Calculation", "DecimalPlaces"), -1, 2},
      {Setting("Calculation", "DecimalPlaces"), 16, 16},
      {Setting("Calculation", "DecimalPlaces"), 0, 0},
      {Setting("Calculation", "SolverDecimalPlaces"), 17, 2},
      {Setting("Calculation", "NumberBase"), 1, 2},
      {Setting("Calculation", "NumberBase"), 37, 36},
      {Setting("Calculation", "NumberBase"), 16, 16},
      {Setting("Calculation", "SolverSteps"), 0, 1},
      {Setting("Calculation", "SolverSteps"), 10001, 10000},
      {Setting("RecentFit", "Count"), 15, 10},
      {Setting("RecentFit", "Count"), -3, 0},
      {Setting("Converter", "Top"), -500, -500},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store;
    store.WriteInt(c.key.section, c.key.name, c.stored);
    EXPECT_EQ(ReadIntSetting(store, c.key), c.read) << c.key.name << " = " << c.stored;
  }
}

TEST(SettingsKeysTest, BinaryValuesOfTheWrongLengthReadAsDefaults) {
  const SettingKey& layout = Setting("DataViews", "DataType%d");
  const SettingKey& min = Setting("SolverModel", "Min");
  MemorySettingsStore store;
  store.WriteBinary("DataViews", "DataType3", Bytes(40, 7));
  store.WriteBinary("DataViews", "DataType4", Bytes(44, 7));
  store.WriteBinary("SolverModel", "Min", Bytes(4, 0));
  EXPECT_EQ(ReadRecordSetting(store, layout, 3), std::nullopt);
  EXPECT_EQ(ReadRecordSetting(store, layout, 4), Bytes(44, 7));
  EXPECT_EQ(ReadDoubleSetting(store, min), -1E300);
}

TEST(SettingsKeysTest, WritesUseTheStoredNamesAndReadBack) {
  MemorySettingsStore store;
  WriteTextSetting(store, Setting("RecentFit%d", "Equation"), "y = a*x", 9);
  WriteTextSetting(store, Setting("FavFunctions", "%d"), "sin", 19);
  WriteTextSetting(store, Setting("Recent File List", "File%d"), "a.ovp", 1);
  WriteDoubleSetting(store, Setting("SolverModel", "Max"), 2.5);
  WriteRecordSetting(store, Setting("DataViews", "DataType%d"), Bytes(44, 1), 15);
  EXPECT_EQ(store.ReadText("RecentFit9", "Equation", ""), "y = a*x");
  EXPECT_EQ(store.ReadText("FavFunctions", "19", ""), "sin");
  EXPECT_EQ(store.ReadText("Recent File List", "File1", ""), "a.ovp");
  EXPECT_EQ(store.ReadDouble("SolverModel", "Max", 0), 2.5);
  EXPECT_EQ(store.ReadBinary("DataViews", "DataType15", 44), Bytes(44, 1));

  // A stored number outside the rule is kept as written; only reading replaces it.
  WriteIntSetting(store, Setting("Calculation", "NumberBase"), 40);
  EXPECT_EQ(store.ReadInt("Calculation", "NumberBase", 0), 40);
}

TEST(SettingsKeysTest, MisuseOfARowThrows) {
  MemorySettingsStore store;
  const SettingKey& files = Setting("Recent File List", "File%d");
  EXPECT_THROW(ReadTextSetting(store, files), std::invalid_argument);
  EXPECT_THROW(ReadTextSetting(store, files, 0), std::invalid_argument);
  EXPECT_THROW(ReadTextSetting(store, files, 5), std::invalid_argument);
  EXPECT_THROW(ReadIntSetting(store, Setting("Layout", "TreeVisible"), 1),
               std::invalid_argument);
  EXPECT_THROW(ReadIntSetting(store, Setting("Workspace", "FontFaceName")),
               std::invalid_argument);
  EXPECT_THROW(WriteRecordSetting(store, Setting("Layout", "MainFrame"), Bytes(40)),
               std::invalid_argument);
}

}  // namespace
}  // namespace orvella::platform
