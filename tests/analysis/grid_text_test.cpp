// The grid's text contracts: committing a typed cell, which cells may be edited, pasting
// clipboard text into an item and the copy format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/grid_paste.h"
#include "analysis/grid_text.h"
#include "analysis/item_limits.h"
#include "analysis/number_text.h"
#include "analysis/text_grid.h"
#include "engine_fixture.h"

namespace orvella {
namespace {

class ScriptedPrompter : public PastePrompter {
 public:
  explicit ScriptedPrompter(bool answer = true) : answer_(answer) {}
  void Inform(std::string_view message) override { messages.emplace_back(message); }
  bool AskYesNo(std::string_view question) override {
    questions.emplace_back(question);
    return answer_;
  }
  std::vector<std::string> messages;
  std::vector<std::string> questions;

 private:
  bool answer_;
};

std::vector<double> ValuesOf(const CDataList& list) {
  return {list.Slots().begin() + 1, list.Slots().end()};
}

class CellEditTest : public test::EngineTest {};

TEST_F(CellEditTest, TypedTextBecomesAValue) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {" 3.5 ", 3.5},   // trimmed
      {"-1e3", -1000},  // strtod reads it whole
      {"1/4", 0.25},    // an expression
      {"abc", 0},       // no such variable: a parse error stores 0
      {"2*", 0},        // dangling operator
      {"1/0", 0},       // evaluation error
  };
  for (const Case& c : cases) {
    std::optional<double> value = ReadCellEntry(c.text, engine_);
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
  }
  for (const char* rejected : {"", "   ", "#5", " #Division by zero!"}) {
    EXPECT_FALSE(ReadCellEntry(rejected, engine_).has_value()) << '"' << rejected << '"';
  }
}

TEST_F(CellEditTest, EntryInAnEmptyTableCreatesTheFirstRow) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kXY, 0, 0);
  EXPECT_FALSE(MayEditCell(table, 2, 1));
  CellEditOutcome outcome = CommitCellEdit(table, 1, 1, "2*PI", engine_);
  ASSERT_TRUE(outcome.accepted);
  EXPECT_EQ(outcome.text, "6.28318530717959");
  EXPECT_TRUE(outcome.filledEntryRow);
  EXPECT_EQ(ValuesOf(table.Column(1)), (std::vector<double>{0}));
  EXPECT_TRUE(MayEditCell(table, 2, 1));  // row 2 is the new entry row
  EXPECT_TRUE(MayEditCell(table, 2, 2));

  CellEditOutcome replace = CommitCellEdit(table, 1, 2, "7", engine_);
  EXPECT_TRUE(replace.accepted);
  EXPECT_FALSE(replace.filledEntryRow);
  EXPECT_EQ(table.RowCount(), 1);
}

TEST_F(CellEditTest, EditableCellsFollowTheLayout) {
  CDataTable xy;
  xy.SetUpColumns(TableLayout::kXY, 0, 2);
  CDataTable x;
  x.SetUpColumns(TableLayout::kX, 0, 2);
  CDataTable xyError;
  xyError.SetUpColumns(TableLayout::kXYError, 0, 2);
  CDataTable fixed;
  fixed.SetUpColumns(TableLayout::kFixed, 2, 2);
  CDataTable independent;
  independent.SetUpColumns(TableLayout::kIndependent, 2, 0);
  independent.SetCell(0, 0, 1);
  for (int r = 0; r < 3; ++r) independent.SetCell(1, r, 1);

  struct Case {
    const CDataTable* table;
    int row, column;
    bool editable;
    const char* about;
  } cases[] = {
      {&xy, 3, 1, true, "entry row of a two-column table"},
      {&xy, 4, 1, false, "below the entry row"},
      {&xy, 1, 3, false, "right of the last column"},
      {&x, 1, 2, false, "a one-column table has no second column"},
      {&xyError, 3, 3, true, "error column's entry row"},
      {&fixed, 2, 2, true, "last row of a fixed table"},
      {&fixed, 3, 1, false, "a fixed table has no entry row"},
      {&independent, 2, 1, true, "entry row of the short column"},
      {&independent, 3, 1, false, "below the short column's entry row"},
      {&independent, 4, 2, true, "entry row of the long column"},
      {&xy, 0, 1, false, "header row"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MayEditCell(*c.table, c.row, c.column), c.editable) << c.about;
  }
}

TEST_F(CellEditTest, ReadOnlyTablesOnly) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kXY, 0, 1);
  table.SetEditable(false);
  EXPECT_FALSE(MayEditCell(table, 1, 1));
  EXPECT_FALSE(CommitCellEdit(table, 1, 1, "5", engine_).accepted);
  EXPECT_EQ(table.Cell(0, 0), 0);

  CDataList list;
  list.SetEditable(false);  // lists and matrices are never read-only
  EXPECT_TRUE(CommitCellEdit(list, 1, 1, "5", engine_).accepted);
  CDataMatrix matrix;
  matrix.Resize(1, 1, false);
  matrix.SetEditable(false);
  EXPECT_TRUE(CommitCellEdit(matrix, 1, 1, "5", engine_).accepted);
}

