#include "common/gbk_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "common/charset.h"

namespace kestrum {
namespace {

using namespace std::string_literals;

constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMostNegative = std::numeric_limits<std::int64_t>::min();

// Two-byte characters whose trail byte is an ASCII character: 亅 = 81 7C ("|"),
// 丄 = 81 41 ("A"), 乤 = 81 61 ("a").
const std::string kBarTrail = "\x81|";
const std::string kUpperATrail =
    "\x81"
    "A";
const std::string kLowerATrail =
    "\x81"
    "a";

TEST(FindText, StepsOverTwoByteCharacters) {
    struct Case {
        const char* name;
        std::string text;
        std::string needle;
        std::int64_t start;
        LetterCase letterCase;
        int expected;
    };
    const Case cases[] = {
        {"ascii", "abcabc", "ca", 1, LetterCase::Exact, 3},
        {"from start", "abcabc", "abc", 2, LetterCase::Exact, 4},
        {"start before text", "abc", "a", -5, LetterCase::Exact, 1},
        {"start past end", "abc", "a", 4, LetterCase::Exact, -1},
        {"huge start", "abc", "a", kHuge, LetterCase::Exact, -1},
        {"not found", "abc", "d", 1, LetterCase::Exact, -1},
        {"empty needle", "abc", "", 1, LetterCase::Exact, -1},
        {"empty text", "", "a", 1, LetterCase::Exact, -1},
        {"chinese", gbk("资金流向"), gbk("流向"), 1, LetterCase::Exact, 5},
        {"trail byte is a bar", kBarTrail + "x|y", "|", 1, LetterCase::Exact, 4},
        {"bar only inside a character", kBarTrail + kBarTrail, "|", 1, LetterCase::Exact, -1},
        {"trail byte is a letter", kUpperATrail + "A", "A", 1, LetterCase::Exact, 3},
        {"trail letter with folding", kLowerATrail + "z", "A", 1, LetterCase::Ignore, -1},
        {"needle is trail plus next lead", gbk("啊啊"), "\xA1\xB0", 1, LetterCase::Exact, -1},
        {"folded ascii", "Code=600519", "CODE", 1, LetterCase::Ignore, 1},
        {"exact case", "Code=600519", "CODE", 1, LetterCase::Exact, -1},
        {"folding keeps two-byte needle exact", kLowerATrail, kUpperATrail, 1, LetterCase::Ignore,
         -1},
        {"truncated lead byte at end", "ab\xB0", "\xB0", 1, LetterCase::Exact, 3},
        {"needle longer than rest", "ab\xB0", "\xB0\xA1", 1, LetterCase::Exact, -1},
        {"nul inside text", "a\0b|c"s, "|", 1, LetterCase::Exact, 4},
        {"nul as needle", "a\0b"s, "\0"s, 1, LetterCase::Exact, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findText(c.text, c.needle, c.start, c.letterCase), c.expected) << c.name;
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
    struct Case {
        const char* name;
        std::string text, needle, replacement;
        LetterCase letterCase;
        std::string expected;
    };
    const Case cases[] = {
        {"every occurrence", "a,b,,c", ",", ";", LetterCase::Exact, "a;b;;c"},
        {"no rescan of replacement", "aaa", "a", "aa", LetterCase::Exact, "aaaaaa"},
        {"overlapping needles", "aaaa", "aa", "b", LetterCase::Exact, "bb"},
        {"delete", "1,234,567", ",", "", LetterCase::Exact, "1234567"},
        {"empty needle keeps text", "abc", "", "x", LetterCase::Exact, "abc"},
        {"folded", "aXbxc", "x", "-", LetterCase::Ignore, "a-b-c"},
        {"skips trail bytes", kBarTrail + "|", "|", "/", LetterCase::Exact, kBarTrail + "/"},
        {"chinese", gbk("亿元亿"), gbk("亿"), "E", LetterCase::Exact, "E" + gbk("元") + "E"},
        {"truncated tail", "a\xB0", "a", "b", LetterCase::Exact, "b\xB0"},
        {"empty text", "", "a", "b", LetterCase::Exact, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(replaceAll(c.text, c.needle, c.replacement, c.letterCase), c.expected) << c.name;
}

TEST(SplitText, DropsOnlyAnEmptyLastPiece) {
    using Pieces = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string text, separator;
        Pieces expected;
    };
    const Case cases[] = {
        {"plain", "a b c", " ", {"a", "b", "c"}},
        {"empty pieces kept", "a  b", " ", {"a", "", "b"}},
        {"leading separator", " a", " ", {"", "a"}},
        {"empty last piece dropped", "a\r\nb\r\n", "\r\n", {"a", "b"}},
        {"only the last empty piece", "a,,", ",", {"a", ""}},
        {"no separator", "abc", ",", {"abc"}},
        {"empty text", "", ",", {}},
        {"only a separator", ",", ",", {""}},
        {"empty separator", "abc", "", {"abc"}},
        {"trail byte not a separator", kBarTrail + "|x", "|", {kBarTrail, "x"}},
        {"truncated tail", "a|\xB0", "|", {"a", "\xB0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitText(c.text, c.separator), c.expected) << c.name;
}

TEST(TrimText, RemovesOnlySpacesAndIdeographicSpaces) {
    const std::string ideographic = "\xA1\xA1";
    struct Case {
        const char* name;
        std::string text, expected;
    };
    const Case cases[] = {
        {"spaces", "  a b  ", "a b"},
        {"ideographic spaces", ideographic + "a" + ideographic + " ", "a"},
        {"tabs stay", "\ta\t", "\ta\t"},
        {"line ends stay", " a\r\n", "a\r\n"},
        {"all blank", " " + ideographic + " ", ""},
        {"empty", "", ""},
        // 啊 = B0 A1: its trail byte and a following A1 must not be taken for A1 A1.
        {"trail byte plus lone A1", gbk("啊") + "\xA1", gbk("啊") + "\xA1"},
        {"lone lead byte at end", "a \xA1", "a \xA1"},
        {"nul is not blank", " \0 "s, "\0"s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trimText(c.text), c.expected) << c.name;
}

TEST(TextCuts, LeftRightMiddleAndSpanStayInsideTheText) {
    struct Case {
        const char* name;
        std::string actual, expected;
    };
    const std::string t = "abcdef";
    const Case cases[] = {
        {"left", leftText(t, 2), "ab"},
        {"left longer than text", leftText(t, kHuge), t},
        {"left zero", leftText(t, 0), ""},
        {"left negative", leftText(t, kMostNegative), ""},
        {"right", rightText(t, 2), "ef"},
        {"right longer than text", rightText(t, kHuge), t},
        {"right negative", rightText(t, -1), ""},
        {"middle", middleText(t, 2, 3), "bcd"},
        {"middle to end", middleText(t, 5, kHuge), "ef"},
        {"middle past end", middleText(t, 7, 1), ""},
        {"middle huge position", middleText(t, kHuge, kHuge), ""},
        {"middle before text", middleText(t, -3, 2), "ab"},
        {"middle zero count", middleText(t, 1, 0), ""},
        {"span", textSpan(t, 2, 4), "bcd"},
        {"span shortened", textSpan(t, 5, 9), "ef"},
        {"span outside", textSpan(t, 7, 9), ""},
        {"span first -1", textSpan(t, -1, 3), ""},
        {"span last -1", textSpan(t, 1, -1), ""},
        {"span first 0", textSpan(t, 0, 3), ""},
        {"span reversed", textSpan(t, 4, 2), ""},
        {"span huge last", textSpan(t, 3, kHuge), "cdef"},
        {"span extremes", textSpan(t, kMostNegative, kHuge), ""},
        {"span of empty", textSpan("", 1, 1), ""},
        {"nul kept", middleText("a\0b"s, 2, 2), "\0b"s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(UpperText, FoldsAsciiLettersOnly) {
    EXPECT_EQ(upperText("sh600519 z"), "SH600519 Z");
    EXPECT_EQ(upperText(kLowerATrail + "a"), kLowerATrail + "A");
    EXPECT_EQ(upperText(gbk("abc研报")), gbk("ABC研报"));
    EXPECT_EQ(upperText("a\xB0"), "A\xB0");
    EXPECT_EQ(upperText(""), "");
}

}  // namespace
}  // namespace kestrum
