// The texts a result list row shows for one record.
#pragma once

#include <array>
#include <string>

#include "daily/daily_record.h"

namespace kestrum {

inline constexpr std::size_t kResultColumns = 7;
using ResultRowTexts = std::array<std::string, kResultColumns>;

// Code, name, price, today's change, net inflow followed by "亿", twenty-day change, reports.
ResultRowTexts resultRowTexts(const DailyRecord& record);

}  // namespace kestrum
