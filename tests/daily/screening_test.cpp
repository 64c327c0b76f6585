#include "daily/screening.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "common/charset.h"
#include "daily/computation.h"

namespace kestrum {
namespace {

DailyRecord stock(std::string code, float netInflow, float twentyDayChange) {
    DailyRecord record;
    record.code = std::move(code);
    record.netInflow = netInflow;
    record.twentyDayChange = twentyDayChange;
    return record;
}

TEST(ScreenRecords, RangesAndInflowFloor) {
    struct Case {
        const char* name;
        float netInflow;
        float twentyDayChange;
        bool atMostZero, zeroToTwenty, aboveTwenty;
    };
    const Case cases[] = {
        {"zero change", 0.6f, 0.0f, true, false, false},
        {"negative change", 0.6f, -5.0f, true, false, false},
        {"just above zero", 0.6f, 0.01f, false, true, false},
        {"exactly twenty", 0.6f, 20.0f, false, true, false},
        {"just above twenty", 0.6f, 20.01f, false, false, true},
        {"inflow exactly 0.5", 0.5f, -1.0f, false, false, false},
        {"inflow 0.51", 0.51f, -1.0f, true, false, false},
        {"negative inflow", -3.0f, 30.0f, false, false, false},
        {"negative zero change", 1.0f, -0.0f, true, false, false},
    };
    for (const Case& c : cases) {
        const DailyRecordTable table{stock("600000", c.netInflow, c.twentyDayChange)};
        EXPECT_EQ(screenRecords(table, TwentyDayRange::AtMostZero).size(), c.atMostZero ? 1u : 0u)
            << c.name;
        EXPECT_EQ(screenRecords(table, TwentyDayRange::ZeroToTwenty).size(),
                  c.zeroToTwenty ? 1u : 0u)
            << c.name;
        EXPECT_EQ(screenRecords(table, TwentyDayRange::AboveTwenty).size(), c.aboveTwenty ? 1u : 0u)
            << c.name;
        EXPECT_TRUE(screenRecords(table, TwentyDayRange::None).empty()) << c.name;
    }
}

TEST(ScreenRecords, CopiesInTableOrder) {
    const DailyRecordTable table{stock("a", 1, -1), stock("b", 0.1f, -1), stock("c", 2, -3)};
    const DailyRecordTable result = screenRecords(table, TwentyDayRange::AtMostZero);
    ASSERT_EQ(result.size(), 2u);
    EXPECT_EQ(result[0], table[0]);
    EXPECT_EQ(result[1], table[2]);
}

// Runs on a fresh thread, as the worker does, so the sort's pivots start from state 1.
ComputationOutcome computeOnFreshThread(const ComputationInput& input) {
    ComputationOutcome outcome;
    std::thread([&] { outcome = computeOutcome(input); }).join();
    return outcome;
}

TEST(ComputeOutcome, JoinsScreensAndSortsBySmallestTwentyDayChange) {
    ComputationInput input;
    input.fundFlowText = gbk("head\r\n") + "1 A a 1 1 " + gbk("2亿") + "\r\n" + "2 B b 1 1 " +
                         gbk("3亿") + "\r\n" + "3 C c 1 1 " + gbk("0.5亿") + "\r\n" + "4 D d 1 1 " +
                         gbk("9000万") + "\r\n";
    input.periodStatsText = "head\r\n1 A a 0 0 0 0 0 0 -2%\r\n1 B b 0 0 0 0 0 0 -9%\r\n";
    input.profitForecastText = "head\r\n1 B b 0 0 0 0 4\r\n";
    input.range = TwentyDayRange::AtMostZero;
    const ComputationOutcome outcome = computeOnFreshThread(input);
    EXPECT_TRUE(outcome.screened);
    EXPECT_EQ(outcome.fundFlowRecords.size(), 4u);
    ASSERT_EQ(outcome.resultRecords.size(), 3u);
    EXPECT_EQ(outcome.resultRecords[0].code, "B");
    EXPECT_EQ(outcome.resultRecords[0].reportCount, 4);
    EXPECT_EQ(outcome.resultRecords[1].code, "A");
    EXPECT_EQ(outcome.resultRecords[2].code, "D");  // absent from the period table: change 0
    EXPECT_EQ(outcome.resultRecords[2].netInflow, 0.9f);
}

TEST(ComputeOutcome, FewerThanTwoRecordsScreenNothing) {
    ComputationInput input;
    input.fundFlowText = gbk("head\r\n1 A a 1 1 2亿\r\n");
    input.periodStatsText = "head\r\n";
    input.profitForecastText = "head\r\n";
    input.range = TwentyDayRange::AtMostZero;
    const ComputationOutcome outcome = computeOnFreshThread(input);
    EXPECT_FALSE(outcome.screened);
    EXPECT_EQ(outcome.fundFlowRecords.size(), 1u);
    EXPECT_TRUE(outcome.resultRecords.empty());
}

TEST(ComputeOutcome, RepeatsTheSameOrderOnEveryFreshThread) {
    ComputationInput input;
    input.fundFlowText = "head\r\n";
    for (int i = 0; i < 40; ++i)
        input.fundFlowText += "1 C" + std::to_string(i) + " n 1 1 " + gbk("1亿") + "\r\n";
    input.periodStatsText = "head\r\n";  // every change 0: equal keys
    input.profitForecastText = "head\r\n";
    input.range = TwentyDayRange::AtMostZero;
    const DailyRecordTable first = computeOnFreshThread(input).resultRecords;
    EXPECT_EQ(computeOnFreshThread(input).resultRecords, first);
    EXPECT_NE(first[0].code, "C0");  // equal keys were permuted by the draws
}

}  // namespace
}  // namespace kestrum
