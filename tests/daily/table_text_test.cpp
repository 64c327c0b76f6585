#include "daily/table_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/charset.h"

namespace kestrum {
namespace {

using Texts = std::vector<std::string>;

TEST(SplitTableLines, DropsTheHeadingAndEmptyLines) {
    struct Case {
        const char* name;
        std::string text;
        bool anyPieces;
        Texts lines;
    };
    const Case cases[] = {
        {"heading and rows", "head\r\nrow1\r\nrow2\r\n", true, {"row1", "row2"}},
        {"blank lines skipped", "head\r\n\r\nrow1\r\n\r\n\r\nrow2", true, {"row1", "row2"}},
        {"no heading loses the first row", "row1\r\nrow2\r\n", true, {"row2"}},
        {"heading only", "head\r\n", true, {}},
        {"LF-only lines are one heading", "head\nrow1\nrow2\n", true, {}},
        {"lines of a lone CR stay", "head\r\n\r\r\nrow", true, {"\r", "row"}},
        {"empty text", "", false, {}},
    };
    for (const Case& c : cases) {
        Texts lines{"untouched"};
        EXPECT_EQ(splitTableLines(c.text, lines), c.anyPieces) << c.name;
        EXPECT_EQ(lines, c.anyPieces ? c.lines : Texts{"untouched"}) << c.name;
    }
}

TEST(SplitLineFields, SplitsAtRunsOfSpacesOnly) {
    struct Case {
        const char* name;
        std::string line;
        Texts fields;
    };
    const Case cases[] = {
        {"single spaces", "1 600000 name", {"1", "600000", "name"}},
        {"runs and ends", "  1   600000  ", {"1", "600000"}},
        {"tab is no separator", "1\t600000 x", {"1\t600000", "x"}},
        {"trailing CR stays on the last field", "1 2\r", {"1", "2\r"}},
        {"only spaces", "   ", {}},
        {"name with a space shifts columns",
         "1 600000 ST name 7.5",
         {"1", "600000", "ST", "name", "7.5"}},
        {"ideographic space is no separator",
         "a\xA1\xA1"
         "b c",
         {"a\xA1\xA1"
          "b",
          "c"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLineFields(c.line), c.fields) << c.name;
}

TEST(RemoveEmptyItems, KeepsTheOrderOfTheRest) {
    Texts items{"", "a", "", "", "b", ""};
    removeEmptyItems(items);
    EXPECT_EQ(items, (Texts{"a", "b"}));
}

TEST(AmountToYi, ReadsTheUnit) {
    struct Case {
        std::string text;
        float expected;
    };
    const Case cases[] = {
        {gbk("1.23亿"), 1.23f},
        {gbk("1.2亿元"), 1.2f},
        {gbk("-2亿"), -2.0f},
        {gbk("5678.9万"), 0.56f},
        {gbk("-987.6万"), -0.09f},
        {gbk("-321.5万"), -0.03f},
        {gbk("2900万"), 0.29f},  // a binary cut would give 0.28
        {gbk("0.5万"), 0.0f},
        {gbk("12345678901万"), 1234570.0f},
        {gbk("１２.５亿"), 12.5f},
        {gbk("亿"), 0.0f},
        {"-", 0.0f},
        {"--5", 0.0f},
        {"1.05", 0.0f},
        {"", 0.0f},
        {gbk("--5亿"), 0.0f},
    };
    for (const Case& c : cases)
        EXPECT_EQ(amountToYi(c.text), c.expected) << gbkToUtf8(c.text);
}

TEST(AmountToYi, SmallNegativeTenThousandsGiveNegativeZero) {
    const float value = amountToYi(gbk("-12万"));
    EXPECT_EQ(value, 0.0f);
    EXPECT_TRUE(std::signbit(value));
    EXPECT_TRUE(std::signbit(amountToYi(gbk("-0.5万"))));
}

TEST(AmountToYi, HugeAmountsDoNotBreakTheReading) {
    EXPECT_TRUE(std::isinf(amountToYi(gbk("1e400亿"))));
    EXPECT_TRUE(std::isinf(amountToYi(gbk("1e400万"))));
}

TEST(TableNumbers, PercentAndCountFields) {
    EXPECT_EQ(textToFloat("12.5%"), 12.5f);
    EXPECT_EQ(textToFloat("-"), 0.0f);
    EXPECT_EQ(textToFloat(gbk("１２.５")), 12.5f);
    EXPECT_EQ(textToInt("7.9"), 7);
    EXPECT_EQ(textToInt("-"), 0);
}

}  // namespace
}  // namespace kestrum
