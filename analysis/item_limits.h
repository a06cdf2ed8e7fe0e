// Upper bounds on the size of data items. A hostile file, a pasted text or a typed size
// must not make the program allocate without bound; requests beyond them are refused.
#pragma once

#include <cstddef>

namespace orvella {

// Values in one list or one table column; rows or columns of a matrix.
inline constexpr int kMaxItemRows = 1'000'000;
// Columns of a table.
inline constexpr int kMaxItemColumns = 1'000;
// Values in one table or matrix (32 MB of doubles).
inline constexpr long long kMaxItemCells = 4'000'000;
// Fields taken from one pasted text; each costs a string, so fewer than an item holds.
inline constexpr std::size_t kMaxPasteFields = 1'000'000;

inline bool FitsTable(long long rows, long long columns) {
  return rows >= 0 && columns >= 0 && rows <= kMaxItemRows && columns <= kMaxItemColumns &&
         rows * columns <= kMaxItemCells;
}

// Symmetric, so that every matrix can be transposed.
inline bool FitsMatrix(long long rows, long long columns) {
  return rows >= 0 && columns >= 0 && rows <= kMaxItemRows && columns <= kMaxItemRows &&
         rows * columns <= kMaxItemCells;
}

}  // namespace orvella
