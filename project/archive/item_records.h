// The stored forms of the data items: lists (and table columns), data tables, matrices.
// Each reader fills a fresh item and reports failure through the archive.
#pragma once

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/data_table.h"
#include "project/archive/archive.h"

namespace orvella {

void StoreList(ArchiveWriter& out, const CDataList& list);
void LoadList(ArchiveReader& in, CDataList& list);

void StoreTable(ArchiveWriter& out, const CDataTable& table);
void LoadTable(ArchiveReader& in, CDataTable& table);

void StoreMatrix(ArchiveWriter& out, const CDataMatrix& matrix);
void LoadMatrix(ArchiveReader& in, CDataMatrix& matrix);

// The smallest stored records, for checking a count against the bytes that remain.
inline constexpr std::size_t kMinListBytes = 11;
inline constexpr std::size_t kMinTableBytes = 17;
inline constexpr std::size_t kMinMatrixBytes = 17;

}  // namespace orvella
