// A bound on the work of one top-level evaluation by the routines that evaluate a function
// of x many times (FINT, FDIFF, FZERO, FSUM). Each is bounded on its own, but nesting them
// multiplies the bounds: FINT(FINT(FINT(...))) would run for days. Past the budget the
// evaluation fails with kMaxIterationsExceeded.
#pragma once

namespace orvella {

// Enough for a nested double integral at a fine tolerance.
inline constexpr long long kDefaultEvaluationBudget = 20'000'000;

void SetEvaluationBudget(long long evaluations);
long long EvaluationBudget();

// Marks a routine at work; the outermost one starts a fresh count.
class EvaluationBudgetScope {
 public:
  EvaluationBudgetScope();
  ~EvaluationBudgetScope();
  EvaluationBudgetScope(const EvaluationBudgetScope&) = delete;
  EvaluationBudgetScope& operator=(const EvaluationBudgetScope&) = delete;
};

// Counts one evaluation of a function argument; false once the budget is spent.
bool ChargeEvaluation();

}  // namespace orvella