TEST_F(CellEditTest, ListAppendsAtTheEntryRowOnly) {
  CDataList list;
  CellEditOutcome first = CommitCellEdit(list, 1, 1, "abc", engine_);
  EXPECT_TRUE(first.accepted);
  EXPECT_EQ(first.text, "0");
  EXPECT_TRUE(first.filledEntryRow);
  EXPECT_FALSE(CommitCellEdit(list, 3, 1, "1", engine_).accepted);  // leaves a gap
  EXPECT_FALSE(CommitCellEdit(list, 1, 2, "1", engine_).accepted);
  EXPECT_FALSE(CommitCellEdit(list, 1, 1, "#5", engine_).accepted);
  EXPECT_TRUE(CommitCellEdit(list, 2, 1, "0.1", engine_).accepted);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 0.1}));
}

TEST_F(CellEditTest, MatrixAcceptsItsCellsOnly) {
  CDataMatrix matrix;
  EXPECT_FALSE(CommitCellEdit(matrix, 1, 1, "1", engine_).accepted);  // 0 x 0
  matrix.Resize(2, 2, false);
  CellEditOutcome outcome = CommitCellEdit(matrix, 2, 1, "1/3", engine_);
  EXPECT_EQ(outcome.text, "0.333333333333333");
  EXPECT_FALSE(outcome.filledEntryRow);
  EXPECT_FALSE(CommitCellEdit(matrix, 3, 1, "1", engine_).accepted);
  EXPECT_FALSE(CommitCellEdit(matrix, 1, 3, "1", engine_).accepted);
}

TEST_F(CellEditTest, CommaConventionReadsAndShowsTheCommaDecimalPoint) {
  ScopedConvention french(kFrenchConvention);
  std::optional<double> value = ReadCellEntry("2,5", engine_);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, 2.5);
  EXPECT_EQ(CellText(2.5), "2,5");
  EXPECT_EQ(ReadNumberOrZero("2.5"), 2);  // '.' ends the number under this convention
}

TEST(ClipboardTextTest, SplitsLinesAndFields) {
  TextGrid cells = SplitClipboardText("1\t2,3\r\n4\n\n5,\n");
  TextGrid expected = {{"1", "2", "3"}, {"4"}, {""}, {"5", ""}};
  EXPECT_EQ(cells, expected);
  EXPECT_TRUE(SplitClipboardText("").empty());
}

TEST(ClipboardTextTest, HugeTextIsCut) {
  std::string commas(3'000'000, ',');
  TextGrid cells = SplitClipboardText(commas);
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(cells[0].size(), kMaxPasteFields);
}

TEST(ClipboardTextTest, CopyJoinsWithTabsAndLineEnds) {
  EXPECT_EQ(CopyText({{"1", "2"}, {"3"}}), "1\t2\n3");
  EXPECT_EQ(CopyText({}), "");
}

TEST(PasteTest, ListKeepsTheFirstColumn) {
  CDataList list;
  ScriptedPrompter prompter;
  PasteIntoList(list, SplitClipboardText("1\t2\t3\n4\t5\t6\n7"), prompter);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{1, 4, 7}));
  EXPECT_EQ(prompter.messages, std::vector<std::string>{std::string(kListColumnsIgnored)});
  EXPECT_EQ(prompter.messages[0],
            "The pasted data has more than one columns.  The extra data columns will be "
            "ignored.");
}

TEST(PasteTest, TableReadsNumbersNotExpressions) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kXY, 0, 5);
  ScriptedPrompter prompter;
  PasteIntoTable(table, SplitClipboardText("1,2*3,9\nabc,0.5\n\n,"), prompter);
  // Two rows hold text; "2*3" is not evaluated, strtod stops at '*'.
  EXPECT_EQ(ValuesOf(table.Column(0)), (std::vector<double>{1, 0}));
  EXPECT_EQ(ValuesOf(table.Column(1)), (std::vector<double>{2, 0.5}));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            "The pasted data has more columns than the current data table.  The extra data "
            "columns will be ignored.");
}

TEST(PasteTest, LargerMatrixAsksToExpand) {
  for (bool yes : {true, false}) {
    CDataMatrix matrix;
    matrix.Resize(1, 1, false);
    ScriptedPrompter prompter(yes);
    PasteIntoMatrix(matrix, SplitClipboardText("1,2\n3,4"), prompter);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0],
              "The pasted data has more rows and/or columns than the current matrix.  Would "
              "you like to expand the matrix to accomodate the additional data?");
    EXPECT_EQ(matrix.Rows(), yes ? 2 : 1) << "answer " << yes;
    EXPECT_EQ(matrix.Columns(), yes ? 2 : 1);
    EXPECT_EQ(matrix.Cell(1, 1), 1);
    EXPECT_EQ(matrix.Cell(2, 2), yes ? 4 : 0);
  }
}

TEST(PasteTest, MatrixBeyondTheLimitsKeepsItsSize) {
  TextGrid cells(2001);
  cells[2000].assign(2001, "1");  // 2001 x 2001 cells is past the matrix limit
  CDataMatrix matrix;
  matrix.Resize(2, 2, false);
  ScriptedPrompter prompter(true);
  PasteIntoMatrix(matrix, cells, prompter);
  EXPECT_EQ(prompter.questions.size(), 1u);
  EXPECT_EQ(matrix.Rows(), 2);
  EXPECT_EQ(matrix.Columns(), 2);
}

TEST(PasteTest, SmallerPasteIntoAMatrixAsksNothing) {
  CDataMatrix matrix;
  matrix.Resize(2, 2, false);
  ScriptedPrompter prompter;
  PasteIntoMatrix(matrix, SplitClipboardText("5"), prompter);
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_EQ(matrix.Cell(1, 1), 5);
  EXPECT_EQ(matrix.Cell(2, 2), 0);
}

}  // namespace
}  // namespace orvella
