// The settings store: every value comes back as written, in memory and through the file;
// whatever is wrong with a value or the file reads as the default; and a save never leaves a
// damaged file or loses the values of another running copy.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/memory_settings_store.h"
#include "platform/file_io.h"
#include "platform/ini_settings_store.h"
#include "platform/user_locations.h"

namespace orvella::platform {
namespace {

namespace fs = std::filesystem;

// A private folder for each test, named to the store through ORVELLA_HOME as the program
// would see it, so no test can reach the real home directory.
class SettingsFolderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orvella-settings-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    ASSERT_EQ(setenv("ORVELLA_HOME", folder_.c_str(), 1), 0);
  }
  void TearDown() override {
    unsetenv("ORVELLA_HOME");
    fs::remove_all(folder_);
  }

  fs::path SettingsFile() const { return folder_ / kSettingsFileName; }

  void WriteFile(const std::string& content) const {
    std::ofstream(SettingsFile(), std::ios::binary) << content;
  }

  std::string FileContent() const {
    return ReadFileUpTo(SettingsFile(), 1 << 26).value_or("<unreadable>");
  }

  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path folder_;
};

// ---- Both stores: the same reading rules ----

template <typename Store>
class StoreKindTest : public SettingsFolderFixture {
 protected:
  std::unique_ptr<SettingsStore> Make() const {
    if constexpr (std::is_same_v<Store, IniSettingsStore>) {
      return std::make_unique<IniSettingsStore>(SettingsFile());
    } else {
      return std::make_unique<Store>();
    }
  }
};

using StoreKinds = ::testing::Types<MemorySettingsStore, IniSettingsStore>;
TYPED_TEST_SUITE(StoreKindTest, StoreKinds);

TYPED_TEST(StoreKindTest, AbsentValuesReadAsTheirDefaults) {
  auto store = this->Make();
  EXPECT_EQ(store->ReadInt("Layout", "TreeViewWidth", 175), 175);
  EXPECT_EQ(store->ReadText("Workspace", "FontFaceName", "Arial"), "Arial");
  EXPECT_EQ(store->ReadDouble("SolverModel", "Min", -1E300), -1E300);
  EXPECT_EQ(store->ReadBinary("Layout", "MainFrame", 44), std::nullopt);
  const Bytes builtIn(44, 7);
  EXPECT_EQ(store->ReadRecord("DataViews", "DataType3", builtIn), builtIn);
  // Another value of a section that exists is still absent.
  store->WriteInt("Layout", "TreeVisible", 0);
  EXPECT_EQ(store->ReadInt("Layout", "TreeViewWidth", 175), 175);
}

TYPED_TEST(StoreKindTest, BinaryValuesOfAnotherLengthReadAsTheDefault) {
  auto store = this->Make();
  store->WriteBinary("DataViews", "DataType0", Bytes(40, 1));
  store->WriteBinary("SolverModel", "Max", Bytes(7, 0));
  store->WriteBinary("SolverModel", "Min", Bytes(9, 0));
  const Bytes builtIn(44, 7);
  EXPECT_EQ(store->ReadRecord("DataViews", "DataType0", builtIn), builtIn);
  EXPECT_EQ(store->ReadBinary("DataViews", "DataType0", 44), std::nullopt);
  EXPECT_EQ(store->ReadBinary("DataViews", "DataType0", 40), Bytes(40, 1));
  EXPECT_EQ(store->ReadDouble("SolverModel", "Max", 1E300), 1E300);
  EXPECT_EQ(store->ReadDouble("SolverModel", "Min", -1E300), -1E300);
}

TYPED_TEST(StoreKindTest, AValueReadAsAnotherKindReadsAsTheDefault) {
  auto store = this->Make();
  store->WriteText("Calculation", "DecimalPlaces", "five");
  store->WriteDouble("Calculation", "NumberBase", 16.0);
  store->WriteInt("SolverModel", "Min", 3);
  store->WriteText("SolverModel", "Max", "hex:0000000000000000");
  store->WriteBinary("Workspace", "FontFaceName", Bytes{'A', 'r'});
  EXPECT_EQ(store->ReadInt("Calculation", "DecimalPlaces", 5), 5);
  EXPECT_EQ(store->ReadText("Workspace", "FontFaceName", "Arial"), "Arial");
  EXPECT_EQ(store->ReadInt("Calculation", "NumberBase", 10), 10);
  EXPECT_EQ(store->ReadDouble("SolverModel", "Min", -1E300), -1E300);
  // A text that looks like a binary value stays a text.
  EXPECT_EQ(store->ReadDouble("SolverModel", "Max", 1E300), 1E300);
  EXPECT_EQ(store->ReadText("SolverModel", "Max", ""), "hex:0000000000000000");
}

