#include "common/settings/profile_text.h"

#include <gtest/gtest.h>

#include "common/charset.h"

namespace kestrum {
namespace {

TEST(ProfileText, ReadsTheFirstMatchingEntry) {
    struct Case {
        const char* name;
        std::string file;
        std::optional<std::string> value;
    };
    const std::string S = gbk("设置"), K = gbk("颜色");
    const Case cases[] = {
        {"plain", "[" + S + "]\r\n" + K + "=2\r\n", "2"},
        {"LF lines and blanks", " [ " + S + " ] \n " + K + " = 2 \n", "2"},
        {"quotes removed", "[" + S + "]\r\n" + K + "=\"2 \"\r\n", "2 "},
        {"empty value", "[" + S + "]\r\n" + K + "=\r\n", ""},
        {"no line break at end", "[" + S + "]\r\n" + K + "=7", "7"},
        {"key in another section", "[x]\r\n" + K + "=1\r\n[" + S + "]\r\n", std::nullopt},
        {"section missing", "[x]\r\n" + K + "=1\r\n", std::nullopt},
        {"first of two sections", "[" + S + "]\r\n" + K + "=1\r\n[" + S + "]\r\n" + K + "=2\r\n",
         "1"},
        {"empty file", "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profileValue(c.file, S, K), c.value) << c.name;
}

TEST(ProfileText, NamesMatchWithoutAsciiCaseButDoubleByteCharactersExactly) {
    EXPECT_EQ(profileValue("[Settings]\r\nColour=3\r\n", "SETTINGS", "colour"), "3");
    // 0xD8 0x7A and 0xD8 0x5A are different characters even though z/Z differ only in case.
    const std::string lower = "\xD8\x7A", upper = "\xD8\x5A";
    EXPECT_EQ(profileValue("[" + lower + "]\r\nk=1\r\n", lower, "K"), "1");
    EXPECT_EQ(profileValue("[" + lower + "]\r\nk=1\r\n", upper, "k"), std::nullopt);
}

TEST(ProfileText, WritingChangesOnlyTheOneEntry) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"empty file", "", "[S]\r\nk=1\r\n"},
        {"replaces the value, keeps LF lines", "; note\n[s]\n K = 2 \nother=x\n[T]\r\nk=v\r\n",
         "; note\n[s]\nk=1\nother=x\n[T]\r\nk=v\r\n"},
        {"adds after the section's last entry", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n",
         "[S]\r\na=1\r\nk=1\r\n\r\n[T]\r\nb=2\r\n"},
        {"adds under an empty section at the end", "[S]", "[S]\r\nk=1\r\n"},
        {"appends the section", "[T]\r\nb=2", "[T]\r\nb=2\r\n[S]\r\nk=1\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withProfileValue(c.before, "S", "k", "1"), c.after) << c.name;
}

}  // namespace
}  // namespace kestrum
