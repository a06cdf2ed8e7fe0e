// Cost of the numerical calculus at the default tolerance (1E-5) and 200 steps: each case
// times the whole expression through the engine and reports how many evaluations of the
// function of x the routine spends (counted by running the same kernel on a counting
// wrapper of the same function).
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/calc_engine.h"
#include "library/brent.h"
#include "library/find_zeros.h"
#include "library/integration.h"
#include "library/ridders.h"

namespace {

using namespace orvella;

// The function of x, parsed on its own engine, with a count of its evaluations.
class CountedFunction {
 public:
  explicit CountedFunction(const char* text) {
    engine_.SetExpression(text);
    engine_.Parse();
  }
  RealFunction Function() {
    return [this](double x, double& y) {
      ++count_;
      y = engine_.EvaluateAt(x);
      return engine_.EvaluationError();
    };
  }
  double Count() const { return static_cast<double>(count_); }

 private:
  CCalcEngine engine_;
  long count_ = 0;
};

void TimeExpression(benchmark::State& state, const char* text) {
  CCalcEngine engine;
  engine.SetExpression(text);
  engine.Parse();
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.Evaluate());
  }
  if (engine.EvaluationError() != kNoError) state.SkipWithError("evaluation failed");
}

void BM_FintSmooth(benchmark::State& state) {
  CountedFunction f("EXP(-x^2)");
  double result = 0.0;
  Integrate(f.Function(), 0, 2, 1e-5, result);
  TimeExpression(state, "FINT(EXP(-x^2), 0, 2)");
  state.counters["evaluations"] = f.Count();
}
BENCHMARK(BM_FintSmooth)->Unit(benchmark::kMicrosecond);

void BM_FintInfiniteRange(benchmark::State& state) {
  CountedFunction f("1/(1+x^2)");
  double result = 0.0;
  Integrate(f.Function(), 0, 1.0 / 0.0, 1e-5, result);
  TimeExpression(state, "FINT(1/(1+x^2), 0, INF)");
  state.counters["evaluations"] = f.Count();
}
BENCHMARK(BM_FintInfiniteRange)->Unit(benchmark::kMicrosecond);

void BM_Fzero(benchmark::State& state) {
  CountedFunction f("COS(x)-x");
  double root = 0.0;
  BrentZero(f.Function(), 0, 1, 1e-5, root);
  TimeExpression(state, "FZERO(COS(x)-x, 0, 1)");
  state.counters["evaluations"] = f.Count();
}
BENCHMARK(BM_Fzero)->Unit(benchmark::kMicrosecond);

void BM_Fdiff(benchmark::State& state) {
  CountedFunction f("SIN(x)*EXP(x)");
  double derivative = 0.0;
  RiddersDerivative(f.Function(), 1, 1e-5, derivative);
  TimeExpression(state, "FDIFF(SIN(x)*EXP(x), 1)");
  state.counters["evaluations"] = f.Count();
}
BENCHMARK(BM_Fdiff)->Unit(benchmark::kMicrosecond);

void BM_FindZeros200(benchmark::State& state) {
  CountedFunction f("SIN(x)");
  std::vector<double> counted;
  FindZerosOf(f.Function(), 0, 20, 200, 1e-5, counted);
  CCalcEngine engine;
  engine.SetExpression("SIN(x)");
  engine.Parse();
  std::vector<double> roots;
  for (auto _ : state) {
    roots.clear();
    benchmark::DoNotOptimize(engine.FindZeros(0, 20, roots));
  }
  state.counters["evaluations"] = f.Count();
  state.counters["roots"] = static_cast<double>(roots.size());
}
BENCHMARK(BM_FindZeros200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
