#include "engine/evaluation_budget.h"

namespace orvella {
namespace {

long long gBudget = kDefaultEvaluationBudget;
long long gUsed = 0;
int gDepth = 0;

}  // namespace

void SetEvaluationBudget(long long evaluations) { gBudget = evaluations; }
long long EvaluationBudget() { return gBudget; }

EvaluationBudgetScope::EvaluationBudgetScope() {
  if (gDepth++ == 0) gUsed = 0;
}

EvaluationBudgetScope::~EvaluationBudgetScope() { --gDepth; }

bool ChargeEvaluation() { return ++gUsed <= gBudget; }

}  // namespace orvella
