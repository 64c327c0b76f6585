// Tables no exporter writes: huge, binary, UTF-16, LF-only or CR-only lines. Each gives its
// defined result or skipped lines, and the window always comes back to idle.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/charset.h"
#include "common/form/form.h"
#include "daily/main_window.h"
#include "daily/table_text.h"
#include "support/example_tables.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

class BadTableInput : public ::testing::Test {
  protected:
    BadTableInput() { form.fireCreated(); }
    ~BadTableInput() override { services.pumpUiWork(); }

    void importFile(const char* label, const std::string& bytes) {
        const std::string path = std::string("/data/") + label + ".txt";
        files.files[path] = bytes;
        services.dialogAnswers = {path};
        form.press(label);
    }

    bool idle() { return form.control("标签_计算").isEnabled(); }

    ScriptedServices services;
    MemoryFileSystem files;
    daily::DailyProgram program{services, files};
    Form form{daily::mainWindow(program), services};
};

TEST_F(BadTableInput, MalformedTablesGiveAnEmptyListAndIdle) {
    const std::string period = readExampleTable("阶段统计.txt");
    const std::string forecast = readExampleTable("盈利预测.txt");
    ASSERT_FALSE(period.empty());
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131 + 7) % 255 + 1);  // no zero byte
    std::string lfOnly = readExampleTable("资金流向.txt");
    std::erase(lfOnly, '\r');
    struct Case {
        const char* name;
        std::string fundFlow;
    };
    const Case cases[] = {
        {"binary", binary},
        {"UTF-16", std::string("\xFF\xFE\x8F\x5E\x00\x00", 6)},
        {"LF-only lines", lfOnly},
        {"CR-only lines", "head\r\n\r\r\n\r\r\n\r\r\n"},
        {"numbers no one writes", "head\r\n1 A a 1e400 --5 " + gbk("1e400亿") + "\r\n2 B b " +
                                      gbk("１２.５ ２ ０.７亿") + "\r\n"},
    };
    importFile("标签2", period);
    importFile("标签3", forecast);
    for (const Case& c : cases) {
        importFile("标签1", c.fundFlow);
        form.press("标签_计算");
        ASSERT_TRUE(services.pumpUiWorkUntil([this] { return idle(); })) << c.name;
        EXPECT_EQ(form.control("标签_计算").caption(), gbk("计算")) << c.name;
    }
    // The last case: 1e400亿 is an infinite inflow, full-width digits read as ASCII.
    const Control& list = form.control("超级列表框2");
    ASSERT_EQ(list.rowCount(), 2);
    const int a = list.cell(0, 0) == "A" ? 0 : 1;  // equal keys: the sort decides the order
    EXPECT_EQ(list.rows()[a],
              (std::vector<std::string>{"A", "a", "inf", "0", "inf" + gbk("亿"), "0", "0"}));
    EXPECT_EQ(list.rows()[1 - a],
              (std::vector<std::string>{"B", "b", "12.5", "2", "0.7" + gbk("亿"), "0", "0"}));
}

// Sanitizer builds run many times slower; the table is smaller there, with the same shape.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr std::size_t kHugeTableBytes = 10'000'000;
#else
constexpr std::size_t kHugeTableBytes = 50'000'000;
#endif

// The whole-market sample made kHugeTableBytes long by repeating its rows: every code appears
// again and again, and only its first row receives the other tables' figures.
std::string hugeTable(const std::string& table, bool onlyOutflowsRepeated) {
    std::string text = table;
    std::string rows;
    std::size_t start = table.find("\r\n") + 2;
    for (std::size_t end; (end = table.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string row = table.substr(start, end - start + 2);
        // Column 6 of an outflow starts with a minus sign: such rows are never listed.
        const std::vector<std::string> fields = splitLineFields(row);
        if (!onlyOutflowsRepeated || (fields.size() >= 6 && fields[5][0] == '-'))
            rows += row;
    }
    while (text.size() < kHugeTableBytes)
        text += rows;
    return text;
}

TEST_F(BadTableInput, HugeTableIsComputed) {
    const std::string flow = readExampleTable("资金流向.txt");
    ASSERT_FALSE(flow.empty());
    // The repeated rows are outflows, so the result stays the sample's own; what this shows
    // is the reading and joining of a huge table.
    importFile("标签1", hugeTable(flow, true));
    importFile("标签2", readExampleTable("阶段统计.txt"));
    importFile("标签3", readExampleTable("盈利预测.txt"));
    form.press("标签_计算");
    ASSERT_TRUE(services.pumpUiWorkUntil([this] { return idle(); }, std::chrono::seconds(100)));
    EXPECT_GT(program.fundFlowRecords.size(), kHugeTableBytes / 125);  // rows of about 120 bytes
    EXPECT_GT(program.resultRecords.size(), 0u);
    EXPECT_EQ(form.control("超级列表框2").rowCount(),
              static_cast<int>(program.resultRecords.size()));
}

TEST_F(BadTableInput, ClosingDuringAHugeComputationStopsIt) {
    importFile("标签1", hugeTable(readExampleTable("资金流向.txt"), false));
    importFile("标签2", "head\r\n");  // every change 0: the slowest sort there is
    importFile("标签3", "head\r\n");
    form.press("标签_计算");
    form.fireDestroying();  // waits for the worker, which gives up its sort
    services.pumpUiWork();
    EXPECT_EQ(form.control("超级列表框2").rowCount(), 0);
    EXPECT_TRUE(program.resultRecords.empty());
}

}  // namespace
}  // namespace kestrum
