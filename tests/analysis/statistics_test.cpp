// Descriptive statistics of a list: the definitions on small cases worked by hand, the
// failures, and the digits reached on NIST's univariate reference data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/data_table.h"
#include "analysis/statistics.h"

namespace orvella {
namespace {

CDataList ListOf(const std::vector<double>& values) {
  CDataList list;
  for (double v : values) list.Append(v);
  return list;
}

TEST(StatisticsTest, SkewedListMatchesTheDefinitions) {
  // 1, 2, 3, 10: mean 4, deviations -3 -2 -1 6; by hand: variance 50/3, sum |d| = 12,
  // sum d^3 = 180, sum d^4 = 1394.
  CDataList list = ListOf({1, 2, 3, 10});
  ASSERT_EQ(list.ComputeStatistics(), kNoError);
  const ListStatistics& s = list.statistics;
  EXPECT_DOUBLE_EQ(s.mean, 4.0);
  EXPECT_DOUBLE_EQ(s.averageDeviation, 3.0);
  EXPECT_DOUBLE_EQ(s.variance, 50.0 / 3.0);
  EXPECT_DOUBLE_EQ(s.standardDeviation, 4.08248290463863);
  EXPECT_DOUBLE_EQ(s.skewness, 0.661362230551458);  // 180 / (4 * 50/3 * sqrt(50/3))
  EXPECT_DOUBLE_EQ(s.kurtosis, -1.7454);            // 1394 / (4 * (50/3)^2) - 3
  EXPECT_EQ(s.minimum, 1.0);
  EXPECT_EQ(s.maximum, 10.0);
  EXPECT_EQ(s.sum, 16.0);
  EXPECT_EQ(s.sumOfSquares, 114.0);
}

TEST(StatisticsTest, EqualValuesHaveNoSpreadAndNoShape) {
  CDataList list = ListOf({7, 7, 7});
  ASSERT_EQ(list.ComputeStatistics(), kNoError);
  EXPECT_EQ(list.statistics.variance, 0.0);
  EXPECT_EQ(list.statistics.skewness, 0.0);
  EXPECT_EQ(list.statistics.kurtosis, 0.0);
}

TEST(StatisticsTest, FewerThanTwoValuesFailAndClearTheCache) {
  CDataList list = ListOf({1, 2, 3});
  ASSERT_EQ(list.ComputeStatistics(), kNoError);
  list.SetCount(1);
  EXPECT_EQ(list.ComputeStatistics(), kTooFewDataPoints);
  EXPECT_EQ(list.statistics.mean, 0.0);
  EXPECT_EQ(ListOf({}).ComputeStatistics(), kTooFewDataPoints);
}

TEST(StatisticsTest, ATableFillsEveryColumnThroughTheItemBase) {
  CDataTable table;
  table.SetUpColumns(TableLayout::kIndependent, 2, 0);
  for (double v : {1.0, 2.0, 6.0}) table.SetCell(0, table.Column(0).Count(), v);
  table.SetCell(1, 0, 5.0);  // one value: too few
  CDataItem& item = table;
  EXPECT_EQ(item.ComputeStatistics(), kTooFewDataPoints);
  EXPECT_DOUBLE_EQ(table.Column(0).statistics.mean, 3.0);
}

// --- NIST StRD univariate sets ---

struct ReferenceSet {
  std::vector<double> values;
  double certifiedMean = 0.0;
  double certifiedDeviation = 0.0;
  std::size_t observations = 0;
};

double NumberAfterColon(const std::string& line) {
  return std::strtod(line.c_str() + line.rfind(':') + 1, nullptr);
}

// The header names the certified values; the data follow "Data: Y" and a line of dashes.
ReferenceSet ReadReferenceSet(const std::string& name) {
  std::ifstream file(std::string(ORVELLA_TEST_DATA) + "/strd/univariate/" + name + ".dat");
  ReferenceSet set;
  std::string line;
  while (std::getline(file, line)) {
    if (line.rfind("Sample Mean", 0) == 0) set.certifiedMean = NumberAfterColon(line);
    if (line.rfind("Sample Standard Deviation", 0) == 0) {
      set.certifiedDeviation = NumberAfterColon(line);
    }
    if (line.rfind("Number of Observations", 0) == 0) {
      set.observations = static_cast<std::size_t>(NumberAfterColon(line));
    }
    if (line.rfind("Data: Y", 0) == 0) break;
  }
  std::getline(file, line);  // the dashes
  double value = 0.0;
  while (file >> value) set.values.push_back(value);
  return set;
}

__extension__ typedef __int128 Int128;

// The exact mean and standard deviation of the doubles as stored, by integer arithmetic:
// every value is k * 2^q with an integer k, and the variance is
// (n * sum k'^2 - (sum k')^2) / (n (n - 1)) * 4^q with k' = k - k1.
struct ExactMoments {
  long double mean = 0.0L;
  long double deviation = 0.0L;
};

ExactMoments ExactMomentsOfStoredValues(const std::vector<double>& values) {
  int q = 1 << 20;
  for (double v : values) {
    if (v == 0.0) continue;
    int exponent = 0;
    const double mantissa = std::frexp(v, &exponent);
    auto bits = static_cast<std::int64_t>(std::ldexp(mantissa, 53));
    int unit = exponent - 53;
    while (bits % 2 == 0) {
      bits /= 2;
      ++unit;
    }
    q = std::min(q, unit);
  }
  std::vector<std::int64_t> k;
  for (double v : values) {
    const double scaled = std::ldexp(v, -q);
    EXPECT_LT(std::fabs(scaled), 0x1p62);
    k.push_back(static_cast<std::int64_t>(scaled));
  }
  const Int128 n = static_cast<Int128>(k.size());
  Int128 s1 = 0, s2 = 0;
  for (std::int64_t ki : k) {
    const Int128 d = ki - k[0];
    s1 += d;
    s2 += d * d;
  }
  const Int128 numerator = n * s2 - s1 * s1;
  EXPECT_GE(numerator, 0);
  const long double variance =
      static_cast<long double>(numerator) / static_cast<long double>(n * (n - 1));
  return {std::ldexp(static_cast<long double>(k[0]) +
                         static_cast<long double>(s1) / static_cast<long double>(n), q),
          std::ldexp(std::sqrt(variance), q)};
}

// NIST's log relative error: the number of agreeing significant digits, 17 when exact.
double CorrectDigits(long double computed, long double reference) {
  const long double error = std::fabs(computed - reference) / std::fabs(reference);
  return error == 0.0L ? 17.0 : std::min(17.0, -std::log10(static_cast<double>(error)));
}

TEST(StatisticsTest, NistUnivariateSetsToThirteenDigits) {
  constexpr double kGoal = 13.0;
  std::cout << std::fixed << std::setprecision(2)
            << "dataset   mean/cert  sd/cert  sd/exact-of-stored  (limit: exact-of-stored sd "
               "vs cert)\n";
  for (const char* name : {"PiDigits", "Lottery", "Lew", "Mavro", "Michelso", "NumAcc1",
                           "NumAcc2", "NumAcc3", "NumAcc4"}) {
    SCOPED_TRACE(name);
    const ReferenceSet set = ReadReferenceSet(name);
    ASSERT_EQ(set.values.size(), set.observations);
    ASSERT_NE(set.certifiedDeviation, 0.0);
    CDataList list = ListOf(set.values);
    ASSERT_EQ(list.ComputeStatistics(), kNoError);
    const ExactMoments exact = ExactMomentsOfStoredValues(set.values);

    const double meanDigits = CorrectDigits(list.statistics.mean, set.certifiedMean);
    const double sdDigits = CorrectDigits(list.statistics.standardDeviation,
                                          set.certifiedDeviation);
    const double sdStoredDigits = CorrectDigits(list.statistics.standardDeviation,
                                                exact.deviation);
    // The decimal data are rounded to doubles when they are entered; for NumAcc3 and
    // NumAcc4 that alone moves the standard deviation in the 9th and 8th digit.
    const double limit = CorrectDigits(exact.deviation, set.certifiedDeviation);
    std::cout << std::left << std::setw(10) << name << std::right << std::setw(9) << meanDigits
              << std::setw(9) << sdDigits << std::setw(20) << sdStoredDigits << std::setw(12)
              << limit << "\n";

    EXPECT_GE(meanDigits, kGoal);
    EXPECT_GE(sdStoredDigits, kGoal);
    EXPECT_GE(sdDigits, std::min(kGoal, limit - 0.3));
  }
}

}  // namespace
}  // namespace orvella
