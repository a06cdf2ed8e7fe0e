// The nonlinear fit on 10,000 points of a four-parameter model, beside GSL's trust-region
// Levenberg-Marquardt solver given the same data, the same start and a hand-written model
// and Jacobian in C. Both fits are unweighted (sigma 1) and must reach the same minimum.
#include <benchmark/benchmark.h>
#include <gsl/gsl_blas.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "analysis/data_table.h"
#include "analysis/nonlinear_fit.h"
#include "engine/bound_variables.h"

namespace {

using namespace orvella;

constexpr int kPoints = 10000;
constexpr double kTrue[4] = {3.0, 0.4, 1.5, 2.2};
constexpr double kStart[4] = {2.5, 0.5, 1.2, 2.1};
constexpr const char* kEquation = "a*exp(-b*x)+c*sin(d*x)";

struct Data {
  std::vector<double> x;
  std::vector<double> y;
};

// y = 3 e^(-0.4 x) + 1.5 sin(2.2 x) on [0, 10] with a fixed uniform noise of +-0.05.
const Data& BenchData() {
  static const Data data = [] {
    Data d;
    std::uint32_t state = 12345;
    for (int i = 0; i < kPoints; ++i) {
      state = state * 1664525u + 1013904223u;
      const double noise = 0.1 * (static_cast<double>(state) / 4294967296.0 - 0.5);
      const double x = 10.0 * i / (kPoints - 1);
      d.x.push_back(x);
      d.y.push_back(kTrue[0] * std::exp(-kTrue[1] * x) + kTrue[2] * std::sin(kTrue[3] * x) +
                    noise);
    }
    return d;
  }();
  return data;
}

CDataTable BenchTable() {
  const Data& data = BenchData();
  CDataTable table;
  table.SetUpColumns(TableLayout::kXYError, 3, kPoints);
  for (int row = 0; row < kPoints; ++row) {
    table.SetCell(0, row, data.x[row]);
    table.SetCell(1, row, data.y[row]);
    table.SetCell(2, row, 1.0);
  }
  return table;
}

void BM_OrvellaNonlinearFit(benchmark::State& state) {
  ResetBoundVariables();
  const CDataTable table = BenchTable();
  NonlinearFit fit;
  fit.SetTable(&table);
  if (fit.SetEquation(kEquation) != kNoError) state.SkipWithError("equation");
  for (auto _ : state) {
    for (int i = 0; i < 4; ++i) {
      fit.SetAuto(i, false);
      fit.SetInitialValue(i, kStart[i]);
    }
    if (fit.Run() != kNoError) state.SkipWithError("fit failed");
    benchmark::DoNotOptimize(fit.ChiSquare());
  }
  state.counters["iterations"] = fit.Iterations();
  state.counters["chi2"] = fit.ChiSquare();
  state.counters["d"] = fit.FittedValue(3);
}
BENCHMARK(BM_OrvellaNonlinearFit)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

int GslResiduals(const gsl_vector* p, void* params, gsl_vector* f) {
  const Data& data = *static_cast<const Data*>(params);
  const double a = gsl_vector_get(p, 0), b = gsl_vector_get(p, 1);
  const double c = gsl_vector_get(p, 2), d = gsl_vector_get(p, 3);
  for (int i = 0; i < kPoints; ++i) {
    const double x = data.x[i];
    gsl_vector_set(f, i, a * std::exp(-b * x) + c * std::sin(d * x) - data.y[i]);
  }
  return GSL_SUCCESS;
}

int GslJacobian(const gsl_vector* p, void* params, gsl_matrix* j) {
  const Data& data = *static_cast<const Data*>(params);
  const double a = gsl_vector_get(p, 0), b = gsl_vector_get(p, 1);
  const double c = gsl_vector_get(p, 2), d = gsl_vector_get(p, 3);
  for (int i = 0; i < kPoints; ++i) {
    const double x = data.x[i];
    const double e = std::exp(-b * x);
    gsl_matrix_set(j, i, 0, e);
    gsl_matrix_set(j, i, 1, -a * x * e);
    gsl_matrix_set(j, i, 2, std::sin(d * x));
    gsl_matrix_set(j, i, 3, c * x * std::cos(d * x));
  }
  return GSL_SUCCESS;
}

void BM_GslNonlinearFit(benchmark::State& state) {
  Data data = BenchData();
  gsl_multifit_nlinear_fdf fdf{};
  fdf.f = GslResiduals;
  fdf.df = GslJacobian;
  fdf.n = kPoints;
  fdf.p = 4;
  fdf.params = &data;
  gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
  parameters.trs = gsl_multifit_nlinear_trs_lm;
  gsl_multifit_nlinear_workspace* work =
      gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, kPoints, 4);
  gsl_vector_const_view start = gsl_vector_const_view_array(kStart, 4);
  size_t iterations = 0;
  double chi2 = 0.0;
  for (auto _ : state) {
    gsl_multifit_nlinear_init(&start.vector, &fdf, work);
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(100, 1e-8, 1e-8, 0.0, nullptr, nullptr,
                                                   &info, work);
    if (status != GSL_SUCCESS) state.SkipWithError("gsl fit failed");
    iterations = gsl_multifit_nlinear_niter(work);
    gsl_blas_ddot(gsl_multifit_nlinear_residual(work), gsl_multifit_nlinear_residual(work),
                  &chi2);
    benchmark::DoNotOptimize(chi2);
  }
  state.counters["iterations"] = static_cast<double>(iterations);
  state.counters["chi2"] = chi2;
  state.counters["d"] = gsl_vector_get(gsl_multifit_nlinear_position(work), 3);
  state.counters["f_evals"] = static_cast<double>(fdf.nevalf);
  state.counters["J_evals"] = static_cast<double>(fdf.nevaldf);
  gsl_multifit_nlinear_free(work);
}
BENCHMARK(BM_GslNonlinearFit)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
