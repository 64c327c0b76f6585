// Screening the ten-day ranking: one of five inflow batches (bands that halve from the
// largest inflow down) and one of three ranges of ten-day change.
#pragma once

#include <cstdint>

#include "common/column_sort.h"
#include "tenday/tenday_record.h"

namespace kestrum {

struct InflowBatch {
    std::int64_t upper = 0;  // inclusive
    std::int64_t lower = 0;  // exclusive
};

struct ChangeRange {
    float upper = 0;  // inclusive
    float lower = 0;  // exclusive
};

// Batch 1 ("第一") to 5 ("第五") below the largest inflow v: (v/2, v], (v/4, v/2], ...,
// (0, v/16]; each half truncated toward zero. Any other batch number gives (0, 0].
InflowBatch inflowBatchBounds(std::int64_t largestInflow, int batch);

// Range 1 "<0" (-100, 0], 2 "0-20" (0, 20], 3 ">20" (20, 5000]; any other gives (0, 0].
ChangeRange changeRangeBounds(int range);

// The records of `all` with lower < inflow <= upper, in order, copied into `batch`.
void selectInflowBatch(const TenDayRecords& all, std::int64_t upper, std::int64_t lower,
                       TenDayRecords& batch);

// The records of `batch` with lower < change <= upper (compared exactly; NaN never passes),
// in order, copied into `screened`.
void selectChangeRange(const TenDayRecords& batch, float upper, float lower,
                       TenDayRecords& screened);

// "涨幅▼": smallest ten-day change first.
inline constexpr ColumnSort<&TenDayRecord::tenDayChange, SortOrder::SmallestFirst>
    sortByTenDayChange{};

}  // namespace kestrum
