#include "analysis/data_matrix.h"

#include "analysis/item_limits.h"
#include "engine/calc_engine.h"

namespace orvella {

double CDataMatrix::Cell(int row, int column) const {
  return Contains(row, column) ? values_[Index(row, column)] : 0.0;
}

void CDataMatrix::SetCell(int row, int column, double value) {
  if (!Contains(row, column)) return;
  values_[Index(row, column)] = value;
  SetModified(true);
}

template <typename Source>
void CDataMatrix::Rebuild(int rows, int columns, Source source) {
  std::vector<double> values(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= columns; ++j) {
      values[static_cast<std::size_t>(i - 1) * columns + (j - 1)] = source(i, j);
    }
  }
  rows_ = rows;
  columns_ = columns;
  values_ = std::move(values);
  SetModified(true);
}

CalcError CDataMatrix::Resize(int rows, int columns, bool keep) {
  if (rows < 0 || columns < 0) return kInvalidParameter;
  if (!FitsMatrix(rows, columns)) return kOutOfMemory;
  Rebuild(rows, columns, [this, keep](int i, int j) { return keep ? Cell(i, j) : 0.0; });
  return kNoError;
}

void CDataMatrix::CopyFrom(const CDataMatrix& other) {
  rows_ = other.rows_;
  columns_ = other.columns_;
  values_ = other.values_;
  SetModified(true);
}

CalcError CDataMatrix::Transform(CCalcEngine& engine) {
  for (double& value : values_) {
    double result = engine.EvaluateAt(value);
    if (engine.EvaluationError() != kNoError) return engine.EvaluationError();
    value = result;
    SetModified(true);
  }
  return kNoError;
}

bool CDataMatrix::InsertRow(int row) {
  if (row < 1 || row > rows_ + 1 || !FitsMatrix(rows_ + 1LL, columns_)) return false;
  Rebuild(rows_ + 1, columns_, [this, row](int i, int j) {
    return i < row ? Cell(i, j) : i == row ? 0.0 : Cell(i - 1, j);
  });
  return true;
}

bool CDataMatrix::DeleteRow(int row) {
  if (rows_ < 2 || row < 1 || row > rows_) return false;
  Rebuild(rows_ - 1, columns_,
          [this, row](int i, int j) { return i < row ? Cell(i, j) : Cell(i + 1, j); });
  return true;
}

bool CDataMatrix::InsertColumn(int column) {
  if (column < 1 || column > columns_ + 1 || !FitsMatrix(rows_, columns_ + 1LL)) return false;
  Rebuild(rows_, columns_ + 1, [this, column](int i, int j) {
    return j < column ? Cell(i, j) : j == column ? 0.0 : Cell(i, j - 1);
  });
  return true;
}

bool CDataMatrix::DeleteColumn(int column) {
  if (columns_ < 2 || column < 1 || column > columns_) return false;
  Rebuild(rows_, columns_ - 1,
          [this, column](int i, int j) { return j < column ? Cell(i, j) : Cell(i, j + 1); });
  return true;
}

void CDataMatrix::Transpose() {
  Rebuild(columns_, rows_, [this](int i, int j) { return Cell(j, i); });
}

}  // namespace orvella
