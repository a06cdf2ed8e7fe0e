// libFuzzer target: any text through parse, evaluation and every number format, under
// settings chosen by the first byte. Nothing may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calc_engine.h"
#include "engine/evaluation_budget.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "worksheet/line_execution.h"

namespace {

using namespace orvella;

void Configure(CCalcEngine& engine, std::uint8_t settings) {
  engine.SetAngleMode(static_cast<AngleMode>(settings % 3));
  engine.ResultFormat().SetType(static_cast<NumberFormatType>((settings / 3) % 6));
  engine.ResultFormat().SetDecimalPlaces((settings / 18) % 17);
  static constexpr int kBases[] = {10, 16, 2, 8, 36, 10, 10, 10};
  engine.SetInputBase(kBases[(settings >> 5) & 7]);
  EngineModes& modes = engine.Modes();
  modes.lenientNames = (settings & 0x40) != 0;
  modes.autoCreateVariables = (settings & 0x80) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Nested integrals may take their full budget; keep each input quick.
  SetEvaluationBudget(20000);
  const std::uint8_t settings = data[0];
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  ScopedConvention convention((settings & 1) ? kFrenchConvention : kUsConvention);
  CCalcEngine engine;
  Configure(engine, settings);
  engine.SetExpression(text);
  if (engine.Parse() == kNoError) {
    double value = engine.EvaluateAt(0.5);
    (void)engine.FormatResult();
    for (int type = 0; type < kNumberFormatTypeCount; ++type) {
      CNumberFormat format(static_cast<NumberFormatType>(type), settings % 17);
      (void)format.Format(value);
    }
  } else {
    int position = engine.ErrorPosition();
    if (position < 0 || position > static_cast<int>(text.size())) __builtin_trap();
  }
  (void)ErrorText(engine.EvaluationError());

  // The same text as a worksheet line, run twice: definitions made by the first run are
  // in the store for the second.
  CSymbolStore store;
  InstallUserNames(&store);
  LineExecutor executor(engine, store);
  (void)executor.Execute(text);
  (void)executor.Execute(text);
  InstallUserNames(nullptr);
  return 0;
}
