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

namespace kestrum {
namespace {

std::string readExample(const std::string& name) {
    // The fixtures folder need not exist, so the path is shortened before it is opened.
    const std::filesystem::path examples =
        (std::filesystem::path(KESTRUM_FIXTURES_DIR) / "../../examples").lexically_normal();
    std::ifstream file(examples / std::filesystem::u8path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

template <typename Apply>
void mergeLinearly(const std::string& text, std::size_t columns, DailyRecordTable& records,
                   Apply apply) {
    std::vector<std::string> lines;
    if (!splitTableLines(text, lines))
        return;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = splitLineFields(line);
        if (fields.size() < columns)
            continue;
        for (DailyRecord& record : records) {
            if (record.code == fields[1]) {
                apply(record, fields);
                break;
            }
        }
    }
}

class WholeMarket : public ::testing::Test {
  protected:
    void SetUp() override {
        input.fundFlowText = readExample("资金流向.txt");
        input.periodStatsText = readExample("阶段统计.txt");
        input.profitForecastText = readExample("盈利预测.txt");
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
