// The "Nonlinear Fit..." command around its dialogs: the check before the model dialog
// opens, and what happens after its OK — the recent models, the fit of the selected table
// and the fitted data graph that carries the report.
#pragma once

#include <memory>
#include <vector>

#include "analysis/equation_library.h"
#include "analysis/nonlinear_fit.h"
#include "engine/calc_error.h"
#include "project/document_settings.h"

namespace orvella {

class CMyDocument;
namespace platform {
class Prompter;
}

inline constexpr int kNonlinearFitCommandId = 32865;
inline constexpr const char* kTooFewRowsToFit =
    "There are too few data points.  Please enter more data.";

// The command is enabled while a data table is selected.
bool NonlinearFitEnabled(const CMyDocument& document);

// The fit the model dialog and the "Initial Values" dialog work on, for the selected table,
// with the iteration limit of the "Maximum number of iterations" option (kept within
// 1..10000). Null when no table is selected, or when it has fewer than two rows (then the
// too-few-data message is shown).
std::unique_ptr<NonlinearFit> BeginNonlinearFit(CMyDocument& document,
                                                platform::Prompter& prompter);

// After the model dialog's OK with the chosen model: the recent models, then the fit of
// the selected table with the settings made on `fit`, then the data graph "<model> Fit of
// <table>" added to the project. A failure is shown to `prompter` as its message and
// returned, and nothing is added (kInvalidData when no table is selected any more).
CalcError FinishNonlinearFit(CMyDocument& document, platform::Prompter& prompter,
                             const EquationModel& model, NonlinearFit& fit);

// Most recent first, at most kMaxRecentFits: a record of the same name moves to the front
// as `model`; the first record of that name takes the new equation; a new name goes in
// front, the oldest dropping out when the list is full.
void RememberRecentFit(std::vector<RecentFitModel>& recent, const EquationModel& model);

}  // namespace orvella
