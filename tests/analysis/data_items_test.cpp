// Lists, data tables and matrices: growth, insert and delete ranges, sorting, Fill and
// Transform, the error column, resizing and the size limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/data_table.h"
#include "engine_fixture.h"

namespace orvella {
namespace {

std::vector<double> ValuesOf(const CDataList& list) {
  return {list.Slots().begin() + 1, list.Slots().end()};
}

CDataList ListOf(const std::vector<double>& values) {
  CDataList list;
  for (double v : values) list.Append(v);
  return list;
}

// A layout-1 table with the given X and Y columns.
CDataTable XYTable(const std::vector<double>& x, const std::vector<double>& y) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kXY, 0, static_cast<int>(x.size()));
  for (std::size_t r = 0; r < x.size(); ++r) {
    table.SetCell(0, static_cast<int>(r), x[r]);
    table.SetCell(1, static_cast<int>(r), y[r]);
  }
  return table;
}

std::vector<std::vector<double>> CellsOf(const CDataMatrix& m) {
  std::vector<std::vector<double>> cells(m.Rows(), std::vector<double>(m.Columns()));
  for (int i = 1; i <= m.Rows(); ++i) {
    for (int j = 1; j <= m.Columns(); ++j) cells[i - 1][j - 1] = m.Cell(i, j);
  }
  return cells;
}

CDataMatrix MatrixOf(const std::vector<std::vector<double>>& rows) {
  CDataMatrix m;
  m.Resize(static_cast<int>(rows.size()), rows.empty() ? 0 : static_cast<int>(rows[0].size()),
           false);
  for (int i = 1; i <= m.Rows(); ++i) {
    for (int j = 1; j <= m.Columns(); ++j) m.SetCell(i, j, rows[i - 1][j - 1]);
  }
  return m;
}

TEST(DataListTest, ReservedSlotStaysZeroThroughEdits) {
  CDataList list;
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(list.Slots().size(), 1u);
  list.Append(5);
  list.Append(7);
  list.InsertRow(1);
  list.SetValue(0, 99);  // slot 0 is not a user row
  EXPECT_EQ(list.Slots(), (std::vector<double>{0, 0, 5, 7}));
  EXPECT_TRUE(list.IsModified());
  EXPECT_EQ(list.ItemType(), kItemTypeList);
}

TEST(DataListTest, InsertAndDeleteOnlyWithinTheValues) {
  struct Case {
    int row;
    bool insertAccepted, deleteAccepted;
  } cases[] = {{0, false, false}, {1, true, true}, {3, true, true}, {4, false, false}};
  for (const Case& c : cases) {
    CDataList list = ListOf({1, 2, 3});
    EXPECT_EQ(list.InsertRow(c.row), c.insertAccepted) << "insert at " << c.row;
    CDataList other = ListOf({1, 2, 3});
    EXPECT_EQ(other.DeleteRow(c.row), c.deleteAccepted) << "delete at " << c.row;
  }
  CDataList list = ListOf({1, 2, 3});
  list.InsertRow(2);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{1, 0, 2, 3}));
  list.DeleteRow(1);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 2, 3}));
  CDataList empty;
  EXPECT_FALSE(empty.DeleteRow(1));
  EXPECT_FALSE(empty.InsertRow(1));
}

TEST(DataListTest, SortsBothWaysWithNaNLast) {
  CDataList list = ListOf({3, -1, 2, -1});
  list.Sort(false);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{-1, -1, 2, 3}));
  list.Sort(true);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{3, 2, -1, -1}));

  std::vector<double> many;
  for (int i = 0; i < 200; ++i) many.push_back(i % 3 == 0 ? NAN : 200 - i);
  CDataList withNaN = ListOf(many);
  withNaN.Sort(false);
  std::vector<double> sorted = ValuesOf(withNaN);
  auto firstNaN = std::find_if(sorted.begin(), sorted.end(), [](double v) { return std::isnan(v); });
  EXPECT_TRUE(std::is_sorted(sorted.begin(), firstNaN));
  EXPECT_TRUE(std::all_of(firstNaN, sorted.end(), [](double v) { return std::isnan(v); }));
  EXPECT_EQ(sorted.end() - firstNaN, 67);
}

