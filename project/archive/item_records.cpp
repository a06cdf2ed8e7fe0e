#include "project/archive/item_records.h"

#include <vector>

namespace orvella {
namespace {

constexpr std::size_t kDoubleBytes = 8;

// Every item starts with its name, its type code and its editable flag; the modified flag
// is not stored, and storing clears it.
void StoreItemPart(ArchiveWriter& out, const CDataItem& item) {
  out.WriteText(item.Name());
  out.WriteInt32(item.ItemType());
  out.WriteBool(item.IsEditable());
}

void LoadItemPart(ArchiveReader& in, CDataItem& item) {
  item.SetName(in.ReadText());
  in.ReadInt32();  // the type code: the item being read already has its type
  item.SetEditable(in.ReadBool());
}

}  // namespace

void StoreList(ArchiveWriter& out, const CDataList& list) {
  StoreItemPart(out, list);
  const std::vector<double>& slots = list.Slots();
  out.WriteCount(static_cast<std::uint32_t>(slots.size()));
  for (const double value : slots) out.WriteDouble(value);
}

void LoadList(ArchiveReader& in, CDataList& list) {
  LoadItemPart(in, list);
  const std::uint32_t count = in.ReadCount();
  if (in.Failed() || count > in.Remaining() / kDoubleBytes) return in.Fail();
  std::vector<double> slots(count);
  for (double& value : slots) value = in.ReadDouble();
  // A list always has its reserved slot; a stored list without one holds nothing.
  if (slots.empty()) slots.push_back(0.0);
  if (!in.Failed() && !list.RestoreSlots(std::move(slots))) in.Fail();
  list.SetModified(false);
}

void StoreTable(ArchiveWriter& out, const CDataTable& table) {
  StoreItemPart(out, table);
  out.WriteInt32(static_cast<std::int32_t>(table.Layout()));
  out.WriteInt32(table.ColumnCount());
  for (const CDataList& column : table.Columns()) StoreList(out, column);
}

void LoadTable(ArchiveReader& in, CDataTable& table) {
  LoadItemPart(in, table);
  const std::int32_t layout = in.ReadInt32();
  const std::int32_t columnCount = in.ReadRecordCount(kMinListBytes);
  if (in.Failed() || !IsKnownLayout(layout)) return in.Fail();
  std::vector<CDataList> columns(static_cast<std::size_t>(columnCount));
  for (CDataList& column : columns) {
    LoadList(in, column);
    if (in.Failed()) return;
  }
  if (!table.Restore(static_cast<TableLayout>(layout), std::move(columns))) return in.Fail();
  table.SetModified(false);
}

void StoreMatrix(ArchiveWriter& out, const CDataMatrix& matrix) {
  StoreItemPart(out, matrix);
  out.WriteInt32(matrix.Rows());
  out.WriteInt32(matrix.Columns());
  for (int row = 1; row <= matrix.Rows(); ++row) {
    for (int column = 1; column <= matrix.Columns(); ++column) {
      out.WriteDouble(matrix.Cell(row, column));
    }
  }
}

void LoadMatrix(ArchiveReader& in, CDataMatrix& matrix) {
  LoadItemPart(in, matrix);
  const std::int32_t rows = in.ReadInt32();
  const std::int32_t columns = in.ReadInt32();
  if (in.Failed()) return;
  // An empty matrix stores no values.
  if (rows < 1 || columns < 1) {
    matrix.Resize(0, 0, false);
    matrix.SetModified(false);
    return;
  }
  const auto cells = static_cast<unsigned long long>(rows) * static_cast<unsigned long long>(columns);
  if (cells > in.Remaining() / kDoubleBytes || matrix.Resize(rows, columns, false) != kNoError) {
    return in.Fail();
  }
  for (int row = 1; row <= rows; ++row) {
    for (int column = 1; column <= columns; ++column) matrix.SetCell(row, column, in.ReadDouble());
  }
  matrix.SetModified(false);
}

}  // namespace orvella
