// The cell-edit contract of the grid for data tables, lists and matrices: which cells may
// be edited, how a typed text becomes a value, and what the cell shows afterwards. Grid
// rows and columns count from 1 below the header row and right of the header column.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/data_table.h"

namespace orvella {

class CCalcEngine;

// Table: only while its editable flag is set, within its layout's rule (kFixed has no
// entry row). List: column 1, rows 1..n + 1. Matrix: its cells.
bool MayEditCell(const CDataTable& table, int row, int column);
bool MayEditCell(const CDataList& list, int row, int column);
bool MayEditCell(const CDataMatrix& matrix, int row, int column);

// The value of a typed text, or nothing when the edit is rejected (blank, or beginning
// with '#', the form of an error shown in a cell). A text that strtod reads whole is that
// number; any other is evaluated by the engine, and a parse or evaluation error gives 0.
std::optional<double> ReadCellEntry(std::string_view text, CCalcEngine& engine);

struct CellEditOutcome {
  bool accepted = false;        // false: the grid restores the old text
  std::string text;             // the text the cell shows now ("%.15g" of the value)
  bool filledEntryRow = false;  // the next grid row is the new entry row; repaint it
};

// Stores the value of an accepted edit and marks the item modified. The caller marks the
// project modified and, for a table, lets the preview plot follow (AutoPlot).
CellEditOutcome CommitCellEdit(CDataTable& table, int row, int column, std::string_view text,
                               CCalcEngine& engine);
CellEditOutcome CommitCellEdit(CDataList& list, int row, int column, std::string_view text,
                               CCalcEngine& engine);
CellEditOutcome CommitCellEdit(CDataMatrix& matrix, int row, int column, std::string_view text,
                               CCalcEngine& engine);

}  // namespace orvella