TEST(DataListTest, SizeBeyondTheLimitIsRefused) {
  CDataList list = ListOf({1});
  EXPECT_FALSE(list.SetCount(1'000'000'000));
  EXPECT_FALSE(list.SetCount(-1));
  EXPECT_EQ(list.Count(), 1);
}

TEST(DataTableTest, SetUpColumnsNamesEachLayout) {
  struct Case {
    TableLayout layout;
    int columnCount;
    std::vector<std::string> names;
  } cases[] = {
      {TableLayout::kX, 5, {"X"}},
      {TableLayout::kXY, 5, {"X", "Y"}},
      {TableLayout::kXYError, 0, {"X", "Y", "YSig"}},
      {TableLayout::kFixed, 3, {"", "", ""}},
      {TableLayout::kIndependent, 2, {"", ""}},
  };
  for (const Case& c : cases) {
    CDataTable table;
    ASSERT_TRUE(table.SetUpColumns(c.layout, c.columnCount, 4));
    std::vector<std::string> names;
    for (const CDataList& column : table.Columns()) {
      names.push_back(column.Name());
      EXPECT_EQ(ValuesOf(column), (std::vector<double>{0, 0, 0, 0}));
    }
    EXPECT_EQ(names, c.names) << "layout " << static_cast<int>(c.layout);
    EXPECT_EQ(table.RowCount(), 4);
  }
}

TEST(DataTableTest, AbsurdSetUpIsRefusedAndLeavesTheTable) {
  CDataTable table = XYTable({1}, {2});
  EXPECT_FALSE(table.SetUpColumns(TableLayout::kFixed, 1000, 1'000'000));
  EXPECT_FALSE(table.SetUpColumns(TableLayout::kIndependent, 5000, 1));
  EXPECT_FALSE(table.SetUpColumns(TableLayout::kXY, 0, -1));
  EXPECT_FALSE(table.SetUpColumns(static_cast<TableLayout>(7), 2, 2));
  EXPECT_EQ(table.ColumnCount(), 2);
  EXPECT_EQ(table.Cell(1, 0), 2);
}

TEST(DataTableTest, SetCellGrowsAsTheLayoutSays) {
  CDataTable xy;
  xy.SetUpColumns(TableLayout::kXY, 0, 0);
  EXPECT_TRUE(xy.SetCell(1, 0, 5));  // Y of the entry row: X grows with it
  EXPECT_EQ(ValuesOf(xy.Column(0)), (std::vector<double>{0}));
  EXPECT_EQ(ValuesOf(xy.Column(1)), (std::vector<double>{5}));
  EXPECT_FALSE(xy.SetCell(0, 2, 1));  // below the entry row
  EXPECT_FALSE(xy.SetCell(2, 0, 1));  // no such column
  EXPECT_TRUE(xy.IsModified());

  CDataTable independent;
  independent.SetUpColumns(TableLayout::kIndependent, 2, 0);
  independent.SetCell(1, 0, 1);
  independent.SetCell(1, 1, 2);
  EXPECT_EQ(independent.Column(0).Count(), 0);
  EXPECT_EQ(independent.RowCount(), 2);  // the longest column

  CDataTable fixed;
  fixed.SetUpColumns(TableLayout::kFixed, 2, 1);
  EXPECT_TRUE(fixed.SetCell(0, 0, 3));
  EXPECT_FALSE(fixed.SetCell(0, 1, 3));  // fixed rows never grow
  EXPECT_EQ(fixed.RowCount(), 1);
}

TEST(DataTableTest, InsertAndDeleteRowsAcrossColumns) {
  CDataTable table = XYTable({1, 2}, {10, 20});
  EXPECT_FALSE(table.InsertRow(3));
  EXPECT_FALSE(table.DeleteRow(0));
  EXPECT_TRUE(table.InsertRow(2));
  EXPECT_EQ(ValuesOf(table.Column(0)), (std::vector<double>{1, 0, 2}));
  EXPECT_EQ(ValuesOf(table.Column(1)), (std::vector<double>{10, 0, 20}));
  EXPECT_TRUE(table.DeleteRow(1));
  EXPECT_EQ(ValuesOf(table.Column(1)), (std::vector<double>{0, 20}));

  // A shorter column of an independent table is skipped.
  CDataTable independent;
  independent.SetUpColumns(TableLayout::kIndependent, 2, 0);
  for (int r = 0; r < 3; ++r) independent.SetCell(0, r, r + 1);
  independent.SetCell(1, 0, 9);
  EXPECT_TRUE(independent.DeleteRow(3));
  EXPECT_EQ(ValuesOf(independent.Column(0)), (std::vector<double>{1, 2}));
  EXPECT_EQ(ValuesOf(independent.Column(1)), (std::vector<double>{9}));
}

TEST(DataTableTest, SortByKeyKeepsRowsTogether) {
  CDataTable table = XYTable({1, 2, 3}, {20, 30, 10});
  EXPECT_EQ(table.Sort(true, 1), kNoError);
  EXPECT_EQ(ValuesOf(table.Column(0)), (std::vector<double>{2, 1, 3}));
  EXPECT_EQ(ValuesOf(table.Column(1)), (std::vector<double>{30, 20, 10}));

  CDataTable alone = XYTable({1, 2, 3}, {20, 30, 10});
  EXPECT_EQ(alone.SortColumn(true, 1), kNoError);
  EXPECT_EQ(ValuesOf(alone.Column(0)), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(ValuesOf(alone.Column(1)), (std::vector<double>{30, 20, 10}));
}

TEST(DataTableTest, SortRefusesColumnsOfUnequalLength) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kIndependent, 2, 0);
  table.SetCell(0, 0, 2);
  table.SetCell(0, 1, 1);
  table.SetCell(1, 0, 5);
  EXPECT_EQ(table.Sort(false, 0), kInvalidData);
  EXPECT_EQ(ValuesOf(table.Column(0)), (std::vector<double>{2, 1}));

  CDataTable single;
  single.SetUpColumns(TableLayout::kX, 0, 0);
  single.SetCell(0, 0, 2);
  single.SetCell(0, 1, 1);
  EXPECT_EQ(single.Sort(false, 0), kNoError);
  EXPECT_EQ(ValuesOf(single.Column(0)), (std::vector<double>{1, 2}));

  CDataTable empty;
  EXPECT_EQ(empty.Sort(false, 0), kInvalidParameter);
  EXPECT_EQ(table.Sort(false, 2), kInvalidParameter);
}

TEST(DataTableTest, ErrorColumnToggle) {
  CDataTable table = XYTable({1, 2}, {3, 4});
  table.SetErrorColumn(true);
  ASSERT_EQ(table.ColumnCount(), 3);
  EXPECT_EQ(table.Layout(), TableLayout::kXYError);
  EXPECT_EQ(table.Column(2).Name(), "Y Error");
  EXPECT_EQ(ValuesOf(table.Column(2)), (std::vector<double>{0, 0}));
  table.SetCell(2, 0, 0.5);
  table.SetErrorColumn(false);
  table.SetErrorColumn(true);
  EXPECT_EQ(ValuesOf(table.Column(2)), (std::vector<double>{0, 0}));  // entered errors are lost
  table.SetErrorColumn(false);
  EXPECT_EQ(table.ColumnCount(), 2);
  EXPECT_EQ(table.Layout(), TableLayout::kXY);

  CDataTable fixed;
  fixed.SetUpColumns(TableLayout::kFixed, 2, 1);
  fixed.SetErrorColumn(true);
  EXPECT_EQ(fixed.ColumnCount(), 2);
  EXPECT_EQ(fixed.Layout(), TableLayout::kFixed);
}

class TransformTest : public test::EngineTest {
 protected:
  void Expression(const char* text) {
    engine_.SetExpression(text);
    ASSERT_EQ(engine_.Parse(), kNoError) << text;
  }
};

TEST_F(TransformTest, ListStopsAtTheFirstError) {
  CDataList list = ListOf({2, 4, 0, 5});
  Expression("1/x");
  EXPECT_EQ(list.Transform(engine_), kDivisionByZero);
  EXPECT_EQ(ValuesOf(list), (std::vector<double>{0.5, 0.25, 0, 5}));
}

TEST_F(TransformTest, TableWalksColumnByColumn) {
  CDataTable table = XYTable({1, 2}, {0, 4});
  table.SetModified(false);
  Expression("1/x");
  EXPECT_EQ(table.Transform(engine_), kDivisionByZero);
  EXPECT_EQ(ValuesOf(table.Column(0)), (std::vector<double>{1, 0.5}));
  EXPECT_EQ(ValuesOf(table.Column(1)), (std::vector<double>{0, 4}));
  EXPECT_TRUE(table.IsModified());
}

TEST_F(TransformTest, MatrixWalksRowByRow) {
  CDataMatrix m = MatrixOf({{1, 0}, {2, 4}});
  Expression("1/x");
  EXPECT_EQ(m.Transform(engine_), kDivisionByZero);
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{1, 0}, {2, 4}}));
  CDataMatrix n = MatrixOf({{2, 4}, {0, 1}});
  EXPECT_EQ(n.Transform(engine_), kDivisionByZero);
  EXPECT_EQ(CellsOf(n), (std::vector<std::vector<double>>{{0.5, 0.25}, {0, 1}}));
}

