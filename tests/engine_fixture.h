// Shared helpers for tests that parse and evaluate through the public engine interface.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/locale_chars.h"

namespace orvella::test {

// What one expression did: the parse code with position and length, or the evaluation
// code with the value.
struct Outcome {
  CalcError parseCode = kNoError;
  int position = -1;
  int length = 0;
  CalcError evalCode = kNoError;
  double value = 0.0;
  std::string text;  // FormatResult() after a successful evaluation
};

inline Outcome RunExpression(CCalcEngine& engine, const std::string& expression) {
  Outcome outcome;
  engine.SetExpression(expression);
  outcome.parseCode = engine.Parse();
  if (outcome.parseCode != kNoError) {
    outcome.position = engine.ErrorPosition();
    outcome.length = CCalcEngine::ErrorLength();
    return outcome;
  }
  outcome.value = engine.Evaluate();
  outcome.evalCode = engine.EvaluationError();
  if (outcome.evalCode == kNoError) outcome.text = engine.FormatResult();
  return outcome;
}

// Every test starts from the default convention and bound variables.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : convention_(kUsConvention) { ResetBoundVariables(); }
  Outcome Run(const std::string& expression) { return RunExpression(engine_, expression); }

  ScopedConvention convention_;
  CCalcEngine engine_;
};

}  // namespace orvella::test
