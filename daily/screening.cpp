#include "daily/screening.h"

namespace kestrum {
namespace {

constexpr double kMargin = 0.0000001;
constexpr double kInflowFloor = 0.5;

bool inRange(double change, TwentyDayRange range) {
    switch (range) {
        case TwentyDayRange::AtMostZero:
            return change - 0 <= kMargin;
        case TwentyDayRange::ZeroToTwenty:
            return change - 0 > kMargin && change - 20 <= kMargin;
        case TwentyDayRange::AboveTwenty:
            return change - 20 > kMargin;
        case TwentyDayRange::None:
            break;
    }
    return false;
}

}  // namespace

DailyRecordTable screenRecords(const DailyRecordTable& fundFlowRecords, TwentyDayRange range) {
    DailyRecordTable selected;
    for (const DailyRecord& record : fundFlowRecords) {
        if (static_cast<double>(record.netInflow) - kInflowFloor > kMargin &&
            inRange(record.twentyDayChange, range))
            selected.push_back(record);
    }
    return selected;
}

}  // namespace kestrum
