// The nine colours of a skin. Skins 1 and 2 exist; every other number is all black.
#pragma once

#include <cstdint>

#include "common/form/window_definition.h"

namespace kestrum {

struct SkinColours {
    Colour windowBackground = 0;
    Colour actionBackground = 0;
    Colour actionText = 0;
    Colour choiceBackground = 0;
    Colour choiceText = 0;
    Colour infoBackground = 0;
    Colour infoText = 0;
    Colour listBackground = 0;
    Colour listText = 0;
};

class SkinTable {
  public:
    static SkinColours colours(std::int32_t skinNumber);
};

}  // namespace kestrum
