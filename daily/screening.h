// The daily screen: stocks with more than 0.5 亿 of main net inflow whose twenty-day change
// lies in the chosen range.
#pragma once

#include "daily/daily_record.h"

namespace kestrum {

enum class TwentyDayRange {
    None,          // no range chosen: nothing is selected
    AtMostZero,    // "<0": zero and below
    ZeroToTwenty,  // "0-20": above 0 up to and including 20
    AboveTwenty,   // ">20"
};

// A computation with fewer fund-flow records than this screens nothing.
inline constexpr std::size_t kMinimumFundFlowRecords = 2;

// Copies of the selected records, in the order of `fundFlowRecords`. Bounds are compared in
// double precision with a margin of 1e-7.
DailyRecordTable screenRecords(const DailyRecordTable& fundFlowRecords, TwentyDayRange range);

}  // namespace kestrum