TEST_F(TransformTest, FillWithAConstantAndEmptyItems) {
  Expression("7");
  CDataMatrix m = MatrixOf({{1, 2}, {3, 4}});
  EXPECT_EQ(m.Transform(engine_), kNoError);
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{7, 7}, {7, 7}}));
  CDataTable emptyTable;
  CDataList emptyList;
  CDataMatrix emptyMatrix;
  EXPECT_EQ(emptyTable.Transform(engine_), kNoError);
  EXPECT_EQ(emptyList.Transform(engine_), kNoError);
  EXPECT_EQ(emptyMatrix.Transform(engine_), kNoError);
  EXPECT_FALSE(emptyMatrix.IsModified());
}

TEST(DataMatrixTest, ResizeKeepsTheOverlapOrClears) {
  CDataMatrix m = MatrixOf({{1, 2}, {3, 4}});
  EXPECT_EQ(m.Resize(3, 1, true), kNoError);
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{1}, {3}, {0}}));
  EXPECT_EQ(m.Resize(2, 2, false), kNoError);
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{0, 0}, {0, 0}}));
  EXPECT_EQ(m.ItemType(), kItemTypeMatrix);
}

TEST(DataMatrixTest, AbsurdSizesAreRefused) {
  CDataMatrix m = MatrixOf({{1}});
  EXPECT_EQ(m.Resize(1'000'000'000, 1'000'000'000, true), kOutOfMemory);
  EXPECT_EQ(m.Resize(1'000'000'000, 0, true), kOutOfMemory);
  EXPECT_EQ(m.Resize(-1, 2, true), kInvalidParameter);
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{1}}));
}

