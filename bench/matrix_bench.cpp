// The matrix commands' work on a 200 x 200 well-conditioned symmetric matrix: the inverse
// (LU, as "Find Inverse Matrix" does it, and Gauss-Jordan, as the fits do it) and the eigen
// decomposition with vectors, with GSL's LU inverse and symmetric eigensolver on the same
// matrix as the yardstick. Each case checks its result once before it is timed.
#include <benchmark/benchmark.h>

#include <gsl/gsl_eigen.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_permutation.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/matrix_kernels.h"
#include "analysis/matrix_operations.h"

namespace {

using namespace orvella;

constexpr int kSize = 200;

// Symmetric with entries in [-1, 1] and n added on the diagonal: diagonally dominant, so
// well conditioned, and its eigenvalues lie in [n - n, n + n] apart from rounding.
const CDataMatrix& TestMatrix() {
  static const CDataMatrix matrix = [] {
    std::mt19937_64 generator(20240517);
    std::uniform_real_distribution<double> entry(-1.0, 1.0);
    CDataMatrix m;
    m.Resize(kSize, kSize, false);
    for (int i = 1; i <= kSize; ++i) {
      for (int j = i; j <= kSize; ++j) {
        const double value = entry(generator) + (i == j ? kSize : 0.0);
        m.SetCell(i, j, value);
        m.SetCell(j, i, value);
      }
    }
    return m;
  }();
  return matrix;
}

gsl_matrix* ToGsl(const CDataMatrix& m) {
  gsl_matrix* g = gsl_matrix_alloc(m.Rows(), m.Columns());
  for (int i = 1; i <= m.Rows(); ++i) {
    for (int j = 1; j <= m.Columns(); ++j) gsl_matrix_set(g, i - 1, j - 1, m.Cell(i, j));
  }
  return g;
}

// Largest |(A · inverse - I)(i, j)|; inverse(i, j) is read through the callback.
template <typename Inverse>
double InverseResidual(Inverse inverse) {
  const CDataMatrix& a = TestMatrix();
  double worst = 0.0;
  for (int i = 1; i <= kSize; ++i) {
    for (int j = 1; j <= kSize; ++j) {
      double sum = 0.0;
      for (int k = 1; k <= kSize; ++k) sum += a.Cell(i, k) * inverse(k, j);
      worst = std::max(worst, std::fabs(sum - (i == j ? 1.0 : 0.0)));
    }
  }
  return worst;
}

constexpr double kResidualLimit = 1e-12;

void BM_OursInverseLU(benchmark::State& state) {
  CDataMatrix inverse;
  inverse.CopyFrom(TestMatrix());
  if (InvertMatrix(inverse) != kNoError ||
      InverseResidual([&](int i, int j) { return inverse.Cell(i, j); }) > kResidualLimit) {
    state.SkipWithError("wrong inverse");
    return;
  }
  for (auto _ : state) {
    inverse.CopyFrom(TestMatrix());
    benchmark::DoNotOptimize(InvertMatrix(inverse));
  }
}
BENCHMARK(BM_OursInverseLU)->Unit(benchmark::kMillisecond);

DenseMatrix DenseTestMatrix() {
  DenseMatrix dense(kSize, kSize);
  for (int i = 1; i <= kSize; ++i) {
    for (int j = 1; j <= kSize; ++j) dense(i, j) = TestMatrix().Cell(i, j);
  }
  return dense;
}

void BM_OursInverseGaussJordan(benchmark::State& state) {
  const DenseMatrix original = DenseTestMatrix();
  DenseMatrix inverse = original;
  if (GaussJordan(inverse) != kNoError ||
      InverseResidual([&](int i, int j) { return inverse(i, j); }) > kResidualLimit) {
    state.SkipWithError("wrong inverse");
    return;
  }
  for (auto _ : state) {
    inverse = original;
    benchmark::DoNotOptimize(GaussJordan(inverse));
  }
}
BENCHMARK(BM_OursInverseGaussJordan)->Unit(benchmark::kMillisecond);

void BM_GslInverseLU(benchmark::State& state) {
  gsl_matrix* original = ToGsl(TestMatrix());
  gsl_matrix* lu = gsl_matrix_alloc(kSize, kSize);
  gsl_matrix* inverse = gsl_matrix_alloc(kSize, kSize);
  gsl_permutation* permutation = gsl_permutation_alloc(kSize);
  auto invert = [&] {
    int sign = 0;
    gsl_matrix_memcpy(lu, original);
    gsl_linalg_LU_decomp(lu, permutation, &sign);
    return gsl_linalg_LU_invert(lu, permutation, inverse);
  };
  invert();
  if (InverseResidual([&](int i, int j) { return gsl_matrix_get(inverse, i - 1, j - 1); }) >
      kResidualLimit) {
    state.SkipWithError("wrong inverse");
  } else {
    for (auto _ : state) benchmark::DoNotOptimize(invert());
  }
  gsl_permutation_free(permutation);
  gsl_matrix_free(inverse);
  gsl_matrix_free(lu);
  gsl_matrix_free(original);
}
BENCHMARK(BM_GslInverseLU)->Unit(benchmark::kMillisecond);

// GSL's eigenvalues of the test matrix, ascending: the reference for ours.
std::vector<double> GslEigenvalues() {
  gsl_matrix* work = ToGsl(TestMatrix());
  gsl_vector* values = gsl_vector_alloc(kSize);
  gsl_eigen_symm_workspace* workspace = gsl_eigen_symm_alloc(kSize);
  gsl_eigen_symm(work, values, workspace);
  std::vector<double> sorted(values->data, values->data + kSize);
  std::sort(sorted.begin(), sorted.end());
  gsl_eigen_symm_free(workspace);
  gsl_vector_free(values);
  gsl_matrix_free(work);
  return sorted;
}

bool MatchesGsl(const CDataList& values) {
  std::vector<double> ours(values.Slots().begin() + 1, values.Slots().end());
  std::sort(ours.begin(), ours.end());
  const std::vector<double> reference = GslEigenvalues();
  for (int k = 0; k < kSize; ++k) {
    if (std::fabs(ours[k] - reference[k]) > 1e-10 * kSize) return false;
  }
  return true;
}

void BM_OursEigenJacobi(benchmark::State& state) {
  CDataList values;
  CDataMatrix vectors;
  if (EigenDecompose(TestMatrix(), values, vectors) != kNoError || !MatchesGsl(values)) {
    state.SkipWithError("wrong eigenvalues");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(EigenDecompose(TestMatrix(), values, vectors));
}
BENCHMARK(BM_OursEigenJacobi)->Unit(benchmark::kMillisecond);

void BM_GslEigenSymmetric(benchmark::State& state) {
  gsl_matrix* original = ToGsl(TestMatrix());
  gsl_matrix* work = gsl_matrix_alloc(kSize, kSize);
  gsl_vector* values = gsl_vector_alloc(kSize);
  gsl_matrix* vectors = gsl_matrix_alloc(kSize, kSize);
  gsl_eigen_symmv_workspace* workspace = gsl_eigen_symmv_alloc(kSize);
  for (auto _ : state) {
    gsl_matrix_memcpy(work, original);  // the solver destroys its input
    benchmark::DoNotOptimize(gsl_eigen_symmv(work, values, vectors, workspace));
  }
  gsl_eigen_symmv_free(workspace);
  gsl_matrix_free(vectors);
  gsl_vector_free(values);
  gsl_matrix_free(work);
  gsl_matrix_free(original);
}
BENCHMARK(BM_GslEigenSymmetric)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
