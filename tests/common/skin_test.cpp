#include <gtest/gtest.h>

#include "common/skin/skin_counter.h"
#include "common/skin/skin_table.h"

namespace kestrum {
namespace {

TEST(SkinCounter, SetRangeRefusesAnEmptyRangeOrACurrentAboveIt) {
    struct Case {
        const char* name;
        int maximum;
        int current;
        bool accepted;
    };
    const Case cases[] = {
        {"usual", 2, 1, true},
        {"current at maximum", 2, 2, true},
        {"current 0", 2, 0, true},
        {"negative current", 2, -3, true},
        {"current above", 2, 5, false},
        {"maximum 0", 0, 0, false},
        {"negative maximum", -1, -5, false},
    };
    for (const Case& c : cases) {
        SkinCounter counter;
        counter.setRange(7, 7);
        EXPECT_EQ(counter.setRange(c.maximum, c.current), c.accepted) << c.name;
        EXPECT_EQ(counter.maximum(), c.accepted ? c.maximum : 7) << c.name;
        EXPECT_EQ(counter.current(), c.accepted ? c.current : 7) << c.name;
    }
}

TEST(SkinCounter, StepsWrapAroundTheRange) {
    SkinCounter counter;
    ASSERT_TRUE(counter.setRange(2, -3));
    std::vector<int> forward;
    for (int i = 0; i < 7; ++i)
        forward.push_back(counter.step(true));
    EXPECT_EQ(forward, (std::vector<int>{-2, -1, 0, 1, 2, 1, 2}));

    std::vector<int> backward;
    for (int i = 0; i < 3; ++i)
        backward.push_back(counter.step(false));
    EXPECT_EQ(backward, (std::vector<int>{1, 2, 1}));

    SkinCounter unranged;  // as after a refused setRange: every forward step gives 1
    EXPECT_EQ(unranged.step(true), 1);
    EXPECT_EQ(unranged.step(true), 1);
    EXPECT_EQ(unranged.step(false), 0) << "backward from 1 wraps to the maximum, 0";
}

TEST(SkinTable, TwoSkinsAndBlackForEveryOtherNumber) {
    const SkinColours one = SkinTable::colours(1);
    EXPECT_EQ(one.listBackground, 0x2A69FFu);
    EXPECT_EQ(one.listText, 0x000000u);
    EXPECT_EQ(one.actionText, 0x2A69FFu);
    EXPECT_EQ(one.infoText, 0xC0C0C0u);
    const SkinColours two = SkinTable::colours(2);
    EXPECT_EQ(two.actionBackground, 0xDFFE01u);
    EXPECT_EQ(two.actionText, 0x3A3F00u);
    EXPECT_EQ(two.choiceText, 0xDFFE01u);
    EXPECT_EQ(two.infoText, 0xFAFFF6u);
    EXPECT_EQ(two.listBackground, 0x3B2E03u);
    EXPECT_EQ(two.listText, 0xD5F710u);
    for (int other : {0, -3, 3, 5}) {
        const SkinColours black = SkinTable::colours(other);
        for (Colour colour : {black.windowBackground, black.actionBackground, black.actionText,
                              black.choiceBackground, black.choiceText, black.infoBackground,
                              black.infoText, black.listBackground, black.listText})
            EXPECT_EQ(colour, 0u) << other;
    }
}

}  // namespace
}  // namespace kestrum
