// The whole work of one "计算" on the three whole-market sample tables (about 5,500 rows
// each): parse, join by code, screen and sort. For comparison, the same join searching the
// fund-flow records linearly for every row.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "daily/computation.h"
#include "daily/table_join.h"
#include "daily/table_text.h"
#include "support/example_tables.h"

namespace {

using namespace kestrum;

const ComputationInput& wholeMarket() {
    static const ComputationInput input = [] {
        ComputationInput in;
        in.fundFlowText = readExampleTable("资金流向.txt");
        in.periodStatsText = readExampleTable("阶段统计.txt");
        in.profitForecastText = readExampleTable("盈利预测.txt");
        in.range = TwentyDayRange::AtMostZero;
        return in;
    }();
    return input;
}

void BM_ComputeWholeMarket(benchmark::State& state) {
    const ComputationInput& input = wholeMarket();
    if (input.fundFlowText.empty()) {
        state.SkipWithError("sample tables not found");
        return;
    }
    std::size_t results = 0;
    for (auto _ : state) {
        PivotRandom = 1;  // as on a fresh worker thread
        const ComputationOutcome outcome = computeOutcome(input);
        results = outcome.resultRecords.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["results"] = static_cast<double>(results);
}
BENCHMARK(BM_ComputeWholeMarket)->Unit(benchmark::kMillisecond);

void BM_JoinIndexed(benchmark::State& state) {
    const ComputationInput& input = wholeMarket();
    for (auto _ : state) {
        DailyRecordTable records;
        parseFundFlowTable(input.fundFlowText, records);
        mergePeriodStatsTable(input.periodStatsText, records);
        mergeProfitForecastTable(input.profitForecastText, records);
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_JoinIndexed)->Unit(benchmark::kMillisecond);

void BM_JoinLinear(benchmark::State& state) {
    const ComputationInput& input = wholeMarket();
    for (auto _ : state) {
        DailyRecordTable records;
        parseFundFlowTable(input.fundFlowText, records);
        mergeLinearly(input.periodStatsText, kPeriodStatsColumns, records,
                      [](DailyRecord& r, const auto& f) { r.twentyDayChange = textToFloat(f[9]); });
        mergeLinearly(input.profitForecastText, kProfitForecastColumns, records,
                      [](DailyRecord& r, const auto& f) { r.reportCount = textToInt(f[7]); });
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_JoinLinear)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