TYPED_TEST(StoreKindTest, NamesAreFoundWithoutRegardToCase) {
  auto store = this->Make();
  store->WriteInt("Plot2DDef", "xmin", -10);
  store->WriteInt("PLOT2DDEF", "XMIN", -5);  // the same value, overwritten
  EXPECT_EQ(store->ReadInt("plot2ddef", "XMin", 0), -5);
  store->WriteText("Recent File List", "File1", "a.ovp");
  EXPECT_EQ(store->ReadText("recent file list", "FILE1", ""), "a.ovp");
}

TYPED_TEST(StoreKindTest, WritesWithoutANameAreIgnored) {
  auto store = this->Make();
  store->WriteInt("", "Count", 3);
  store->WriteInt("RecentFit", "", 3);
  EXPECT_EQ(store->ReadInt("", "Count", 0), 0);
  EXPECT_EQ(store->ReadInt("RecentFit", "", 0), 0);
  EXPECT_TRUE(store->Save());
}

// ---- The file: every value survives a save and a fresh start ----

class IniSettingsStoreTest : public SettingsFolderFixture {};

struct TextCase {
  const char* name;
  std::string text;
};

std::vector<TextCase> AwkwardTexts() {
  return {
      {"Empty", ""},
      {"Path", "/home/user/My Projects/fit=1;2.ovp"},
      {"Utf8", "Gr\xC3\xBC\xC3\x9F" "e \xE2\x88\x9A\xCF\x80 \xF0\x9F\x93\x88"},
      {"LineEnds", "one\ntwo\r\nthree\r"},
      {"Backslashes", "C:\\1temp\\users.dat \\n \\x41 \\"},
      {"EdgeBlanks", "  padded\t "},
      {"LooksLikeAHeader", "[Options]"},
      {"LooksLikeAComment", ";not a comment"},
      {"LooksLikeBinary", "hex:00ff"},
      {"ControlBytes", std::string("a\0b\x01\x7f", 5)},
      {"NotUtf8", "\xFF\xFE caf\xE9"},
      {"Long", std::string(2'000'000, 'x') + "=end"},
  };
}

TEST_F(IniSettingsStoreTest, TextsSurviveTheFile) {
  const std::vector<TextCase> cases = AwkwardTexts();
  {
    IniSettingsStore store(SettingsFile());
    for (const TextCase& c : cases) store.WriteText("Texts", c.name, c.text);
    ASSERT_TRUE(store.Save());
  }
  IniSettingsStore reopened(SettingsFile());
  for (const TextCase& c : cases) {
    EXPECT_EQ(reopened.ReadText("Texts", c.name, "<default>"), c.text) << c.name;
  }
}

TEST_F(IniSettingsStoreTest, NumbersAndRecordsSurviveTheFile) {
  const std::vector<std::int32_t> ints = {0, -1, 63, 0xf2ffff, std::numeric_limits<int>::min(),
                                          std::numeric_limits<int>::max()};
  const std::vector<double> doubles = {-1E300, 1E300, -0.0, 5e-324, 0.1,
                                       std::numeric_limits<double>::infinity()};
  Bytes record(44);
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(i * 37);
  {
    IniSettingsStore store(SettingsFile());
    for (std::size_t i = 0; i < ints.size(); ++i) store.WriteInt("I", std::to_string(i), ints[i]);
    for (std::size_t i = 0; i < doubles.size(); ++i) {
      store.WriteDouble("D", std::to_string(i), doubles[i]);
    }
    store.WriteBinary("Layout", "MainFrame", record);
    store.WriteBinary("Layout", "Empty", {});
    ASSERT_TRUE(store.Save());
  }
  IniSettingsStore reopened(SettingsFile());
  for (std::size_t i = 0; i < ints.size(); ++i) {
    EXPECT_EQ(reopened.ReadInt("I", std::to_string(i), 12345), ints[i]) << i;
  }
  for (std::size_t i = 0; i < doubles.size(); ++i) {
    const double read = reopened.ReadDouble("D", std::to_string(i), 12345.0);
    EXPECT_EQ(read, doubles[i]) << i;
    EXPECT_EQ(std::signbit(read), std::signbit(doubles[i])) << i;
  }
  EXPECT_EQ(reopened.ReadRecord("Layout", "MainFrame", Bytes(44)), record);
  EXPECT_EQ(reopened.ReadBinary("Layout", "Empty", 0), Bytes());
}

TEST_F(IniSettingsStoreTest, NamesWithTheFileSyntaxInThemSurvive) {
  const std::vector<std::string> names = {"a=b", "[x]", ";c", "#d", " e ", "f\\g", "h\ni"};
  {
    IniSettingsStore store(SettingsFile());
    for (const std::string& name : names) {
      store.WriteText(name, name, "value of " + name);
    }
    ASSERT_TRUE(store.Save());
  }
  IniSettingsStore reopened(SettingsFile());
  for (const std::string& name : names) {
    EXPECT_EQ(reopened.ReadText(name, name, ""), "value of " + name) << name;
  }
}

