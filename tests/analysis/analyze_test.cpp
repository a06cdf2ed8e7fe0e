// "Analyze" of lists and tables, the results display with its logging into the worksheet,
// the document's compare command and the options page.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis_options.h"
#include "analysis/analyze_command.h"
#include "analysis/results_display.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "platform/settings_keys.h"
#include "project/data_analysis_page.h"
#include "project/document_fixture.h"
#include "project/my_document.h"
#include "project/statistics_commands.h"
#include "table_fixture.h"

namespace orvella {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const CNumberFormat kGeneral{NumberFormatType::General, 5};
constexpr std::int32_t kAllBits = 0x1ff;

CDataList NamedList(const char* name, const std::vector<double>& values) {
  CDataList list;
  list.SetName(name);
  for (double v : values) list.Append(v);
  return list;
}

// Label and shown value of every entry, as the results grid lists them after the title.
Rows EntryRows(const CResultReport& report) {
  Rows rows;
  const CResultsDisplayModel model(report, kGeneral, false);
  const std::vector<ResultsGridRow> grid = model.Rows(0);
  for (std::size_t i = 2; i < 2 + report.entries.size(); ++i) {
    rows.emplace_back(grid[i].label, grid[i].value);
  }
  return rows;
}

TEST(AnalyzeTest, ListRowsFollowTheOptionBitsInTheirFixedOrder) {
  struct Case {
    std::int32_t bits;
    Rows statistics;
  };
  const Case cases[] = {
      {kDefaultReportBits,
       {{"    Std Deviation: ", "1.29099444873581"},
        {"    Variance: ", "1.66666666666667"},
        {"    Skewness: ", "0"},
        {"    Kurtosis: ", "-2.0775"}}},
      {kAllBits,
       {{"    Data Points: ", "4"},
        {"    Minimum: ", "1"},
        {"    Maximum: ", "4"},
        {"    Average: ", "2.5"},
        {"    Std Deviation: ", "1.29099444873581"},
        {"    Ave Deviation: ", "1"},
        {"    Variance: ", "1.66666666666667"},
        {"    Skewness: ", "0"},
        {"    Kurtosis: ", "-2.0775"}}},
      {0x600, {}},  // the bits without a meaning add nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bits);
    CDataList list = NamedList("L", {1, 2, 3, 4});
    CResultReport report;
    ASSERT_EQ(AnalyzeList(list, c.bits, report), kNoError);
    EXPECT_EQ(report.title, "List Analysis");
    Rows expected = {{"    List: ", "L"}};
    expected.insert(expected.end(), c.statistics.begin(), c.statistics.end());
    EXPECT_EQ(EntryRows(report), expected);
  }
}

TEST(AnalyzeTest, TableReportsXThenYAndNotTheErrorColumn) {
  CDataTable table = test::MakeXYTable({1, 2, 3}, {10, 20, 60});
  table.SetName("T");
  table.SetErrorColumn(true);
  CResultReport report;
  ASSERT_EQ(AnalyzeTable(table, kReportAverage | kReportDataPoints, report), kNoError);
  EXPECT_EQ(report.title, "Table Analysis");
  EXPECT_EQ(EntryRows(report), (Rows{{"Data Table: ", "T"},
                                     {"X", ""},
                                     {"    Data Points: ", "3"},
                                     {"    Average: ", "2"},
                                     {"Y", ""},
                                     {"    Data Points: ", "3"},
                                     {"    Average: ", "30"}}));
}

TEST(AnalyzeTest, TooFewValuesOrColumnsAreRefused) {
  CResultReport report;
  report.title = "kept";
  CDataList two = NamedList("Two", {1, 2});
  EXPECT_EQ(AnalyzeList(two, kAllBits, report), kTooFewDataPoints);
  CDataTable shortTable = test::MakeXYTable({1, 2}, {3, 4});
  EXPECT_EQ(AnalyzeTable(shortTable, kAllBits, report), kTooFewDataPoints);
  CDataTable oneColumn;
  oneColumn.SetUpColumns(TableLayout::kX, 1, 5);
  EXPECT_EQ(AnalyzeTable(oneColumn, kAllBits, report), kTooFewDataPoints);
  CDataTable shortY;
  shortY.SetUpColumns(TableLayout::kIndependent, 2, 0);
  for (int row = 0; row < 4; ++row) shortY.SetCell(0, row, row);
  shortY.SetCell(1, 0, 1.0);
  EXPECT_EQ(AnalyzeTable(shortY, kAllBits, report), kTooFewDataPoints);
  EXPECT_EQ(report.title, "kept");
}

TEST(ResultsDisplayTest, GridShowsTitleAndIndentedEntriesWithRoomBelow) {
  CResultReport report;
  report.title = "Fit";
  report.AddText("Model: ", "a*x", false);
  report.AddInteger("Points: ", 7.9, true);
  const CResultsDisplayModel model(report, kGeneral, true);
  EXPECT_EQ(model.WindowTitle(), "Fit");
  EXPECT_EQ(model.RowCount(0), 5);
  EXPECT_EQ(model.RowCount(12), 12);
  const std::vector<ResultsGridRow> rows = model.Rows(0);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].label + rows[0].value, "");
  EXPECT_EQ(rows[1].label, "Fit");
  EXPECT_EQ(rows[2].label + "|" + rows[2].value, "Model: |a*x");
  EXPECT_EQ(rows[3].label + "|" + rows[3].value, "    Points: |7");
  EXPECT_EQ(rows[4].label + rows[4].value, "");
  EXPECT_EQ(CResultsDisplayModel::ColumnWidths(500).value, 300);
}

