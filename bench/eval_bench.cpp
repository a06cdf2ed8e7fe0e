// Parse and evaluation speed of the engine on the expressions plots and fits typically
// use, next to muparser (the reference for a fast interpreter) and to the same expressions
// compiled as C++ (the floor no interpreter reaches).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calc_engine.h"

// Defined to 1 by the build when muparser is installed.
#ifndef ORVELLA_BENCH_MUPARSER
#define ORVELLA_BENCH_MUPARSER 0
#endif
#if ORVELLA_BENCH_MUPARSER
#include <muParser.h>
#endif

namespace {

using orvella::CCalcEngine;

constexpr bool kHaveMuparser = ORVELLA_BENCH_MUPARSER;

// The two parameters of fit models; every implementation gets them, most ignore them.
constexpr double kA = 2.5;
constexpr double kB = 1.3;

struct ExpressionCase {
  std::string_view name;
  std::string_view ours;
  std::string_view muparser;
  double (*native)(double x, double a, double b);
};

// Our parser associates ^ to the left and muparser to the right, and our minus is unary
// only with nothing on its left ("2*-3" is refused), so powers and signs are parenthesised
// wherever the two readings could part.
// The grid below stays inside every domain (no negative roots, logarithms of x^2 + 1,
// denominators that never vanish).
constexpr std::array kCases = {
    ExpressionCase{"poly2", "3*x^2 - 2*x + 1", "3*x^2 - 2*x + 1",
                   [](double x, double, double) { return 3 * (x * x) - 2 * x + 1; }},
    ExpressionCase{"poly5", "x^5 - 3*x^4 + 2*x^3 - x^2 + 5*x - 7",
                   "x^5 - 3*x^4 + 2*x^3 - x^2 + 5*x - 7",
                   [](double x, double, double) {
                     return std::pow(x, 5) - 3 * std::pow(x, 4) + 2 * std::pow(x, 3) - x * x +
                            5 * x - 7;
                   }},
    ExpressionCase{"rational", "(x^3 - 2*x + 1)/(x^2 + 1)", "(x^3 - 2*x + 1)/(x^2 + 1)",
                   [](double x, double, double) {
                     return (std::pow(x, 3) - 2 * x + 1) / (x * x + 1);
                   }},
    ExpressionCase{"trig", "SIN(x)*COS(2*x) + 0.5*SIN(3*x)", "sin(x)*cos(2*x) + 0.5*sin(3*x)",
                   [](double x, double, double) {
                     return std::sin(x) * std::cos(2 * x) + 0.5 * std::sin(3 * x);
                   }},
    ExpressionCase{"damped", "EXP(-0.3*x)*SIN(4*x)", "exp(-0.3*x)*sin(4*x)",
                   [](double x, double, double) { return std::exp(-0.3 * x) * std::sin(4 * x); }},
    ExpressionCase{"gauss", "EXP(-(x^2)/2)/SQRT(2*PI)", "exp(-(x^2)/2)/sqrt(2*_pi)",
                   [](double x, double, double) {
                     return std::exp(-(x * x) / 2) / std::sqrt(2 * std::numbers::pi);
                   }},
    ExpressionCase{"sqrt_ln", "SQRT(ABS(x)) + LN(1 + x^2)", "sqrt(abs(x)) + ln(1 + x^2)",
                   [](double x, double, double) {
                     return std::sqrt(std::fabs(x)) + std::log(1 + x * x);
                   }},
    ExpressionCase{"exp_cos", "EXP(-ABS(x)/2)*COS(x^2)", "exp(-abs(x)/2)*cos(x^2)",
                   [](double x, double, double) {
                     return std::exp(-std::fabs(x) / 2) * std::cos(x * x);
                   }},
    ExpressionCase{"tanh_mix", "x*TANH(x/2) - 1/COSH(x)", "x*tanh(x/2) - 1/cosh(x)",
                   [](double x, double, double) { return x * std::tanh(x / 2) - 1 / std::cosh(x); }},
    // Twenty operators and four calls: the size of a typical hand-typed model.
    ExpressionCase{"long20",
                   "(x^2 + 3*x - 1)/(x^2 + 1) + SIN(2*x)*COS(x/3) - EXP(-(x^2)/8)*(1 + x/2) + "
                   "SQRT(x^2 + 4)",
                   "(x^2 + 3*x - 1)/(x^2 + 1) + sin(2*x)*cos(x/3) - exp(-(x^2)/8)*(1 + x/2) + "
                   "sqrt(x^2 + 4)",
                   [](double x, double, double) {
                     return (x * x + 3 * x - 1) / (x * x + 1) + std::sin(2 * x) * std::cos(x / 3) -
                            std::exp(-(x * x) / 8) * (1 + x / 2) + std::sqrt(x * x + 4);
                   }},
    ExpressionCase{"fit_ab", "a/(1 + EXP(-(b*x)))", "a/(1 + exp(-(b*x)))",
                   [](double x, double a, double b) { return a / (1 + std::exp(-(b * x))); }},
};

// A plot's worth of abscissae across [-5, 5].
constexpr int kGridSize = 1000;

const std::vector<double>& Grid() {
  static const std::vector<double> grid = [] {
    std::vector<double> xs(kGridSize);
    for (int i = 0; i < kGridSize; ++i) xs[i] = -5.0 + 10.0 * i / (kGridSize - 1);
    return xs;
  }();
  return grid;
}

// Points where all three implementations must agree; none is near a zero of a case, where
// rounding differences of equivalent forms (pow against repeated products) would show.
constexpr std::array kProbePoints = {-4.1, -1.3, 0.7, 2.6, 4.4};
constexpr double kAgreement = 1e-12;

bool Agree(double u, double v) {
  return std::fabs(u - v) <= kAgreement * std::max(std::fabs(u), std::fabs(v));
}

// ---------------------------------------------------------------------------------------
// Our engine

// Parses the text with a and b defined, as a fit would set the engine up.
void PrepareOurs(CCalcEngine& engine, std::string_view text) {
  engine.AppendVariable("a", kA);
  engine.AppendVariable("b", kB);
  engine.SetExpression(text);
  engine.Parse();
}

// Why the engine cannot evaluate the expression at every x, or nothing.
std::optional<std::string> OursFailure(CCalcEngine& engine, std::span<const double> xs) {
  if (orvella::CalcError code = engine.EvaluationError(); code != orvella::kNoError) {
    return "parse error " + std::to_string(code) + ": " + CCalcEngine::ErrorText(code);
  }
  for (double x : xs) {
    engine.EvaluateAt(x);
    if (orvella::CalcError code = engine.EvaluationError(); code != orvella::kNoError) {
      return "evaluation error " + std::to_string(code) + " at x = " + std::to_string(x) + ": " +
             CCalcEngine::ErrorText(code);
    }
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// muparser

#if ORVELLA_BENCH_MUPARSER
// A muparser instance bound to its own x, a and b. muparser keeps their addresses, so the
// object stays where it was built.
class MuExpression {
 public:
  MuExpression() {
    parser_.DefineVar("x", &x_);
    parser_.DefineVar("a", &a_);
    parser_.DefineVar("b", &b_);
  }
  MuExpression(const MuExpression&) = delete;
  MuExpression& operator=(const MuExpression&) = delete;

  // muparser only stores the text here; it parses on the first evaluation.
  void SetText(const std::string& text) { parser_.SetExpr(text); }
  double At(double x) {
    x_ = x;
    return parser_.Eval();
  }

  bool SetOrSkip(benchmark::State& state, const std::string& text) {
    if (auto failure = Failure(text)) {
      state.SkipWithError(failure->c_str());
      return false;
    }
    return true;
  }

  // Why muparser cannot evaluate the text, or nothing.
  std::optional<std::string> Failure(const std::string& text) {
    try {
      SetText(text);
      At(Grid().front());
    } catch (const mu::Parser::exception_type& error) {
      return "muparser: " + error.GetMsg();
    }
    return std::nullopt;
  }

 private:
  mu::Parser parser_;
  double x_ = 0.0;
  double a_ = kA;
  double b_ = kB;
};
#endif

// ---------------------------------------------------------------------------------------
// The startup check: a benchmark of an expression that means different things, or that
// fails somewhere on the grid, would measure nothing useful.

bool CaseAgrees(const ExpressionCase& c) {
  CCalcEngine engine;
  PrepareOurs(engine, c.ours);
  if (auto failure = OursFailure(engine, Grid())) {
    std::fprintf(stderr, "%.*s: ours: %s\n", static_cast<int>(c.name.size()), c.name.data(),
                 failure->c_str());
    return false;
  }
#if ORVELLA_BENCH_MUPARSER
  MuExpression mu;
  if (auto failure = mu.Failure(std::string(c.muparser))) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(c.name.size()), c.name.data(),
                 failure->c_str());
    return false;
  }
#endif
  bool agrees = true;
  for (double x : kProbePoints) {
    const double ours = engine.EvaluateAt(x);
    const double native = c.native(x, kA, kB);
#if ORVELLA_BENCH_MUPARSER
    const double reference = mu.At(x);
#else
    const double reference = native;
#endif
    if (!Agree(ours, native) || !Agree(ours, reference)) {
      std::fprintf(stderr, "%.*s: values differ at x = %g: ours %.17g, muparser %.17g, C++ %.17g\n",
                   static_cast<int>(c.name.size()), c.name.data(), x, ours, reference, native);
      agrees = false;
    }
  }
  return agrees;
}

bool SuiteAgrees() {
  bool agrees = true;
  for (const ExpressionCase& c : kCases) agrees = CaseAgrees(c) && agrees;
  if (agrees) {
    std::fprintf(stderr, "Suite check: %zu expressions agree at %zu points (%s).\n", kCases.size(),
                 kProbePoints.size(), kHaveMuparser ? "ours, muparser, C++" : "ours, C++");
  } else {
    std::fprintf(stderr, "The expression suite is inconsistent; no benchmark was run.\n");
  }
  return agrees;
}

// ---------------------------------------------------------------------------------------
// Benchmarks

// One iteration evaluates the whole grid; the counter turns that into time per evaluation.
void ReportPerEvaluation(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kGridSize);
  state.counters["per_eval"] = benchmark::Counter(
      kGridSize, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Sets the engine up for the case; false, with the benchmark skipped, when the engine
// cannot evaluate it.
bool PrepareOrSkip(benchmark::State& state, CCalcEngine& engine, const ExpressionCase& c) {
  PrepareOurs(engine, c.ours);
  if (auto failure = OursFailure(engine, std::span(Grid()).first(1))) {
    state.SkipWithError(failure->c_str());
    return false;
  }
  return true;
}

void EvalOurs(benchmark::State& state, const ExpressionCase& c) {
  CCalcEngine engine;
  if (!PrepareOrSkip(state, engine, c)) return;
  for (auto _ : state) {
    for (double x : Grid()) benchmark::DoNotOptimize(engine.EvaluateAt(x));
  }
  ReportPerEvaluation(state);
}

void ParseOurs(benchmark::State& state, const ExpressionCase& c) {
  CCalcEngine engine;
  if (!PrepareOrSkip(state, engine, c)) return;
  for (auto _ : state) {
    engine.SetExpression(c.ours);
    benchmark::DoNotOptimize(engine.Parse());
  }
}

// The program is compiled on the first evaluation, so this is what a plot pays up front.
void ParseCompileOurs(benchmark::State& state, const ExpressionCase& c) {
  CCalcEngine engine;
  if (!PrepareOrSkip(state, engine, c)) return;
  const double x = Grid().front();
  for (auto _ : state) {
    engine.SetExpression(c.ours);
    engine.Parse();
    benchmark::DoNotOptimize(engine.EvaluateAt(x));
  }
}

#if ORVELLA_BENCH_MUPARSER
void EvalMuparser(benchmark::State& state, const ExpressionCase& c) {
  MuExpression mu;
  if (!mu.SetOrSkip(state, std::string(c.muparser))) return;
  for (auto _ : state) {
    for (double x : Grid()) benchmark::DoNotOptimize(mu.At(x));
  }
  ReportPerEvaluation(state);
}

// muparser parses lazily on the first evaluation, so its parse includes that evaluation,
// like our parse+compile.
void ParseMuparser(benchmark::State& state, const ExpressionCase& c) {
  MuExpression mu;
  const std::string text(c.muparser);
  const double x = Grid().front();
  if (!mu.SetOrSkip(state, text)) return;
  for (auto _ : state) {
    mu.SetText(text);
    benchmark::DoNotOptimize(mu.At(x));
  }
}
#endif

// The C++ form is a template argument so that it is inlined, as hand-written code would be.
template <std::size_t I>
void EvalNative(benchmark::State& state) {
  constexpr auto f = kCases[I].native;
  double a = kA;
  double b = kB;
  for (auto _ : state) {
    // Hidden from the optimiser, so parameters are not folded into the loop.
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    for (double x : Grid()) benchmark::DoNotOptimize(f(x, a, b));
  }
  ReportPerEvaluation(state);
}

std::string BenchmarkName(std::string_view group, const ExpressionCase& c) {
  return std::string(group) + "/" + std::string(c.name);
}

void RegisterCaseBenchmarks(std::string_view group,
                            void (*run)(benchmark::State&, const ExpressionCase&),
                            benchmark::TimeUnit unit) {
  for (const ExpressionCase& c : kCases) {
    benchmark::RegisterBenchmark(BenchmarkName(group, c).c_str(), run, c)->Unit(unit);
  }
}

template <std::size_t... I>
void RegisterNativeBenchmarks(std::index_sequence<I...>) {
  (benchmark::RegisterBenchmark(BenchmarkName("Eval/native", kCases[I]).c_str(), &EvalNative<I>)
       ->Unit(benchmark::kMicrosecond),
   ...);
}

// An evaluation iteration covers the whole grid, so its microseconds read as nanoseconds
// per evaluation in the console too.
void RegisterSuite() {
  RegisterCaseBenchmarks("Parse/ours", &ParseOurs, benchmark::kMicrosecond);
  RegisterCaseBenchmarks("ParseCompile/ours", &ParseCompileOurs, benchmark::kMicrosecond);
#if ORVELLA_BENCH_MUPARSER
  RegisterCaseBenchmarks("Parse/muparser", &ParseMuparser, benchmark::kMicrosecond);
#endif
  RegisterCaseBenchmarks("Eval/ours", &EvalOurs, benchmark::kMicrosecond);
#if ORVELLA_BENCH_MUPARSER
  RegisterCaseBenchmarks("Eval/muparser", &EvalMuparser, benchmark::kMicrosecond);
#endif
  RegisterNativeBenchmarks(std::make_index_sequence<kCases.size()>());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!SuiteAgrees()) return 1;
  RegisterSuite();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
