// The primitive encodings of the stored files and the records of the data items.
#include <gtest/gtest.h>

#include <string>

#include "project/archive/archive.h"
#include "project/archive/item_records.h"

namespace orvella {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes += static_cast<char>(value);
  return bytes;
}

std::string Written(std::string_view text) {
  ArchiveWriter out;
  out.WriteText(text);
  return out.Bytes();
}

TEST(ArchiveTest, TextLengthsTakeTheirThreeForms) {
  EXPECT_EQ(Written(std::string(254, 'a')), Bytes({0xFE}) + std::string(254, 'a'));
  EXPECT_EQ(Written(std::string(255, 'a')), Bytes({0xFF, 0xFF, 0x00}) + std::string(255, 'a'));
  EXPECT_EQ(Written(std::string(65533, 'b')).substr(0, 3), Bytes({0xFF, 0xFD, 0xFF}));
  EXPECT_EQ(Written(std::string(70000, 'c')).substr(0, 7),
            Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
  EXPECT_EQ(Written(""), Bytes({0x00}));
}

TEST(ArchiveTest, TextsAreSingleByteWhereTheyCanBe) {
  // é and € have bytes of their own in the code page.
  EXPECT_EQ(Written("\xC3\xA9\xE2\x82\xAC"), Bytes({0x02, 0xE9, 0x80}));
  // 中 has none: the whole text goes in 16-bit characters.
  EXPECT_EQ(Written("a\xE4\xB8\xAD"), Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 0x2D, 0x4E}));
  for (const std::string& text : std::initializer_list<std::string>{"plain", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "mixed \xE4\xB8\xAD text",
                                 "\xF0\x9F\x98\x80 beyond the basic plane", std::string(300, 'z')}) {
    const std::string bytes = Written(text);
    ArchiveReader in(bytes);
    EXPECT_EQ(in.ReadText(), text);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(ArchiveTest, NumbersAndCountsAreLittleEndian) {
  ArchiveWriter out;
  out.WriteInt32(-2);
  out.WriteDouble(1.0);
  out.WriteCount(3);
  out.WriteCount(0x12345);
  EXPECT_EQ(out.Bytes(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0x03, 0x00,
                                0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}));
  ArchiveReader in(out.Bytes());
  EXPECT_EQ(in.ReadInt32(), -2);
  EXPECT_EQ(in.ReadDouble(), 1.0);
  EXPECT_EQ(in.ReadCount(), 3u);
  EXPECT_EQ(in.ReadCount(), 0x12345u);
  EXPECT_FALSE(in.Failed());
}

TEST(ArchiveTest, ReadsPastTheEndFailAndStayFailed) {
  ArchiveReader in(Bytes({1, 2, 3}));
  EXPECT_EQ(in.ReadInt32(), 0);
  EXPECT_TRUE(in.Failed());
  EXPECT_EQ(in.ReadText(), "");
  EXPECT_EQ(in.Remaining(), 0u);

  // A text claiming more bytes than there are, and counts the rest cannot hold.
  ArchiveReader longText(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}));
  EXPECT_EQ(longText.ReadText(), "");
  EXPECT_TRUE(longText.Failed());
  ArchiveReader wideText(Bytes({0xFF, 0xFE, 0xFF, 0x05, 'a', 0}));
  wideText.ReadText();
  EXPECT_TRUE(wideText.Failed());
  ArchiveReader manyRecords(Bytes({0x00, 0x00, 0x00, 0x01, 0, 0, 0, 0}));
  EXPECT_EQ(manyRecords.ReadRecordCount(4), 0);
  EXPECT_TRUE(manyRecords.Failed());
  ArchiveReader negative(Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(negative.ReadRecordCount(1), 0);
  EXPECT_TRUE(negative.Failed());
}

