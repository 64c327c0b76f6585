#include "common/export/list_exporter.h"

#include <gtest/gtest.h>

#include "common/form/form.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

TEST(ListExport, DateTimeStamp) {
    struct Case {
        LocalTime time;
        const char* stamp;
    };
    const Case cases[] = {
        {{2021, 11, 20, 9, 5, 7}, "2021-11-20-09-05-07"},
        {{2021, 1, 2, 3, 4, 5}, "2021-01-02-03-04-05"},
        {{1999, 12, 31, 23, 59, 59}, "1999-12-31-23-59-59"},
        {{2024, 10, 10, 0, 0, 0}, "2024-10-10-00-00-00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateTimeStamp(c.time), c.stamp);
}

TEST(ListExport, TwoDigits) {
    EXPECT_EQ(twoDigits(0), "00");
    EXPECT_EQ(twoDigits(9), "09");
    EXPECT_EQ(twoDigits(10), "10");
    EXPECT_EQ(twoDigits(123), "123");
    EXPECT_EQ(twoDigits(-1), "");
}

TEST(ListExport, TrimLineBreaks) {
    struct Case {
        const char* name;
        std::string text, trimmed;
    };
    const Case cases[] = {
        {"pairs at both ends", "\r\n\r\na\tb\r\nc\td\r\n\r\n", "a\tb\r\nc\td"},
        {"nothing to trim", "a\tb", "a\tb"},
        {"only line breaks", "\r\n\r\n", ""},
        {"a lone CR or LF stays", "\ra\n", "\ra\n"},
        {"CR CR LF keeps one CR", "a\r\r\n", "a\r"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trimLineBreaks(c.text), c.trimmed) << c.name;
}

TEST(ListExport, ListToTextUsesTheFirstTwoColumnsInRowOrder) {
    WindowDefinition window;
    ControlDefinition list = makeControl(ControlKind::ListView, "超级列表框2", 0, 0, 100, 100);
    list.columns = {{"a", 10}, {"b", 10}, {"c", 10}};
    window.controls.push_back(list);
    ScriptedServices services;
    Form form(window, services);
    Control& rows = form.control("超级列表框2");
    EXPECT_EQ(listToText(rows), "");
    const char* cells[][3] = {{"600000", "A", "9.9"}, {"", "", "x"}, {"300750", "C", ""}};
    for (const auto& cell : cells) {
        const int row = rows.appendRow();
        for (int column = 0; column < 3; ++column)
            rows.setCell(row, column, cell[column]);
    }
    EXPECT_EQ(listToText(rows), "600000\tA\r\n\t\r\n300750\tC");
}

}  // namespace
}  // namespace kestrum
