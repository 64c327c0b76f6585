#include "tenday/text_codecs.h"

#include <gtest/gtest.h>

#include "common/charset.h"

namespace kestrum {
namespace {

TEST(TextCodecs, Base64Encode) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"", ""},
        {"a", "YQ=="},
        {"ab", "YWI="},
        {"abc", "YWJj"},
        {"u:", "dTo="},
        {std::string("\0\xFF\x10", 3), "AP8Q"},
        {"Aladdin:open sesame", "QWxhZGRpbjpvcGVuIHNlc2FtZQ=="},
    };
    for (const Case& c : cases)
        EXPECT_EQ(base64Encode(c.bytes), c.text) << c.text;
}

TEST(TextCodecs, Utf8ToAnsi) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"stock name", "贵州茅台", gbk("贵州茅台")},
        {"full-width letters and space", "Ａ股　样本 B", gbk("Ａ股　样本 B")},
        {"empty", "", ""},
        {"stops at a zero byte", std::string("平安\0银行", 10), gbk("平安")},
        {"leading zero byte", std::string("\0abc", 4), ""},
        {"malformed", "a\xFF\xFEz", "a??z"},
        {"not in GBK", "x\xF0\x9F\x98\x80y", "x?y"},
        {"cut inside a character", "\xE8\xB4", "?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8ToAnsi(c.bytes), c.text) << c.name;
}

}  // namespace
}  // namespace kestrum
