// Turning the three table texts into DailyRecords: the fund-flow table creates the records,
// the period-statistics and profit-forecast tables fill in one figure each by stock code.
#pragma once

#include <string_view>

#include "daily/daily_record.h"

namespace kestrum {

// Highest column each table reads; a line with fewer fields is skipped.
inline constexpr std::size_t kFundFlowColumns = 6;
inline constexpr std::size_t kPeriodStatsColumns = 10;
inline constexpr std::size_t kProfitForecastColumns = 8;

// Rebuilds `fundFlowRecords` from the fund-flow table: code (column 2), name (3), price (4),
// today's change (5) and net inflow (6, with unit). The empty text leaves them unchanged.
void parseFundFlowTable(std::string_view fundFlowText, DailyRecordTable& fundFlowRecords);

// For each row, the first record with the row's code receives the figure (twenty-day change
// from column 10, report count from column 8); a later row with the same code overwrites it;
// rows with an unknown code are dropped.
void mergePeriodStatsTable(std::string_view periodStatsText, DailyRecordTable& fundFlowRecords);
void mergeProfitForecastTable(std::string_view profitForecastText,
                              DailyRecordTable& fundFlowRecords);

}  // namespace kestrum
