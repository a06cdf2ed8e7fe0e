// A project opened by the calculator: its summary, calculations with its variables and
// saving it back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "cli/project_session.h"
#include "engine/user_names.h"

namespace orvella::cli {
namespace {

const std::string kSample = std::string(ORVELLA_TEST_DATA) + "/project/sample.ovp";

class ProjectSessionTest : public ::testing::Test {
 protected:
  ProjectSessionTest() { InstallUserNames(&symbols); }
  ~ProjectSessionTest() override { InstallUserNames(nullptr); }
  CSymbolStore symbols;
};

TEST_F(ProjectSessionTest, TheSummaryNamesEveryItem) {
  ProjectSession session(symbols);
  ASSERT_EQ(session.Open(kSample), "");
  const std::string info = session.Info();
  const std::string withoutPath = info.substr(info.find('\n') + 1);
  EXPECT_EQ(withoutPath,
            "Data tables: 1\n"
            "  T (XY with errors, 3 columns, 2 rows)\n"
            "Lists: 1\n"
            "  L (1 value)\n"
            "Matrices: 1\n"
            "  M (1 x 2)\n"
            "2-D graphs: 1\n"
            "  x = cos(t); y = sin(t)\n"
            "Data graphs: 1\n"
            "  fit (table T)\n"
            "3-D graphs: 1\n"
            "  z = x*y\n"
            "Variables: 1\n"
            "  v = 1\n"
            "Expression variables: 1\n"
            "  e = v*2\n"
            "Worksheet: 2 lines\n");
}

TEST_F(ProjectSessionTest, WhatTheLinesChangeIsSavedWithTheProject) {
  const auto saved = std::filesystem::temp_directory_path() /
                     ("orvella_cli_" + std::to_string(::getpid()) + ".ovp");
  {
    ProjectSession session(symbols);
    ASSERT_EQ(session.Open(kSample), "");
    session.Engine().Variables()[0].value = 42;
    ASSERT_EQ(session.Save(saved), "");
  }
  ProjectSession reopened(symbols);
  ASSERT_EQ(reopened.Open(saved), "");
  EXPECT_NE(reopened.Info().find("  v = 42\n"), std::string::npos);
  std::filesystem::remove(saved);

  ProjectSession missing(symbols);
  EXPECT_NE(missing.Open("/nonexistent/p.ovp").find("was not found"), std::string::npos);
}

}  // namespace
}  // namespace orvella::cli
