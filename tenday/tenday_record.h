// One stock of the ten-day ranking.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrum {

struct TenDayRecord {
    std::string code;  // GBK
    std::string name;  // GBK
    float price = 0;
    float tenDayChange = 0;  // percent: 12.5 means +12.5 %
    std::int64_t tenDayNetInflow = 0;
};

// Records own their texts; copying a record copies them.
using TenDayRecords = std::vector<TenDayRecord>;

}  // namespace kestrum
