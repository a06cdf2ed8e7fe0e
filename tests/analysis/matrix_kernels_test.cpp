#include "analysis/matrix_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace orvella {
namespace {

DenseMatrix FromRows(const std::vector<std::vector<double>>& rows) {
  const int columns = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  DenseMatrix m(static_cast<int>(rows.size()), columns);
  for (int i = 1; i <= m.Rows(); ++i) {
    for (int j = 1; j <= columns; ++j) m(i, j) = rows[i - 1][j - 1];
  }
  return m;
}

DenseMatrix Hilbert(int n) {
  DenseMatrix h(n, n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) h(i, j) = 1.0 / (i + j - 1);
  }
  return h;
}

// The exact inverse of the 4 x 4 Hilbert matrix (integers).
const std::vector<std::vector<double>> kHilbert4Inverse = {
    {16, -120, 240, -140},
    {-120, 1200, -2700, 1680},
    {240, -2700, 6480, -4200},
    {-140, 1680, -4200, 2800},
};

void ExpectMatrixNear(const DenseMatrix& actual, const std::vector<std::vector<double>>& expected,
                      double relative) {
  ASSERT_EQ(actual.Rows(), static_cast<int>(expected.size()));
  for (int i = 1; i <= actual.Rows(); ++i) {
    for (int j = 1; j <= actual.Columns(); ++j) {
      const double want = expected[i - 1][j - 1];
      EXPECT_NEAR(actual(i, j), want, relative * std::max(1.0, std::fabs(want)))
          << "cell " << i << "," << j;
    }
  }
}

TEST(GaussJordanTest, InvertsHilbertAndSolvesEveryRightHandSide) {
  DenseMatrix a = Hilbert(4);
  // Right-hand sides H·(1,1,1,1) and H·(1,-2,0,3): the solutions are those vectors.
  const DenseMatrix h = Hilbert(4);
  const double x2[] = {1, -2, 0, 3};
  DenseMatrix b(4, 2);
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      b(i, 1) += h(i, j);
      b(i, 2) += h(i, j) * x2[j - 1];
    }
  }
  ASSERT_EQ(GaussJordan(a, b), kNoError);
  ExpectMatrixNear(a, kHilbert4Inverse, 1e-9);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(b(i, 1), 1.0, 1e-10);
    EXPECT_NEAR(b(i, 2), x2[i - 1], 1e-10);
  }
}

TEST(GaussJordanTest, PivotsPastAZeroDiagonal) {
  // Without pivoting the first step would divide by 0.
  DenseMatrix a = FromRows({{0, 1, 2}, {1, 0, 3}, {4, -3, 8}});
  ASSERT_EQ(GaussJordan(a), kNoError);
  ExpectMatrixNear(a, {{-4.5, 7, -1.5}, {-2, 4, -1}, {1.5, -2, 0.5}}, 1e-12);
}

TEST(GaussJordanTest, RefusesSingularAndMisshapenInput) {
  DenseMatrix dependentRows = FromRows({{1, 2}, {2, 4}});
  EXPECT_EQ(GaussJordan(dependentRows), kSingularMatrix);
  DenseMatrix zeros(3, 3);
  EXPECT_EQ(GaussJordan(zeros), kSingularMatrix);
  DenseMatrix allNaN = FromRows({{NAN, NAN}, {NAN, NAN}});
  EXPECT_EQ(GaussJordan(allNaN), kSingularMatrix);

  DenseMatrix notSquare(2, 3);
  EXPECT_EQ(GaussJordan(notSquare), kInvalidParameter);
  DenseMatrix square = DenseMatrix::Identity(2);
  DenseMatrix wrongRows(3, 1);
  EXPECT_EQ(GaussJordan(square, wrongRows), kInvalidParameter);

  DenseMatrix empty;
  EXPECT_EQ(GaussJordan(empty), kNoError);
}

TEST(ExpandCovarianceTest, SpreadsTheFittedBlockOverHeldParameters) {
  // Parameters 1, 3 and 4 fitted, 2 held: the 3 x 3 compact block moves to rows and
  // columns 1, 3, 4 and row/column 2 becomes zero.
  DenseMatrix covar = FromRows({{11, 13, 14, 9}, {13, 33, 34, 9}, {14, 34, 44, 9}, {9, 9, 9, 9}});
  const std::vector<int> fitted = {1, 0, 1, 1};
  ASSERT_EQ(ExpandCovariance(covar, fitted), kNoError);
  ExpectMatrixNear(covar, {{11, 0, 13, 14}, {0, 0, 0, 0}, {13, 0, 33, 34}, {14, 0, 34, 44}},
                   0.0);
}

TEST(ExpandCovarianceTest, AllFittedLeavesTheMatrixAndAWrongSizeIsRefused) {
  const std::vector<std::vector<double>> rows = {{1, 2}, {2, 5}};
  DenseMatrix covar = FromRows(rows);
  const std::vector<int> both = {1, 1};
  ASSERT_EQ(ExpandCovariance(covar, both), kNoError);
  ExpectMatrixNear(covar, rows, 0.0);

  const std::vector<int> three = {1, 1, 1};
  EXPECT_EQ(ExpandCovariance(covar, three), kInvalidParameter);
  ExpectMatrixNear(covar, rows, 0.0);

  DenseMatrix none(2, 2);
  none(1, 1) = 7;
  const std::vector<int> held = {0, 0};
  ASSERT_EQ(ExpandCovariance(none, held), kNoError);
  EXPECT_EQ(none(1, 1), 0.0);
}

