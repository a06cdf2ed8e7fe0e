// The user store file: its blocks round trip, stored texts are translated and validated
// again, and a damaged file is set aside whole instead of being half applied or lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "library/unit_relations.h"
#include "platform/fake/memory_settings_store.h"
#include "project/archive/archive.h"
#include "project/my_document.h"
#include "project/user_store_file.h"

namespace orvella {
namespace {

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class UserStoreTest : public ::testing::Test {
 protected:
  UserStoreTest() {
    InstallUserNames(&symbols);
    document.emplace(store, symbols);
    folder = std::filesystem::temp_directory_path() / ("orvella_users_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  ~UserStoreTest() override {
    document.reset();
    ResetUnitRelations();
    InstallUserNames(nullptr);
    std::filesystem::remove_all(folder);
  }

  CMyDocument& doc() { return *document; }

  void DefineOneOfEach() {
    ASSERT_EQ(symbols.DefineUserFunction(doc().Engine(), "sq(u) = u^2*1.5", false), kNoError);
    symbols.UserFunctions().back()->usageNote = "squares";
    symbols.UserConstants().push_back({"Answer", "m", "ans42", 42.0, 7.0});
    AddUserConversion("furlong", "m", 201.168);
    auto model = std::make_unique<CSolverModel>();
    ASSERT_EQ(model->SetEquation("v=a*t+v0*0.5"), kNoError);
    model->note = "speed";
    model->min = -10;
    model->max = 10;
    model->SetSolverDecimalPlaces(7);
    doc().Solvers().push_back(std::move(model));
    doc().UserLibrary().AddModel({"Mine", "Line", "a+b*x", "a line", ""});
  }

  void ForgetEverything() {
    for (int i = static_cast<int>(symbols.UserFunctions().size()) - 1; i >= 0; --i) {
      symbols.DeleteUserFunction(i);
    }
    symbols.UserConstants().clear();
    ResetUnitRelations();
    doc().Solvers().clear();
    doc().UserLibrary().Clear();
  }

  void ExpectOneOfEach() {
    ASSERT_EQ(symbols.UserFunctions().size(), 1u);
    EXPECT_EQ(symbols.UserFunctions()[0]->Definition(), "sq(u) = u^2*1.5");
    EXPECT_EQ(symbols.UserFunctions()[0]->usageNote, "squares");
    ASSERT_EQ(symbols.UserConstants().size(), 1u);
    EXPECT_EQ(symbols.UserConstants()[0].symbol, "ans42");
    EXPECT_EQ(symbols.UserConstants()[0].secondValue, 7.0);
    ASSERT_EQ(UserConversionCount(), 1);
    EXPECT_EQ(UserConversions()[0].factor, 201.168);
    ASSERT_EQ(doc().Solvers().size(), 1u);
    const CSolverModel& model = *doc().Solvers()[0];
    EXPECT_EQ(model.Equation(), "v=a*t+v0*0.5");
    EXPECT_EQ(model.note, "speed");
    EXPECT_EQ(model.max, 10);
    EXPECT_EQ(model.SolverDecimalPlaces(), 7);
    EXPECT_EQ(model.SolverSteps(), 200);
    ASSERT_EQ(model.Variables().size(), 4u);
    EXPECT_EQ(model.Variables()[0].name, "v");
    ASSERT_EQ(doc().UserLibrary().CategoryCount(), 1);
    EXPECT_EQ(doc().UserLibrary().Categories()[0].models[0].equation, "a+b*x");
  }

  platform::MemorySettingsStore store;
  CSymbolStore symbols;
  std::optional<CMyDocument> document;
  std::filesystem::path folder;
};

TEST_F(UserStoreTest, EveryBlockRoundTrips) {
  DefineOneOfEach();
  const std::string bytes = WriteUserStoreBytes(symbols, doc());
  ForgetEverything();
  const auto contents = ReadUserStoreBytes(bytes);
  ASSERT_TRUE(contents.has_value());
  ApplyUserStore(*contents, symbols, doc());
  ExpectOneOfEach();
  EXPECT_EQ(WriteUserStoreBytes(symbols, doc()), bytes);
}

TEST_F(UserStoreTest, StoredTextsAreTranslatedAndValidatedAgain) {
  ArchiveWriter out;
  out.WriteInt32(0);  // functions written under ','
  out.WriteInt32(2);
  for (const char* name : {"half", "sin"}) {  // a built-in name is refused
    out.WriteText(name);
    out.WriteText("u*0,5");
    out.WriteText("");
    out.WriteInt32(1);
    out.WriteText("u");
  }
  out.WriteInt32(1);
  out.WriteInt32(0);
  out.WriteInt32(1);
  out.WriteInt32(0);
  out.WriteInt32(2);
  for (const char* equation : {"y=MAX(x;0,5)", "="}) {  // the second has no sides
    out.WriteInt32(0);
    out.WriteText("");
    out.WriteText(equation);
    out.WriteText("");
    out.WriteDouble(-1);
    out.WriteDouble(1);
    out.WriteDouble(0);
    out.WriteInt32(5);
    out.WriteInt32(0);
    out.WriteInt32(0);
  }
  out.WriteInt32(1);
  out.WriteText("Cat");
  out.WriteInt32(1);
  out.WriteInt32(1);
  for (const char* text : {"Old name", "m", "a*x", "", ""}) out.WriteText(text);

  const auto contents = ReadUserStoreBytes(out.Bytes());
  ASSERT_TRUE(contents.has_value());
  ApplyUserStore(*contents, symbols, doc());
  ASSERT_EQ(symbols.UserFunctions().size(), 1u);
  EXPECT_EQ(symbols.UserFunctions()[0]->Body(), "u*0.5");
  ASSERT_EQ(doc().Solvers().size(), 1u);
  EXPECT_EQ(doc().Solvers()[0]->Equation(), "y=MAX(x,0.5)");
  EXPECT_EQ(doc().UserLibrary().Categories()[0].models[0].category, "Cat");
}

TEST_F(UserStoreTest, ACutFileIsNeverRead) {
  DefineOneOfEach();
  const std::string bytes = WriteUserStoreBytes(symbols, doc());
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    EXPECT_FALSE(ReadUserStoreBytes(std::string_view(bytes).substr(0, length)).has_value())
        << length;
  }
}

TEST_F(UserStoreTest, ADamagedFileIsSetAsideAndNothingOfItApplied) {
  const auto file = folder / "users.dat";
  DefineOneOfEach();
  const std::string bytes = WriteUserStoreBytes(symbols, doc());
  ForgetEverything();
  {
    std::ofstream out(file, std::ios::binary);
    out << bytes.substr(0, bytes.size() - 3);
  }
  const std::string message = doc().OpenUserStore(file);
  EXPECT_NE(message.find("damaged"), std::string::npos);
  EXPECT_TRUE(symbols.UserFunctions().empty());
  EXPECT_TRUE(doc().Solvers().empty());

  // The damaged bytes are kept whole beside the new file.
  std::filesystem::path kept;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path() != file) kept = entry.path();
  }
  ASSERT_FALSE(kept.empty());
  EXPECT_EQ(ReadFile(kept), bytes.substr(0, bytes.size() - 3));
  EXPECT_NE(message.find(kept.string()), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(UserStoreTest, DefinitionsAreWrittenAsSoonAsTheyChange) {
  const auto file = folder / "users.dat";
  EXPECT_EQ(doc().OpenUserStore(file), "");
  DefineOneOfEach();
  ASSERT_TRUE(doc().SaveUserDefinitions());
  const std::string first = ReadFile(file);
  EXPECT_EQ(first, WriteUserStoreBytes(symbols, doc()));

  // The next run reads them back.
  document.reset();
  ASSERT_TRUE(symbols.UserFunctions().empty());
  document.emplace(store, symbols);
  EXPECT_EQ(doc().OpenUserStore(file), "");
  ExpectOneOfEach();
}

TEST_F(UserStoreTest, AWorksheetDefinitionIsWrittenAtOnce) {
  const auto file = folder / "users.dat";
  EXPECT_EQ(doc().OpenUserStore(file), "");
  ASSERT_FALSE(doc().ExecuteLine("cube(u) = u^3").Failed());
  const auto stored = ReadUserStoreBytes(ReadFile(file));
  ASSERT_TRUE(stored.has_value());
  ASSERT_EQ(stored->functions.size(), 1u);
  EXPECT_EQ(stored->functions[0].name, "cube");
  EXPECT_EQ(doc().ExecuteLine("cube(2)").report.resultText, "8");
}

}  // namespace
}  // namespace orvella
