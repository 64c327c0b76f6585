#include "tenday/screening.h"

namespace kestrum {

namespace {

std::int64_t half(std::int64_t amount) {
    return static_cast<std::int64_t>(static_cast<double>(amount) / 2.0);
}

}  // namespace

InflowBatch inflowBatchBounds(std::int64_t largestInflow, int batch) {
    if (batch < 1 || batch > 5)
        return {};
    std::int64_t bounds[6] = {largestInflow};
    for (int i = 1; i < 5; ++i)
        bounds[i] = half(bounds[i - 1]);
    bounds[5] = 0;
    return {bounds[batch - 1], bounds[batch]};
}

ChangeRange changeRangeBounds(int range) {
    switch (range) {
        case 1:
            return {0, -100};
        case 2:
            return {20, 0};
        case 3:
            return {5000, 20};
        default:
            return {};
    }
}

void selectInflowBatch(const TenDayRecords& all, std::int64_t upper, std::int64_t lower,
                       TenDayRecords& batch) {
    batch.clear();
    for (const TenDayRecord& record : all)
        if (record.tenDayNetInflow <= upper && record.tenDayNetInflow > lower)
            batch.push_back(record);
}

void selectChangeRange(const TenDayRecords& batch, float upper, float lower,
                       TenDayRecords& screened) {
    screened.clear();
    for (const TenDayRecord& record : batch)
        if (upper >= record.tenDayChange && record.tenDayChange > lower)
            screened.push_back(record);
}

}  // namespace kestrum