// The "Results" dialog as a test drives it: it records what it showed and closes with
// OK or not, after setting the check box if asked to.
class FakeResultsWindow final : public ResultsWindow {
 public:
  bool ShowModal(CResultsDisplayModel& model) override {
    ++shown;
    boxWhenShown = model.logResults;
    rows = model.Rows(0);
    if (setLog) model.logResults = *setLog;
    return closeWithOk;
  }
  void RevealWorksheet() override { ++reveals; }

  bool closeWithOk = true;
  std::optional<bool> setLog;
  int shown = 0;
  int reveals = 0;
  bool boxWhenShown = false;
  std::vector<ResultsGridRow> rows;
};

class StatisticsCommandsTest : public test::ConnectedDocumentTest {
 protected:
  void AddList(const char* name, const std::vector<double>& values) {
    document.AddList(std::make_unique<CDataList>(NamedList(name, values)));
  }
  std::int32_t StoredLogOutput() const {
    return platform::ReadIntSetting(store, platform::Setting("DataAnalysis", "LogOutput"));
  }

  FakeResultsWindow window;
};

TEST_F(StatisticsCommandsTest, LoggedListAnalysisIsWrittenAtTheEndOfTheWorksheet) {
  AddList("Data", {1, 2, 3, 4});
  ASSERT_TRUE(AnalyzeSelection(document, prompter, window));
  EXPECT_EQ(window.shown, 1);
  EXPECT_TRUE(window.boxWhenShown);
  EXPECT_EQ(window.rows[1].label, "List Analysis");
  EXPECT_EQ(worksheet.Text(),
            "' List Analysis\n    List: Data\n    Std Deviation: 1.29099444873581\n"
            "    Variance: 1.66666666666667\n    Skewness: 0\n    Kurtosis: -2.0775\n");
  EXPECT_EQ(window.reveals, 1);
  EXPECT_EQ(store.SaveCount(), 1);
}

