#include "daily/table_join.h"

#include <gtest/gtest.h>

#include <string>

#include "common/charset.h"
#include "common/gbk_text.h"

namespace kestrum {
namespace {

const std::string kFundFlowHeading = gbk("序号 代码 名称 最新价 涨幅 主力净流入\r\n");
const std::string kPeriodHeading = gbk("序号 代码 名称 a b c d e f 二十日涨跌幅\r\n");
const std::string kForecastHeading = gbk("序号 代码 名称 a b c d 研报数\r\n");

std::string fundFlowRow(const std::string& code, const std::string& inflow,
                        const std::string& name = gbk("浦发银行")) {
    return "1 " + code + " " + name + " 7.50 1.20 " + inflow + "\r\n";
}
std::string periodRow(const std::string& code, const std::string& twentyDay) {
    return "1 " + code + " n 0 0 0 0 0 0 " + twentyDay + "\r\n";
}
std::string forecastRow(const std::string& code, const std::string& reports) {
    return "1 " + code + " n 0 0 0 0 " + reports + "\r\n";
}

DailyRecordTable parsed(const std::string& fundFlowText) {
    DailyRecordTable records;
    parseFundFlowTable(fundFlowText, records);
    return records;
}

TEST(ParseFundFlowTable, ReadsOneRecordPerDataLine) {
    const DailyRecordTable records =
        parsed(kFundFlowHeading + fundFlowRow("600000", gbk("1.05亿")));
    ASSERT_EQ(records.size(), 1u);
    const DailyRecord expected{"600000", gbk("浦发银行"), 7.5f, 1.2f, 1.05f, 0, 0};
    EXPECT_EQ(records[0], expected);
}

TEST(ParseFundFlowTable, LinesAndFields) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> codes;
    };
    const std::string row1 = fundFlowRow("600000", gbk("1亿"));
    const std::string row2 = fundFlowRow("000001", gbk("2亿"));
    const Case cases[] = {
        {"blank lines and runs of spaces",
         kFundFlowHeading + "\r\n" + "  1   600000  n   7.5 1.2    " + gbk("1亿") + "  \r\n\r\n" +
             row2,
         {"600000", "000001"}},
        {"no heading loses the first row", row1 + row2, {"000001"}},
        {"short line skipped", kFundFlowHeading + "1 600000 n 7.5\r\n" + row2, {"000001"}},
        {"line of a lone CR skipped", kFundFlowHeading + "\r\r\n" + row2, {"000001"}},
        {"name with a space shifts columns",
         kFundFlowHeading + fundFlowRow("600000", gbk("1亿"), "ST X"),
         {"600000"}},
        {"codes with letters kept", kFundFlowHeading + fundFlowRow("A1b2", gbk("1亿")), {"A1b2"}},
        {"LF-only text has no data", replaceAll(kFundFlowHeading + row1 + row2, "\r\n", "\n"), {}},
        {"binary bytes", kFundFlowHeading + std::string("\xFF\x00\x80\r\n", 5) + row2, {"000001"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> codes;
        for (const DailyRecord& record : parsed(c.text))
            codes.push_back(record.code);
        EXPECT_EQ(codes, c.codes) << c.name;
    }
    // A name with a space: the price column holds the second half of the name.
    const DailyRecord shifted =
        parsed(kFundFlowHeading + fundFlowRow("600000", gbk("1亿"), "ST X"))[0];
    EXPECT_EQ(shifted.name, "ST");
    EXPECT_EQ(shifted.price, 0.0f);
    EXPECT_EQ(shifted.change, 7.5f);
}

TEST(ParseFundFlowTable, FieldValues) {
    struct Case {
        const char* name;
        std::string inflow;
        float netInflow;
    };
    const Case cases[] = {
        {"yi", gbk("1.05亿"), 1.05f},
        {"wan", gbk("-321.5万"), -0.03f},
        {"lone minus", "-", 0.0f},
        {"huge exponent", gbk("1e400亿"), std::numeric_limits<float>::infinity()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parsed(kFundFlowHeading + fundFlowRow("600000", c.inflow))[0].netInflow,
                  c.netInflow)
            << c.name;
    const DailyRecord dashes =
        parsed(kFundFlowHeading + "1 600000 n - -- " + gbk("1亿") + "\r\n")[0];
    EXPECT_EQ(dashes.price, 0.0f);
    EXPECT_EQ(dashes.change, 0.0f);
}

TEST(ParseFundFlowTable, EmptyTextKeepsTheRecords) {
    DailyRecordTable records = parsed(kFundFlowHeading + fundFlowRow("600000", gbk("1亿")));
    parseFundFlowTable("", records);
    EXPECT_EQ(records.size(), 1u);
    parseFundFlowTable(kFundFlowHeading, records);
    EXPECT_TRUE(records.empty());
}

TEST(MergeTables, FirstRecordReceivesAndLaterRowWins) {
    DailyRecordTable records =
        parsed(kFundFlowHeading + fundFlowRow("600000", gbk("1亿")) +
               fundFlowRow("000001", gbk("1亿")) + fundFlowRow("600000", gbk("2亿")));
    mergePeriodStatsTable(kPeriodHeading + periodRow("600000", "3.5%") + periodRow("999999", "50") +
                              periodRow("600000", "12.5%") + "1 000001 too short\r\n",
                          records);
    mergeProfitForecastTable(
        kForecastHeading + forecastRow("000001", "7.9") + forecastRow("600000", "3"), records);
    EXPECT_EQ(records[0].twentyDayChange, 12.5f);  // the second row of 600000 stays
    EXPECT_EQ(records[0].reportCount, 3);
    EXPECT_EQ(records[1].twentyDayChange, 0.0f);  // its only row was too short
    EXPECT_EQ(records[1].reportCount, 7);
    EXPECT_EQ(records[2].twentyDayChange, 0.0f);  // only the first record of a code receives
    EXPECT_EQ(records[2].reportCount, 0);
}

TEST(MergeTables, CodesCompareByteForByte) {
    DailyRecordTable records = parsed(kFundFlowHeading + fundFlowRow("sh600000", gbk("1亿")));
    mergePeriodStatsTable(kPeriodHeading + periodRow("SH600000", "5"), records);
    EXPECT_EQ(records[0].twentyDayChange, 0.0f);
    mergePeriodStatsTable(kPeriodHeading + periodRow("sh600000", "5"), records);
    EXPECT_EQ(records[0].twentyDayChange, 5.0f);
}

TEST(MergeTables, ClipboardLineEndsGiveTheSameRecords) {
    // Clipboard text has every LF turned into CR LF, so CR LF text becomes CR CR LF.
    const std::string crlf =
        kFundFlowHeading + fundFlowRow("600000", gbk("1.05亿")) + fundFlowRow("000001", gbk("2亿"));
    const std::string fromClipboard = replaceAll(crlf, "\n", "\r\n");
    EXPECT_EQ(parsed(fromClipboard).size(), 2u);
    const DailyRecordTable a = parsed(crlf);
    const DailyRecordTable b = parsed(fromClipboard);
    EXPECT_EQ(a, b);

    DailyRecordTable withCr = b;
    mergePeriodStatsTable(replaceAll(kPeriodHeading + periodRow("600000", "4.5"), "\n", "\r\n"),
                          withCr);
    mergeProfitForecastTable(
        replaceAll(kForecastHeading + forecastRow("600000", "6"), "\n", "\r\n"), withCr);
    EXPECT_EQ(withCr[0].twentyDayChange, 4.5f);  // "4.5\r" reads as 4.5
    EXPECT_EQ(withCr[0].reportCount, 6);
}

}  // namespace
}  // namespace kestrum