// The file is for people too: plain lines, doubles as their 8 little-endian bytes (1.0 is
// 0x3FF0000000000000 in IEEE-754).
TEST_F(IniSettingsStoreTest, TheFileReadsAsPlainIni) {
  IniSettingsStore store(SettingsFile());
  store.WriteInt("Options", "ExitSuccess", 0);
  store.WriteText("Options", "LastOpenFile", "/p/a b.ovp");
  store.WriteDouble("SolverModel", "Max", 1.0);
  store.WriteText("Workspace", "FontFaceName", "two\nlines");
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(FileContent(),
            "[Options]\n"
            "ExitSuccess=0\n"
            "LastOpenFile=/p/a b.ovp\n"
            "\n"
            "[SolverModel]\n"
            "Max=hex:000000000000f03f\n"
            "\n"
            "[Workspace]\n"
            "FontFaceName=two\\nlines\n");
}

// ---- The file as people and accidents leave it ----

struct DamagedFileCase {
  const char* what;
  std::string content;
  std::int32_t expectedWidth;  // Layout/TreeViewWidth read with the default 175
};

TEST_F(IniSettingsStoreTest, DamagedFilesReadAsDefaultsWhereDamaged) {
  const std::string binaryGarbage = [] {
    std::string bytes;
    std::uint32_t state = 12345;
    for (int i = 0; i < 100'000; ++i) {
      state = state * 1103515245u + 12345u;
      bytes += static_cast<char>(state >> 24);
    }
    return bytes;
  }();
  const DamagedFileCase cases[] = {
      {"hand-edited with blanks", " [ Layout ] \n  TreeViewWidth  =  200  \n", 200},
      {"written on another system", "\xEF\xBB\xBF[Layout]\r\nTreeViewWidth=200\r\n", 200},
      {"comments and stray lines", "; c\n#c\n[Layout]\nnonsense\n=5\nTreeViewWidth=200", 200},
      {"a name given twice: the last counts", "[Layout]\nTreeViewWidth=1\ntreeviewwidth=200\n",
       200},
      {"not a number", "[Layout]\nTreeViewWidth=200px\n", 175},
      {"beyond 32 bits", "[Layout]\nTreeViewWidth=2147483648\n", 175},
      {"hex is not decimal", "[Layout]\nTreeViewWidth=0xc8\n", 175},
      {"empty value", "[Layout]\nTreeViewWidth=\n", 175},
      {"before any section", "TreeViewWidth=200\n[Layout]\n", 175},
      {"under a broken header", "[Layout]\n[]\nTreeViewWidth=200\n", 175},
      {"under a header with a broken escape", "[Lay\\qout]\nTreeViewWidth=200\n", 175},
      {"cut off in the header", "[Layout", 175},
      {"a NUL byte: no settings file", std::string("[Layout]\nTreeViewWidth=200\n\0", 29), 175},
      {"binary garbage", binaryGarbage, 175},
      {"one huge line", "[Layout]\nTreeViewWidth=" + std::string(3'000'000, '9') + "\n", 175},
      {"an empty file", "", 175},
  };
  for (const DamagedFileCase& c : cases) {
    WriteFile(c.content);
    IniSettingsStore store(SettingsFile());
    EXPECT_EQ(store.ReadInt("Layout", "TreeViewWidth", 175), c.expectedWidth) << c.what;
    // Whatever was read, the store still saves a file that reads back.
    store.WriteInt("Options", "ExitSuccess", 0);
    ASSERT_TRUE(store.Save()) << c.what;
    EXPECT_EQ(IniSettingsStore(SettingsFile()).ReadInt("Options", "ExitSuccess", 1), 0) << c.what;
  }
}