TEST(ItemRecordsTest, AListStoresItsReservedSlotToo) {
  CDataList list;
  list.SetName("L");
  for (const double value : {1.5, -2.0, 3.25}) list.Append(value);
  ArchiveWriter out;
  StoreList(out, list);
  const std::string& bytes = out.Bytes();
  // Name, type 2, editable 1, then the count 4 and 32 bytes of doubles.
  ASSERT_EQ(bytes.size(), 2u + 4 + 4 + 2 + 32);
  EXPECT_EQ(bytes.substr(0, 12), Bytes({1, 'L', 2, 0, 0, 0, 1, 0, 0, 0, 0x04, 0x00}));
  EXPECT_EQ(bytes.substr(12, 8), std::string(8, '\0'));

  ArchiveReader in(bytes);
  CDataList loaded;
  LoadList(in, loaded);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(loaded.Name(), "L");
  EXPECT_EQ(loaded.Slots(), list.Slots());
  EXPECT_FALSE(loaded.IsModified());
}

TEST(ItemRecordsTest, TablesAndMatricesRoundTrip) {
  CDataTable table;
  table.SetName("T");
  table.SetUpColumns(TableLayout::kXYError, 3, 2);
  table.SetCell(0, 1, 4);
  table.SetCell(2, 0, 0.5);
  table.SetEditable(false);
  CDataMatrix matrix;
  matrix.SetName("M");
  matrix.Resize(2, 3, false);
  matrix.SetCell(2, 3, 7);
  ArchiveWriter out;
  StoreTable(out, table);
  StoreMatrix(out, matrix);

  ArchiveReader in(out.Bytes());
  CDataTable loadedTable;
  CDataMatrix loadedMatrix;
  LoadTable(in, loadedTable);
  LoadMatrix(in, loadedMatrix);
  ASSERT_FALSE(in.Failed());
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(loadedTable.Layout(), TableLayout::kXYError);
  ASSERT_EQ(loadedTable.ColumnCount(), 3);
  EXPECT_EQ(loadedTable.Column(2).Name(), table.Column(2).Name());
  EXPECT_EQ(loadedTable.Cell(0, 1), 4);
  EXPECT_EQ(loadedTable.Cell(2, 0), 0.5);
  EXPECT_FALSE(loadedTable.IsEditable());
  EXPECT_EQ(loadedMatrix.Rows(), 2);
  EXPECT_EQ(loadedMatrix.Columns(), 3);
  EXPECT_EQ(loadedMatrix.Cell(2, 3), 7);
}

TEST(ItemRecordsTest, AnEmptyMatrixConsumesNoValues) {
  ArchiveWriter out;
  out.WriteText("E");
  out.WriteInt32(4);
  out.WriteInt32(1);
  out.WriteInt32(0);  // rows
  out.WriteInt32(5);  // columns
  out.WriteInt32(1234);
  ArchiveReader in(out.Bytes());
  CDataMatrix matrix;
  LoadMatrix(in, matrix);
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(matrix.Rows(), 0);
  EXPECT_EQ(in.ReadInt32(), 1234);
}

TEST(ItemRecordsTest, ImpossibleSizesFailWithoutAllocating) {
  ArchiveWriter list;
  list.WriteText("L");
  list.WriteInt32(2);
  list.WriteInt32(1);
  list.WriteCount(0x7FFFFFFF);
  ArchiveReader in(list.Bytes());
  CDataList loaded;
  LoadList(in, loaded);
  EXPECT_TRUE(in.Failed());

  ArchiveWriter matrix;
  matrix.WriteText("M");
  matrix.WriteInt32(4);
  matrix.WriteInt32(1);
  matrix.WriteInt32(100000);
  matrix.WriteInt32(100000);
  ArchiveReader matrixIn(matrix.Bytes());
  CDataMatrix loadedMatrix;
  LoadMatrix(matrixIn, loadedMatrix);
  EXPECT_TRUE(matrixIn.Failed());

  ArchiveWriter table;
  table.WriteText("T");
  table.WriteInt32(0);
  table.WriteInt32(1);
  table.WriteInt32(9);  // an unknown layout
  table.WriteInt32(0);
  ArchiveReader tableIn(table.Bytes());
  CDataTable loadedTable;
  LoadTable(tableIn, loadedTable);
  EXPECT_TRUE(tableIn.Failed());
}

}  // namespace
}  // namespace orvella
