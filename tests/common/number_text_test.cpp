#include "common/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/charset.h"

namespace kestrum {
namespace {

using namespace std::string_literals;

TEST(NumberToText, SingleRoundsToSixSignificantDigits) {
    struct Case {
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {12.34f, "12.34"},
        {0.1f, "0.1"},
        {1688.0f, "1688"},
        {20.0f, "20"},
        {0.0f, "0"},
        {-3.5f, "-3.5"},
        {1234567.0f, "1.23457e+006"},
        {999999.0f, "999999"},
        {999999.5f, "1e+006"},
        {-1234567.0f, "-1.23457e+006"},
        {0.00001234f, "1.234e-005"},
        {0.0001f, "0.0001"},
        {123456.5f, "123457"},
        {-123456.5f, "-123457"},
        {3.4e38f, "3.4e+038"},
        {1.0e-40f, "9.99995e-041"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(singleToText(c.value), c.expected) << c.value;
}

TEST(NumberToText, DoubleAndIntegers) {
    struct Case {
        std::string actual;
        const char* expected;
    };
    const Case cases[] = {
        {doubleToText(1234.5678), "1234.5678"},
        {doubleToText(0.1), "0.1"},
        {doubleToText(1e13), "1e+013"},
        {doubleToText(9999999999999.0), "9999999999999"},
        {doubleToText(1e-5), "1e-005"},
        {doubleToText(1e300), "1e+300"},
        {doubleToText(-0.5), "-0.5"},
        {int32ToText(-42), "-42"},
        {int32ToText(std::numeric_limits<std::int32_t>::min()), "-2147483648"},
        {uint8ToText(255), "255"},
        {int64ToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
        {int64ToText(5000000), "5000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected);
}

TEST(TextToNumber, ReadsEachTypeByItsRule) {
    const std::string fullWidthMinus42 = gbk("－４２");
    const std::string ideographicSpace = "\xA1\xA1";
    struct Case {
        const char* name;
        std::string text;
        std::int32_t int32;
        std::int64_t int64;
        double real;
    };
    const Case cases[] = {
        {"plain", "123", 123, 123, 123},
        {"blank and trailing letters", " -42abc", -42, -42, -42},
        {"plus sign", "+7", 7, 7, 7},
        {"fraction", "123.9", 123, 123, 123.9},
        {"exponent", "1e9", 1, 1, 1e9},
        {"exponent without digits", "2e", 2, 2, 2},
        {"exponent with sign", "-2.5E-3x", -2, -2, -0.0025},
        {"point first", ".5", 0, 0, 0.5},
        {"point last", "5.", 5, 5, 5},
        {"second point stops", "1.2.3", 1, 1, 1.2},
        {"empty", "", 0, 0, 0},
        {"not a number", "abc", 0, 0, 0},
        {"sign only", "-", 0, 0, 0},
        {"full-width", fullWidthMinus42, -42, -42, -42},
        {"full-width point", gbk("３．５"), 3, 3, 3.5},
        {"ideographic space", ideographicSpace + "12", 12, 12, 12},
        {"tab is a blank", "\t8", 8, 8, 8},
        {"no hex", "0x10", 0, 0, 0},
        {"no infinity word", "inf", 0, 0, 0},
        {"nul stops",
         "12\0"
         "3"s,
         12, 12, 12},
        {"other character stops", "12" + gbk("亿"), 12, 12, 12},
        {"truncated tail", "5\xA3", 5, 5, 5},
        {"int32 saturates", "99999999999", std::numeric_limits<std::int32_t>::max(), 99999999999,
         99999999999},
        {"int32 saturates low", "-99999999999", std::numeric_limits<std::int32_t>::min(),
         -99999999999, -99999999999},
        {"int64 saturates", "99999999999999999999", std::numeric_limits<std::int32_t>::max(),
         std::numeric_limits<std::int64_t>::max(), 1e20},
        {"int64 lowest", "-9223372036854775808", std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int64_t>::min(), -9223372036854775808.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textToInt32(c.text), c.int32) << c.name;
        EXPECT_EQ(textToInt64(c.text), c.int64) << c.name;
        EXPECT_DOUBLE_EQ(textToDouble(c.text), c.real) << c.name;
    }
}

TEST(TextToNumber, OutOfRangeValues) {
    EXPECT_EQ(textToDouble("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToDouble("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToDouble("1e-999"), 0.0);
    EXPECT_EQ(textToDouble("1e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToSingle("1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(textToSingle("-1e39"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(textToSingle("12.34"), 12.34f);
}

TEST(TruncateDecimals, CutsWithoutRounding) {
    struct Case {
        std::string text;
        std::int32_t places;
        const char* expected;
    };
    const Case cases[] = {
        {"3.14159", 2, "3.14"},
        {"3.1", 2, "3.1"},
        {"12", 2, "12"},
        {"3.99", 0, "3"},
        {"3.99", -5, "3"},
        {".5", 0, ""},
        {"1.5", std::numeric_limits<std::int32_t>::max(), "1.5"},
        {"", 2, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(truncateDecimals(c.text, c.places), c.expected) << c.text << " " << c.places;
}

TEST(FormatAmount, UsesTenThousandsAndHundredMillions) {
    const std::string wan = gbk("万");
    const std::string yi = gbk("亿");
    struct Case {
        std::int64_t amount;
        std::string expected;
    };
    const Case cases[] = {
        {0, "0"},
        {9999, "9999"},
        {10000, "1" + wan},
        {56780000, "5678" + wan},
        {99999999, "9999.99" + wan},
        {100000000, "1" + yi},
        {100000001, "1.00" + yi},
        {123456789, "1.23" + yi},
        {-12345678, "-1234.56" + wan},
        {-5000, "-5000"},
        {-100000000, "-1" + yi},
        {std::numeric_limits<std::int64_t>::max(), "92233720368.55" + yi},
        {std::numeric_limits<std::int64_t>::min(), "-92233720368.55" + yi},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatAmount(c.amount), c.expected) << c.amount;
}

}  // namespace
}  // namespace kestrum
