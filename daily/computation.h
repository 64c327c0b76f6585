// The work of one "计算": parse and join the three tables, screen, and order the result by
// twenty-day change. Pure; the worker thread runs it on copies of the inputs.
#pragma once

#include <atomic>
#include <string>

#include "daily/daily_record.h"
#include "daily/screening.h"

namespace kestrum {

struct ComputationInput {
    std::string fundFlowText;
    std::string periodStatsText;
    std::string profitForecastText;
    TwentyDayRange range = TwentyDayRange::None;
};

struct ComputationOutcome {
    DailyRecordTable fundFlowRecords;
    // False when the fund-flow table gave fewer than two records: nothing was screened and
    // the previous result stays.
    bool screened = false;
    DailyRecordTable resultRecords;  // sorted by twenty-day change, smallest first
};

// The sort draws its pivots from the calling thread's generator. When `stopRequested` turns
// true the sort is abandoned and the outcome is incomplete (nobody wants it any more).
ComputationOutcome computeOutcome(const ComputationInput& input,
                                  const std::atomic<bool>* stopRequested = nullptr);

}  // namespace kestrum
