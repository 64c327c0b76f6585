#include "common/skin/skin_counter.h"

namespace kestrum {

bool SkinCounter::setRange(std::int32_t maximum, std::int32_t current) {
    if (maximum < 1 || current > maximum)
        return false;
    maximum_ = maximum;
    current_ = current;
    return true;
}

std::int32_t SkinCounter::step(bool forward) {
    if (forward) {
        // Compared before adding, so a current at the top of the range cannot overflow.
        current_ = current_ >= maximum_ ? 1 : current_ + 1;
    } else {
        current_ = current_ <= 1 ? maximum_ : current_ - 1;
    }
    return current_;
}

}  // namespace kestrum
