#include "common/charset.h"

#include <gtest/gtest.h>

namespace kestrum {
namespace {

TEST(Charset, RoundTripsChineseText) {
    const std::string gbkCompute = "\xBC\xC6\xCB\xE3";  // 计算
    EXPECT_EQ(gbk("计算"), gbkCompute);
    EXPECT_EQ(gbkToUtf8(gbkCompute), "计算");
    EXPECT_EQ(gbkToUtf8(gbk("Kestrum.旬   1.2")), "Kestrum.旬   1.2");
}

TEST(Charset, UnmappableCharactersBecomeQuestionMarks) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string gbk;
    };
    const Case cases[] = {
        {"emoji", "a\xF0\x9F\x98\x80z", "a?z"},
        {"malformed lead", "a\xFFz", "a?z"},
        {"truncated tail", "ab\xE8", "ab?"},
        {"cut sequence keeps what follows", "a\xE8\xB4z\xE8\xAE\xA1", "a?z\xBC\xC6"},
        {"character across a window's end", std::string(1023, 'x') + "计算",
         std::string(1023, 'x') + "\xBC\xC6\xCB\xE3"},
        {"bad bytes across windows", std::string(5000, '\xFF'), std::string(5000, '?')},
        {"euro sign", "\xE2\x82\xAC", "\x80"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8ToGbk(c.utf8), c.gbk) << c.name;
}

TEST(Charset, InvalidGbkBecomesQuestionMark) {
    EXPECT_EQ(gbkToUtf8("x\xFFy"), "x?y");
    EXPECT_EQ(gbkToUtf8("x\xB0"), "x?");  // lead byte without its trail byte
    EXPECT_EQ(gbkToUtf8(std::string(1023, 'x') + "\xBC\xC6"), std::string(1023, 'x') + "计");
    EXPECT_EQ(gbkToUtf8("\xB0"
                        "1\xBC\xC6"),
              "?1计");  // a trail byte that cannot be one
}

}  // namespace
}  // namespace kestrum
