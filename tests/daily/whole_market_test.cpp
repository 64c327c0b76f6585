// The sample tables of a whole market (examples/) through the code-indexed join, checked
// against the plain rules: for every row, search the fund-flow records linearly from the first.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "daily/computation.h"
#include "daily/table_join.h"
#include "daily/table_text.h"
#include "support/example_tables.h"

namespace kestrum {
namespace {

class WholeMarket : public ::testing::Test {
  protected:
    void SetUp() override {
        input.fundFlowText = readExampleTable("资金流向.txt");
        input.periodStatsText = readExampleTable("阶段统计.txt");
        input.profitForecastText = readExampleTable("盈利预测.txt");
        ASSERT_FALSE(input.fundFlowText.empty());
        ASSERT_FALSE(input.periodStatsText.empty());
        ASSERT_FALSE(input.profitForecastText.empty());
    }
    ComputationInput input;
};

TEST_F(WholeMarket, IndexedJoinMatchesTheLinearRules) {
    DailyRecordTable linear;
    parseFundFlowTable(input.fundFlowText, linear);
    ASSERT_EQ(linear.size(), 5500u);
    mergeLinearly(input.periodStatsText, kPeriodStatsColumns, linear,
                  [](DailyRecord& r, const auto& f) { r.twentyDayChange = textToFloat(f[9]); });
    mergeLinearly(input.profitForecastText, kProfitForecastColumns, linear,
                  [](DailyRecord& r, const auto& f) { r.reportCount = textToInt(f[7]); });

    for (TwentyDayRange range :
         {TwentyDayRange::AtMostZero, TwentyDayRange::ZeroToTwenty, TwentyDayRange::AboveTwenty}) {
        input.range = range;
        ComputationOutcome outcome;
        std::thread([&] { outcome = computeOutcome(input); }).join();
        EXPECT_EQ(outcome.fundFlowRecords, linear);
        EXPECT_TRUE(outcome.screened);
        EXPECT_FALSE(outcome.resultRecords.empty());
        DailyRecordTable expected = screenRecords(linear, range);
        EXPECT_TRUE(std::is_permutation(expected.begin(), expected.end(),
                                        outcome.resultRecords.begin(),
                                        outcome.resultRecords.end()));
        EXPECT_TRUE(std::is_sorted(outcome.resultRecords.begin(), outcome.resultRecords.end(),
                                   [](const DailyRecord& a, const DailyRecord& b) {
                                       return a.twentyDayChange < b.twentyDayChange;
                                   }));
    }
}

}  // namespace
}  // namespace kestrum
