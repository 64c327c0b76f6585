#include "tenday/header_text.h"

#include <gtest/gtest.h>

#include "common/charset.h"

namespace kestrum {
namespace {

TEST(HeaderText, CapitaliseHeaderNames) {
    struct Case {
        const char* name;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {"default request headers",
         "\r\nAccept: */*\r\nReferer: http://127.0.0.1:8080/a?b=c\r\nAccept-Language: zh-cn"
         "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)",
         "Accept: */*\r\nReferer: http://127.0.0.1:8080/a?b=c\r\nAccept-Language: zh-cn\r\n"
         "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
        {"words after dashes", "x-requested-with: XMLHttpRequest",
         "X-Requested-With: XMLHttpRequest"},
        {"upper case stays", "ACCEPT: a", "ACCEPT: a"},
        {"values untouched", "user-agent: lower-case value", "User-Agent: lower-case value"},
        {"line without colon dropped", "accept: a\r\nno colon here\r\nx-b: c",
         "Accept: a\r\nX-B: c"},
        {"single line", "accept: a", "Accept: a"},
        {"name ending in a dash", "a-: v", "A-: v"},
        {"double dash", "a--b: v", "A--B: v"},
        {"empty name", ": v", ": v"},
        {"only CR LF", "\r\n\r\n", ""},
        {"empty", "", ""},
        {"Chinese name", gbk("名称-x: 值"), gbk("名称-X: 值")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(capitaliseHeaderNames(c.input), c.output) << c.name;
}

TEST(HeaderText, SplitsLinesAndPicksText) {
    EXPECT_EQ(capitaliseFirst(""), "");
    EXPECT_EQ(capitaliseFirst("abc"), "Abc");
    EXPECT_EQ(capitaliseFirst("\xB0\xA1"), "\xB0\xA1");

    EXPECT_EQ(headerName("  Referer : x"), "Referer");
    EXPECT_EQ(headerValue("Referer: http://127.0.0.1:8080/p"), "http://127.0.0.1:8080/p");
    EXPECT_EQ(headerName("no colon"), "");
    EXPECT_EQ(headerValue("no colon"), "");
    EXPECT_EQ(headerValue("Name:"), "");

    EXPECT_EQ(textBefore("Set-Cookie: a=1", ": "), "Set-Cookie");
    EXPECT_EQ(textBefore("Set-Cookie:a", ": "), "");
    EXPECT_EQ(textBefore("abc", ""), "");

    struct Case {
        const char* name;
        std::string text, start, end, result;
    };
    const Case cases[] = {
        {"cookie value", "Set-Cookie: a=1; path=/", "Set-Cookie:", ";", " a=1"},
        {"end must follow start", "; x Set-Cookie: a=1", "Set-Cookie:", ";", ""},
        {"start missing", "a=1; path=/", "Set-Cookie:", ";", ""},
        {"letter case counts", "set-cookie: a=1;", "Set-Cookie:", ";", ""},
        {"quote word", R"(name="value" rest)", gbk("name=#引号"), gbk("#引号"), "value"},
        {"adjacent markers", "ab", "a", "b", ""},
        {"truncated double-byte text", "k=\xB0", "k=", ";", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textBetween(c.text, c.start, c.end), c.result) << c.name;
}

}  // namespace
}  // namespace kestrum
