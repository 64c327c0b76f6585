#include "common/skin/skin_table.h"

namespace kestrum {

SkinColours SkinTable::colours(std::int32_t skinNumber) {
    switch (skinNumber) {
        case 1:
            return {.windowBackground = 0x000000,
                    .actionBackground = 0x000000,
                    .actionText = 0x2A69FF,
                    .choiceBackground = 0x000000,
                    .choiceText = 0x2A69FF,
                    .infoBackground = 0x000000,
                    .infoText = 0xC0C0C0,
                    .listBackground = 0x2A69FF,
                    .listText = 0x000000};
        case 2:
            return {.windowBackground = 0x000000,
                    .actionBackground = 0xDFFE01,
                    .actionText = 0x3A3F00,
                    .choiceBackground = 0x000000,
                    .choiceText = 0xDFFE01,
                    .infoBackground = 0x000000,
                    .infoText = 0xFAFFF6,
                    .listBackground = 0x3B2E03,
                    .listText = 0xD5F710};
        default:
            return {};
    }
}

}  // namespace kestrum