TEST(LuTest, SolvesAndRecordsThePermutationSign) {
  DenseMatrix lu = FromRows({{0, 1, 2}, {1, 0, 3}, {4, -3, 8}});
  LuPivots pivots;
  ASSERT_EQ(LuDecompose(lu, pivots), kNoError);
  double determinant = pivots.sign;
  for (int i = 1; i <= 3; ++i) determinant *= lu(i, i);
  EXPECT_NEAR(determinant, -2.0, 1e-12);  // hand-expanded

  // x = (1, 2, 3): b = A·x.
  std::vector<double> b = {8, 10, 22};
  LuSolve(lu, pivots, b);
  EXPECT_NEAR(b[0], 1.0, 1e-12);
  EXPECT_NEAR(b[1], 2.0, 1e-12);
  EXPECT_NEAR(b[2], 3.0, 1e-12);

  std::vector<double> wrongLength = {1, 2};
  LuSolve(lu, pivots, wrongLength);
  EXPECT_EQ(wrongLength, (std::vector<double>{1, 2}));
}

TEST(LuTest, ReplacesAZeroPivotAndFailsOnlyOnAZeroRow) {
  DenseMatrix singular = FromRows({{1, 2}, {2, 4}});
  LuPivots pivots;
  ASSERT_EQ(LuDecompose(singular, pivots), kNoError);
  EXPECT_EQ(singular(2, 2), 1e-20);

  DenseMatrix zeroRow = FromRows({{1, 2}, {0, 0}});
  EXPECT_EQ(LuDecompose(zeroRow, pivots), kInvalidData);
  DenseMatrix notSquare(2, 3);
  EXPECT_EQ(LuDecompose(notSquare, pivots), kInvalidParameter);
  DenseMatrix empty;
  EXPECT_EQ(LuDecompose(empty, pivots), kNoError);
}

// A·v = λ·v for every pair, and the columns of v orthonormal.
void ExpectEigenPairs(const DenseMatrix& original, const std::vector<double>& values,
                      const DenseMatrix& vectors, double tolerance) {
  const int n = original.Rows();
  for (int k = 1; k <= n; ++k) {
    for (int i = 1; i <= n; ++i) {
      double product = 0.0;
      for (int j = 1; j <= n; ++j) product += original(i, j) * vectors(j, k);
      EXPECT_NEAR(product, values[k - 1] * vectors(i, k), tolerance) << "pair " << k;
    }
    for (int l = 1; l <= n; ++l) {
      double dot = 0.0;
      for (int i = 1; i <= n; ++i) dot += vectors(i, k) * vectors(i, l);
      EXPECT_NEAR(dot, k == l ? 1.0 : 0.0, tolerance);
    }
  }
}

TEST(JacobiTest, FindsKnownEigenvaluesInRotationOrder) {
  const DenseMatrix pair = FromRows({{2, 1}, {1, 2}});
  DenseMatrix work = pair;
  std::vector<double> values;
  DenseMatrix vectors;
  int rotations = 0;
  ASSERT_EQ(JacobiEigen(work, values, vectors, &rotations), kNoError);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_NEAR(values[0], 1.0, 1e-14);
  EXPECT_NEAR(values[1], 3.0, 1e-14);
  EXPECT_EQ(rotations, 1);
  ExpectEigenPairs(pair, values, vectors, 1e-14);

  // The second-difference matrix: 2 - sqrt(2), 2, 2 + sqrt(2).
  const DenseMatrix tridiagonal = FromRows({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}});
  work = tridiagonal;
  ASSERT_EQ(JacobiEigen(work, values, vectors), kNoError);
  std::vector<double> sorted = values;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_NEAR(sorted[0], 2 - std::sqrt(2.0), 1e-13);
  EXPECT_NEAR(sorted[1], 2.0, 1e-13);
  EXPECT_NEAR(sorted[2], 2 + std::sqrt(2.0), 1e-13);
  ExpectEigenPairs(tridiagonal, values, vectors, 1e-13);
}

TEST(JacobiTest, HilbertEigenvaluesMatchTheirKnownValues) {
  // Eigenvalues of the 4 x 4 Hilbert matrix (published to 10 digits).
  const double known[] = {9.670230402e-05, 6.738273606e-03, 1.691412202e-01, 1.500214280e+00};
  const DenseMatrix h = Hilbert(4);
  DenseMatrix work = h;
  std::vector<double> values;
  DenseMatrix vectors;
  ASSERT_EQ(JacobiEigen(work, values, vectors), kNoError);
  std::sort(values.begin(), values.end());
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(values[k], known[k], 1e-9 * known[k] + 1e-12);
}

TEST(JacobiTest, ReadsOnlyTheUpperTriangleAndGivesUpOnNaN) {
  DenseMatrix upper = FromRows({{2, 5}, {0, 2}});
  std::vector<double> values;
  DenseMatrix vectors;
  ASSERT_EQ(JacobiEigen(upper, values, vectors), kNoError);
  EXPECT_NEAR(values[0], -3.0, 1e-14);
  EXPECT_NEAR(values[1], 7.0, 1e-14);

  DenseMatrix poisoned = FromRows({{1, NAN}, {NAN, 1}});
  EXPECT_EQ(JacobiEigen(poisoned, values, vectors), kMaxIterationsExceeded);

  DenseMatrix empty;
  EXPECT_EQ(JacobiEigen(empty, values, vectors), kNoError);
  EXPECT_TRUE(values.empty());
  DenseMatrix notSquare(2, 3);
  EXPECT_EQ(JacobiEigen(notSquare, values, vectors), kInvalidParameter);
}

}  // namespace
}  // namespace orvella
