// Which statistics "Analyze" reports: the bits of the "Options" value of the data-analysis
// settings, each with its check box on the options page and its row in the report.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/data_list.h"

namespace orvella {

inline constexpr std::int32_t kReportDataPoints = 0x1;
inline constexpr std::int32_t kReportMinimum = 0x2;
inline constexpr std::int32_t kReportMaximum = 0x4;
inline constexpr std::int32_t kReportAverage = 0x8;
inline constexpr std::int32_t kReportStdDeviation = 0x10;
inline constexpr std::int32_t kReportAveDeviation = 0x20;
inline constexpr std::int32_t kReportSkewness = 0x40;
inline constexpr std::int32_t kReportKurtosis = 0x80;
inline constexpr std::int32_t kReportVariance = 0x100;
// 0x7d0: standard deviation, skewness, kurtosis, variance, and the bits 0x200 and 0x400
// that mean nothing but have always been part of the default.
inline constexpr std::int32_t kDefaultReportBits = 2000;

struct StatisticOption {
  std::int32_t bit;
  std::string_view pageCaption;  // the check box of the options page
  std::string_view reportLabel;  // the report row
  // The cached value the row shows; null for the number of values, an integer row.
  double ListStatistics::*value;
};

// In the order of the report rows, which is also the order of the check boxes.
inline constexpr std::array<StatisticOption, 9> kStatisticOptions{{
    {kReportDataPoints, "Number of data points", "Data Points: ", nullptr},
    {kReportMinimum, "Minimum", "Minimum: ", &ListStatistics::minimum},
    {kReportMaximum, "Maximum", "Maximum: ", &ListStatistics::maximum},
    {kReportAverage, "Mean", "Average: ", &ListStatistics::mean},
    {kReportStdDeviation, "Standard Deviation", "Std Deviation: ",
     &ListStatistics::standardDeviation},
    {kReportAveDeviation, "Average Deviation", "Ave Deviation: ",
     &ListStatistics::averageDeviation},
    {kReportVariance, "Variance", "Variance: ", &ListStatistics::variance},
    {kReportSkewness, "Skewness", "Skewness: ", &ListStatistics::skewness},
    {kReportKurtosis, "Kurtosis", "Kurtosis: ", &ListStatistics::kurtosis},
}};

}  // namespace orvella
