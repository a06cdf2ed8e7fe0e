// A matrix: a rectangle of numbers addressed (row, column) from 1.
#pragma once

#include <vector>

#include "project/data_item.h"

namespace orvella {

class CDataMatrix : public CDataItem {
 public:
  CDataMatrix() : CDataItem(kItemTypeMatrix) {}

  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  // 1-based; 0 outside the matrix.
  double Cell(int row, int column) const;
  // 1-based; ignored outside the matrix.
  void SetCell(int row, int column, double value);

  // With keep the overlapping rectangle survives, otherwise every cell becomes 0.
  // Codes: 16 for a negative size, 33 for a size beyond the item limits (unchanged).
  CalcError Resize(int rows, int columns, bool keep);
  // Size and values (not the name).
  void CopyFrom(const CDataMatrix& other);
  // Row by row; stops at the first evaluation error and returns it.
  CalcError Transform(CCalcEngine& engine) override;

  // 1 <= row <= rows + 1: a zero row at `row`, the rows from it move down.
  bool InsertRow(int row);
  // rows >= 2 and 1 <= row <= rows: the rows after it move up.
  bool DeleteRow(int row);
  // The same for columns.
  bool InsertColumn(int column);
  bool DeleteColumn(int column);
  // rows x columns becomes columns x rows with cell (i, j) = old cell (j, i).
  void Transpose();

 private:
  bool Contains(int row, int column) const {
    return row >= 1 && row <= rows_ && column >= 1 && column <= columns_;
  }
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column - 1);
  }
  // A rows x columns matrix whose cell (i, j) is source(i, j).
  template <typename Source>
  void Rebuild(int rows, int columns, Source source);

  int rows_ = 0;
  int columns_ = 0;
  std::vector<double> values_;  // row-major
};

}  // namespace orvella
