#include "tenday/cookie_text.h"

#include <gtest/gtest.h>

namespace kestrum {
namespace {

TEST(CookieText, MergeWritesTheResultBackIntoTheSentText) {
    struct Case {
        const char* name;
        std::string sent, received, merged, receivedAfter;
    };
    const Case cases[] = {
        {"received replace and lead", "a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3; c=4"},
        {"deleted leaves", "a=1; b=2", "b=deleted", "a=1", "b=deleted"},
        {"trailing semicolon", "a=1;", "", "a=1", ""},
        {"both empty", "", "", "", ""},
        {"trimmed", "  a=1 ", " b=2;", "b=2; a=1", "b=2; "},
        {"first of two sent with one name", "a=1; a=2", "", "a=1", ""},
        {"exact repeats go", "", "x=1; x=1; y=2", "x=1; y=2", "x=1; x=1; y=2"},
        {"names compared with letter case", "A=1", "a=2", "a=2; A=1", "a=2"},
        {"name without value", "flag", "other=1", "other=1; flag", "other=1"},
    };
    for (Case c : cases) {
        std::string sent = c.sent;
        std::string received = c.received;
        EXPECT_EQ(mergeCookieTexts(sent, received), c.merged) << c.name;
        EXPECT_EQ(sent, c.merged) << c.name;
        EXPECT_EQ(received, c.receivedAfter) << c.name;
    }
}

TEST(CookieText, ItemsAndNames) {
    EXPECT_EQ(cookieName(" sid = abc"), "sid");
    EXPECT_EQ(cookieName(" flag "), "flag");
    EXPECT_EQ(cookieName(""), "");
    EXPECT_TRUE(hasCookieNamed({"a=1", " b=2"}, "b"));
    EXPECT_FALSE(hasCookieNamed({"a=1"}, "A"));
    EXPECT_FALSE(hasCookieNamed({}, ""));

    EXPECT_EQ(joinDistinct("x; y; x", "; "), "x; y");
    EXPECT_EQ(joinDistinct("", "; "), "");
    EXPECT_EQ(joinDistinct("x", ""), "x") << "an empty separator never splits";
    EXPECT_EQ(joinDistinct("a,,b,,", ","), "a,,b");

    EXPECT_EQ(indexOfItem({"a", "b", "b"}, "b"), 2);
    EXPECT_EQ(indexOfItem({"a"}, "A"), -1);
    EXPECT_EQ(indexOfItem({}, ""), -1);
}

}  // namespace
}  // namespace kestrum
