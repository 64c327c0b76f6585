// One stock of the daily screener, as the fund-flow table gives it and the other two tables
// complete it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/column_sort.h"

namespace kestrum {

struct DailyRecord {
    std::string code;  // compared byte for byte
    std::string name;
    float price = 0;
    float change = 0;     // today's change in percent
    float netInflow = 0;  // main-capital net inflow in 亿
    float twentyDayChange = 0;
    std::int32_t reportCount = 0;

    friend bool operator==(const DailyRecord&, const DailyRecord&) = default;
};

// Records held by value: copying a table copies every record with its texts, and the sorts
// exchange entries in place.
using DailyRecordTable = std::vector<DailyRecord>;

inline constexpr ColumnSort<&DailyRecord::twentyDayChange, SortOrder::SmallestFirst>
    sortByTwentyDayChange{};
inline constexpr ColumnSort<&DailyRecord::netInflow, SortOrder::LargestFirst> sortByNetInflow{};
inline constexpr ColumnSort<&DailyRecord::reportCount, SortOrder::LargestFirst> sortByReportCount{};

}  // namespace kestrum
