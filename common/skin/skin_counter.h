// Cycles the skin number through 1..maximum for the star label.
#pragma once

#include <cstdint>

namespace kestrum {

class SkinCounter {
  public:
    // Refused (false, nothing changed) when maximum < 1 or current > maximum. A current of 0
    // or below is accepted.
    bool setRange(std::int32_t maximum, std::int32_t current);

    // Forward: current + 1, wrapping to 1 past the maximum. Backward: current - 1, wrapping
    // to the maximum below 1. Stores and returns the new current.
    std::int32_t step(bool forward);

    std::int32_t maximum() const { return maximum_; }
    std::int32_t current() const { return current_; }

  private:
    std::int32_t maximum_ = 0;
    std::int32_t current_ = 0;
};

}  // namespace kestrum