TEST_F(IniSettingsStoreTest, DamagedValuesReadAsDefaultsAndAreKeptAsTheyWere) {
  WriteFile(
      "[Workspace]\nFontFaceName=Bad\\q escape\nCommentColor=51200\n"
      "[SolverModel]\nMin=hex:123\nMax=hex:zz00000000000000\nSteps=hex:c800000000000000\n");
  IniSettingsStore store(SettingsFile());
  EXPECT_EQ(store.ReadText("Workspace", "FontFaceName", "Arial"), "Arial");
  EXPECT_EQ(store.ReadDouble("SolverModel", "Min", -1E300), -1E300);
  EXPECT_EQ(store.ReadDouble("SolverModel", "Max", 1E300), 1E300);
  EXPECT_EQ(store.ReadInt("SolverModel", "Steps", 200), 200);
  EXPECT_EQ(store.ReadInt("Workspace", "CommentColor", 0), 51200);
  // Saving does not "repair" what this copy never wrote: a person may still fix it by hand.
  store.WriteInt("Workspace", "FontSize", 14);
  ASSERT_TRUE(store.Save());
  const std::string saved = FileContent();
  EXPECT_NE(saved.find("FontFaceName=Bad\\q escape\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Min=hex:123\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("FontSize=14\n"), std::string::npos) << saved;
}

// ---- Saving ----

TEST_F(IniSettingsStoreTest, SavingKeepsWhatAnotherCopyWroteMeanwhile) {
  WriteFile("[Converter]\nLeft=10\n\n[ToolBar-Bar0]\nVisible=1\n");
  IniSettingsStore first(SettingsFile());
  IniSettingsStore second(SettingsFile());

  second.WriteInt("Layout", "TreeViewWidth", 300);
  second.WriteInt("Converter", "Left", 20);
  ASSERT_TRUE(second.Save());

  first.WriteInt("Options", "ExitSuccess", 1);
  first.WriteInt("Converter", "Left", 30);  // this copy wrote it last: its value counts
  ASSERT_TRUE(first.Save());

  IniSettingsStore after(SettingsFile());
  EXPECT_EQ(after.ReadInt("Layout", "TreeViewWidth", 175), 300);
  EXPECT_EQ(after.ReadInt("Options", "ExitSuccess", 0), 1);
  EXPECT_EQ(after.ReadInt("Converter", "Left", -1), 30);
  EXPECT_EQ(after.ReadInt("ToolBar-Bar0", "Visible", 0), 1);
  // After its save the first copy reads what the file now holds.
  EXPECT_EQ(first.ReadInt("Layout", "TreeViewWidth", 175), 300);
}

TEST_F(IniSettingsStoreTest, AFailedSaveLeavesNothingBehindAndKeepsTheWrites) {
  // The target is a folder, so the final rename must fail after the temporary file was
  // written.
  fs::create_directories(SettingsFile() / "occupied");
  IniSettingsStore store(SettingsFile());
  store.WriteInt("Options", "ExitSuccess", 0);
  EXPECT_FALSE(store.Save());
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{std::string(kSettingsFileName)});

  fs::remove_all(SettingsFile());
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(IniSettingsStore(SettingsFile()).ReadInt("Options", "ExitSuccess", 1), 0);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{std::string(kSettingsFileName)});
}

TEST_F(IniSettingsStoreTest, SavingCreatesTheFolder) {
  const fs::path nested = folder_ / "new" / "Orvella" / kSettingsFileName;
  IniSettingsStore store(nested);
  store.WriteText("Options", "LastOpenFile", "x.ovp");
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(IniSettingsStore(nested).ReadText("Options", "LastOpenFile", ""), "x.ovp");
}

TEST_F(IniSettingsStoreTest, TheUserStoreLivesInOrvellaHome) {
  const std::unique_ptr<IniSettingsStore> store = IniSettingsStore::OpenForUser();
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(store->file(), SettingsFile());
}

TEST(MemorySettingsStoreTest, CountsSavesForTestsOfWhenValuesAreMadeDurable) {
  MemorySettingsStore store;
  store.WriteInt("Options", "ExitSuccess", 0);
  EXPECT_EQ(store.WritesSinceSave(), 1);
  EXPECT_TRUE(store.Save());
  EXPECT_EQ(store.SaveCount(), 1);
  EXPECT_EQ(store.WritesSinceSave(), 0);
  EXPECT_EQ(store.ReadInt("Options", "ExitSuccess", 1), 0);
}

// ---- Where the file lives ----

struct LocationCase {
  const char* what;
  std::map<std::string, std::string> environment;
  std::optional<fs::path> expected;
};

TEST(SettingsFolderTest, FollowsTheOverrideThenTheXdgRulesThenHome) {
  const LocationCase cases[] = {
      {"override wins", {{"ORVELLA_HOME", "/o"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}},
       fs::path("/o")},
      {"portable override may be relative", {{"ORVELLA_HOME", "portable"}}, fs::path("portable")},
      {"empty override is unset", {{"ORVELLA_HOME", ""}, {"XDG_CONFIG_HOME", "/x"}},
       fs::path("/x/Orvella")},
      {"relative XDG folder is ignored", {{"XDG_CONFIG_HOME", "rel"}, {"HOME", "/h"}},
       fs::path("/h/.config/Orvella")},
      {"home alone", {{"HOME", "/h"}}, fs::path("/h/.config/Orvella")},
      {"nothing known", {{"HOME", ""}}, std::nullopt},
  };
  for (const LocationCase& c : cases) {
    const EnvironmentLookup lookup = [&c](std::string_view name) -> std::optional<std::string> {
      const auto found = c.environment.find(std::string(name));
      if (found == c.environment.end()) return std::nullopt;
      return found->second;
    };
    EXPECT_EQ(SettingsFolder(lookup), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace orvella::platform
