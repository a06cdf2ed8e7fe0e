// Speed of unit conversion, with the predefined relations alone and with 200 user
// conversions drawn at random among new and predefined unit names: a dense graph, the
// worst case of the path search, which must stay far below a millisecond per conversion.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_engine.h"
#include "library/unit_conversion.h"
#include "library/unit_relations.h"
#include "library/unit_table.h"

namespace {

using namespace orvella;

// The time units stay out of the drawn conversions, so that a length to a time is a
// conversion between known units that fails only after the whole graph was searched.
bool IsTimeRelation(int listIndex) { return listIndex >= 156 && listIndex <= 169; }

std::vector<std::string> DrawableNames() {
  std::set<std::string> seen;
  std::vector<std::string> names;
  const auto rows = orvella::PredefinedRelations();
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    if (IsTimeRelation(i)) continue;
    for (std::string_view name : {rows[i].from, rows[i].to}) {
      if (seen.insert(std::string(name)).second) names.emplace_back(name);
    }
  }
  for (int i = 0; i < 60; ++i) names.push_back("unit" + std::to_string(i));
  return names;
}

void PrepareRelations(int userConversions) {
  ResetUnitRelations();
  static const std::vector<std::string> names = DrawableNames();
  std::uint32_t seed = 2024;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int k = 0; k < userConversions; ++k) {
    const std::string& from = names[next() % names.size()];
    const std::string& to = names[next() % names.size()];
    AddUserConversion(from, to, 0.5 + (next() % 1000) / 100.0);
  }
}

void Conversion(benchmark::State& state, const char* from, const char* to, CalcError expected) {
  PrepareRelations(static_cast<int>(state.range(0)));
  double value = 1.0;
  if (Convert(value, from, to) != expected) {
    state.SkipWithError("unexpected result");
    return;
  }
  for (auto _ : state) {
    value = 1.0;
    benchmark::DoNotOptimize(Convert(value, from, to));
    benchmark::DoNotOptimize(value);
  }
}

// A whole CONVERT call as a worksheet line evaluates it: the parsed call is evaluated again
// each time, since CONVERT is never folded.
void ConvertCall(benchmark::State& state) {
  PrepareRelations(static_cast<int>(state.range(0)));
  CCalcEngine engine;
  engine.SetExpression("CONVERT(1, \"mi\", \"m\")");
  if (engine.Parse() != kNoError) {
    state.SkipWithError("parse failed");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(engine.Evaluate());
}

// The first conversion after a change of the list, which rebuilds the graph.
void ConversionAfterChange(benchmark::State& state) {
  PrepareRelations(static_cast<int>(state.range(0)));
  AddUserConversion("widget", "furlong", 3);
  const int last = UserConversionCount() - 1;
  double factor = 3.0;
  for (auto _ : state) {
    SetConversionFactor(last, factor);
    double value = 1.0;
    benchmark::DoNotOptimize(Convert(value, "mi", "widget"));
    factor = factor == 3.0 ? 4.0 : 3.0;
  }
}

// The duplicate check of a changed user conversion (refused: furlong and m are connected).
void DuplicateCheck(benchmark::State& state) {
  PrepareRelations(static_cast<int>(state.range(0)));
  AddUserConversion("furlong", "", 0);
  const int last = UserConversionCount() - 1;
  for (auto _ : state) benchmark::DoNotOptimize(SetConversionTo(last, "m"));
}

void Register(const char* name, void (*run)(benchmark::State&)) {
  benchmark::RegisterBenchmark(name, run)->Arg(0)->Arg(200)->Unit(benchmark::kMicrosecond);
}

void RegisterConversion(const char* name, const char* from, const char* to, CalcError expected) {
  benchmark::RegisterBenchmark(name, Conversion, from, to, expected)
      ->Arg(0)
      ->Arg(200)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterConversion("convert/mi_m", "mi", "m", kNoError);
  RegisterConversion("convert/speed", "m/s", "km/h", kNoError);
  RegisterConversion("convert/square_mile_acre", "square mile", "acre", kNoError);
  RegisterConversion("convert/plural_retry", "feet", "yards", kNoError);
  RegisterConversion("convert/temperature", "degC", "degF", kNoError);
  RegisterConversion("convert/fail_length_time", "m", "s", kBadArgument);
  RegisterConversion("convert/fail_unknown", "m", "nowhere", kBadArgument);
  Register("convert/call_in_expression", ConvertCall);
  Register("convert/after_change", ConversionAfterChange);
  Register("convert/duplicate_check", DuplicateCheck);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