TEST(DataMatrixTest, InsertAndDeleteWithinTheLimits) {
  CDataMatrix m = MatrixOf({{1, 2}, {3, 4}});
  EXPECT_FALSE(m.InsertRow(4));
  EXPECT_FALSE(m.InsertColumn(0));
  EXPECT_TRUE(m.InsertRow(3));  // below the last row
  EXPECT_TRUE(m.InsertColumn(1));
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{0, 1, 2}, {0, 3, 4}, {0, 0, 0}}));
  EXPECT_TRUE(m.DeleteRow(1));
  EXPECT_TRUE(m.DeleteColumn(3));
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{0, 3}, {0, 0}}));

  CDataMatrix one = MatrixOf({{5}});
  EXPECT_FALSE(one.DeleteRow(1));
  EXPECT_FALSE(one.DeleteColumn(1));
  EXPECT_EQ(CellsOf(one), (std::vector<std::vector<double>>{{5}}));

  CDataMatrix empty;
  EXPECT_FALSE(empty.DeleteRow(1));
  EXPECT_FALSE(empty.DeleteColumn(1));
  empty.Transpose();
  EXPECT_EQ(empty.Rows(), 0);
  EXPECT_EQ(empty.Cell(1, 1), 0);
}

TEST(DataMatrixTest, TransposeAndCopy) {
  CDataMatrix m = MatrixOf({{1, 2, 3}, {4, 5, 6}});
  m.Transpose();
  EXPECT_EQ(CellsOf(m), (std::vector<std::vector<double>>{{1, 4}, {2, 5}, {3, 6}}));
  CDataMatrix copy;
  copy.SetName("B");
  copy.CopyFrom(m);
  EXPECT_EQ(CellsOf(copy), CellsOf(m));
  EXPECT_EQ(copy.Name(), "B");
}

}  // namespace
}  // namespace orvella