TEST_F(StatisticsCommandsTest, LogChoiceIsStoredOnOkOnly) {
  AddList("Data", {1, 2, 3, 4});
  window.closeWithOk = false;
  window.setLog = false;
  AnalyzeSelection(document, prompter, window);
  EXPECT_EQ(document.Settings().dataAnalysis.logOutput, 1);
  EXPECT_EQ(store.SaveCount(), 0);

  window.closeWithOk = true;
  AnalyzeSelection(document, prompter, window);
  EXPECT_EQ(document.Settings().dataAnalysis.logOutput, 0);
  EXPECT_EQ(StoredLogOutput(), 0);
  EXPECT_EQ(worksheet.Text(), "");
  EXPECT_EQ(window.reveals, 0);

  window.setLog.reset();
  AnalyzeSelection(document, prompter, window);
  EXPECT_FALSE(window.boxWhenShown);
}

TEST_F(StatisticsCommandsTest, TooFewValuesShowTheMessageAndNoResults) {
  AddList("Pair", {1, 2});
  ASSERT_TRUE(AnalyzeSelection(document, prompter, window));
  EXPECT_EQ(prompter.messages, std::vector<std::string>{std::string(kTooFewDataMessage)});
  EXPECT_EQ(window.shown, 0);
  EXPECT_EQ(worksheet.Text(), "");
}

TEST_F(StatisticsCommandsTest, CompareListsNeedsASelectedListAndShowsItsResults) {
  document.AddTable(test::NewXYTable("T", {1, 2, 3}, {1, 2, 3}));
  EXPECT_FALSE(CanCompareLists(document));
  AddList("X", {1, 2, 3, 4});
  AddList("Y", {2, 4, 6, 8});
  EXPECT_TRUE(CanCompareLists(document));

  CCompareListsModel model = MakeCompareListsModel(document);
  EXPECT_EQ(ConfirmCompareLists(document, model, window), kSameListMessage);
  EXPECT_EQ(window.shown, 0);
  model.SelectSecond(1);
  for (ListComparison test : {ListComparison::kCorrelation, ListComparison::kRankCorrelation,
                              ListComparison::kKendallTau}) {
    model.SetChecked(test, true);
  }
  window.setLog = false;
  EXPECT_EQ(ConfirmCompareLists(document, model, window), "");
  ASSERT_EQ(window.rows.size(), 8u);
  EXPECT_EQ(window.rows[1].label, "");  // no title: the result text opens the worksheet log
  EXPECT_EQ(window.rows[4].label + window.rows[4].value, "    Kendall's Tau = 1");
  EXPECT_EQ(window.rows[5].label + window.rows[5].value, "    Correlation Coefficient = 1");
  EXPECT_EQ(window.rows[6].label + window.rows[6].value, "    Rank Correlation = 1");
}

TEST(DataAnalysisPageTest, ApplyStoresTheBoxesAndKeepsTheHiddenBits) {
  DataAnalysisOptions options;  // 2000: the default with its two meaningless bits
  CDataAnalysisPageModel page(options);
  EXPECT_TRUE(page.IsIncluded(kReportVariance));
  EXPECT_FALSE(page.IsIncluded(kReportAverage));
  page.SetIncluded(kReportAverage, true);
  page.SetIncluded(kReportKurtosis, false);
  page.autoPlot = false;
  page.maxIterations = 250;
  platform::MemorySettingsStore store;
  page.Apply(options, store);
  const std::int32_t expectedBits = (2000 | kReportAverage) & ~kReportKurtosis;
  EXPECT_EQ(options.outputBits, expectedBits);
  EXPECT_EQ(platform::ReadIntSetting(store, platform::Setting("DataAnalysis", "Options")),
            expectedBits);
  EXPECT_EQ(platform::ReadIntSetting(store, platform::Setting("DataAnalysis", "AutoPlot")), 0);
  EXPECT_EQ(platform::ReadIntSetting(store, platform::Setting("DataAnalysis", "MaxIters")), 250);
  EXPECT_EQ(options.maxIterations, 250);
}

}  // namespace
}  // namespace orvella
