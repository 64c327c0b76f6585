// The daily main window's handlers, driven through the real window definition with scripted
// services: imports, "计算" and its worker, the result list and its headings.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "common/charset.h"
#include "common/form/form.h"
#include "daily/main_window.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

using Texts = std::vector<std::string>;

const std::string kMissingImports =
    gbk("先依次选择左侧三个按钮加入东方财富PC版内导出的数据\r\n具体看右下方 关于 里的的帮助文件");

struct Stock {
    std::string code;
    std::string inflow;  // with unit, GBK
    std::string twentyDay;
    std::string reports;
};

std::string fundFlowTable(const std::vector<Stock>& stocks) {
    std::string text = gbk("序号 代码 名称 最新 涨幅% 主力净流入\r\n");
    for (const Stock& s : stocks)
        text += "1 " + s.code + " " + gbk("名") + s.code + " 10 -1.5% " + s.inflow + "\r\n";
    return text;
}

std::string periodTable(const std::vector<Stock>& stocks) {
    std::string text = gbk("序号 代码 名称 a b c d e f 二十日涨跌幅\r\n");
    for (const Stock& s : stocks) {
        if (!s.twentyDay.empty())
            text += "1 " + s.code + " n 0 0 0 0 0 0 " + s.twentyDay + "%\r\n";
    }
    return text;
}

std::string forecastTable(const std::vector<Stock>& stocks) {
    std::string text = gbk("序号 代码 名称 a b c d 研报数\r\n");
    for (const Stock& s : stocks)
        text += "1 " + s.code + " n 0 0 0 0 " + s.reports + "\r\n";
    return text;
}

// Records every change the form reports, as "control:change".
class ChangeLog : public FormObserver {
  public:
    void controlChanged(const Control& control, ControlChange change, int, int) override {
        if (change == ControlChange::CellText || change == ControlChange::RowAppended)
            return;  // the fill itself shows as its clearing
        entries.push_back(control.name() + ":" + std::to_string(static_cast<int>(change)));
    }
    void windowBackgroundChanged() override {}
    Texts entries;
};

std::string entry(const char* name, ControlChange change) {
    return std::string(name) + ":" + std::to_string(static_cast<int>(change));
}

// Scripted services that also count the calls from other threads waiting for this one.
class CountingServices : public ScriptedServices {
  public:
    void runOnUiThread(const std::function<void()>& work) override {
        if (std::this_thread::get_id() != uiThread)
            ++waitingHandOvers;
        ScriptedServices::runOnUiThread(work);
    }
    const std::thread::id uiThread = std::this_thread::get_id();
    std::atomic<int> waitingHandOvers{0};
};

class DailyWindow : public ::testing::Test {
  protected:
    DailyWindow() {
        services.files = &files;
        form.fireCreated();
    }

    ~DailyWindow() override {
        // A worker left waiting for the user-interface thread ends before the services go.
        services.pumpUiWork();
    }

    Control& control(const char* name) { return form.control(name); }
    bool idle() { return control("标签_计算").isEnabled(); }

    void importAll(const std::vector<Stock>& stocks) {
        paste("标签1", fundFlowTable(stocks));
        paste("标签2", periodTable(stocks));
        paste("标签3", forecastTable(stocks));
    }

    void paste(const char* label, const std::string& text) {
        services.clipboard = text;
        form.rightPress(label);
    }

    // Clicks "计算" and lets the worker's hand-over run.
    void compute() {
        form.press("标签_计算");
        ASSERT_TRUE(services.pumpUiWorkUntil([this] { return idle(); }));
    }

    Texts column(int index) {
        Texts texts;
        const Control& list = control("超级列表框2");
        for (int row = 0; row < list.rowCount(); ++row)
            texts.push_back(list.cell(row, index));
        return texts;
    }

    CountingServices services;
    MemoryFileSystem files;
    daily::DailyProgram program{services, files};
    Form form{daily::mainWindow(program), services};
};

TEST_F(DailyWindow, RefusesToComputeWithoutAllThreeTables) {
    paste("标签1", fundFlowTable({{"600000", gbk("1亿"), "", "0"}}));
    paste("标签2", periodTable({}));
    form.press("标签_计算");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, kMissingImports);
    EXPECT_EQ(services.messages[0].caption, gbk("信息："));
    EXPECT_TRUE(idle());
    EXPECT_EQ(control("标签_计算").caption(), gbk("计算"));

    // All three imported, but the edit box emptied by hand.
    paste("标签3", forecastTable({}));
    control("编辑框1").setText("");
    form.press("标签_计算");
    EXPECT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(idle());
}

TEST_F(DailyWindow, BusyStateAndItsEndInOrder) {
    importAll({{"A", gbk("1亿"), "-1", "0"}, {"B", gbk("2亿"), "-2", "0"}});
    ChangeLog log;
    form.setObserver(&log);
    form.press("标签_计算");
    EXPECT_FALSE(idle());
    EXPECT_EQ(control("标签_计算").caption(), gbk("   计算..."));
    form.press("标签_计算");  // ignored while busy
    EXPECT_EQ(log.entries, (Texts{entry("标签_计算", ControlChange::Enabled),
                                  entry("超级列表框2", ControlChange::RowsCleared),
                                  entry("标签_计算", ControlChange::Caption)}));
    log.entries.clear();
    ASSERT_TRUE(services.pumpUiWorkUntil([this] { return idle(); }));
    EXPECT_EQ(log.entries, (Texts{entry("超级列表框2", ControlChange::RowsCleared),
                                  entry("标签_计算", ControlChange::Enabled),
                                  entry("标签_计算", ControlChange::Caption)}));
    EXPECT_EQ(control("标签_计算").caption(), gbk("计算"));
    EXPECT_EQ(column(0), (Texts{"B", "A"}));
    EXPECT_TRUE(services.messages.empty());
    form.setObserver(nullptr);
}

TEST_F(DailyWindow, ScreensByRangeAndInflow) {
    const std::vector<Stock> stocks = {
        {"ZERO", gbk("0.6亿"), "0", "0"},       {"TWENTY", gbk("0.6亿"), "20", "0"},
        {"ABOVE", gbk("0.6亿"), "20.01", "0"},  {"HALF", gbk("0.5亿"), "-3", "0"},
        {"JUSTOVER", gbk("5100万"), "-4", "0"}, {"NOPERIOD", gbk("3亿"), "", "0"},
        {"NEGATIVE", gbk("-2亿"), "-9", "0"},
    };
    importAll(stocks);
    struct Case {
        const char* rangeLabel;
        Texts codes;
    };
    const Case cases[] = {
        {"标签12", {"JUSTOVER", "ZERO", "NOPERIOD"}},
        {"标签13", {"TWENTY"}},
        {"标签14", {"ABOVE"}},
    };
    for (const Case& c : cases) {
        form.press(c.rangeLabel);
        compute();
        // ZERO and NOPERIOD share the key 0: their order is the sort's, not the table's.
        EXPECT_THAT(column(0), ::testing::UnorderedElementsAreArray(c.codes)) << c.rangeLabel;
    }
}

TEST_F(DailyWindow, RowsShowTheNumberTexts) {
    importAll({{"600000", gbk("2.34亿"), "-12.3456789", "3"}, {"000001", gbk("1亿"), "5", "0"}});
    compute();
    ASSERT_EQ(control("超级列表框2").rowCount(), 1);
    EXPECT_EQ(control("超级列表框2").rows()[0], (Texts{"600000", gbk("名") + "600000", "10", "-1.5",
                                                       "2.34" + gbk("亿"), "-12.3457", "3"}));
}

TEST_F(DailyWindow, OrdersBySmallestTwentyDayChangeAndHeadingsResort) {
    importAll({{"A", gbk("1.5亿"), "-3", "3"},
               {"B", gbk("0.8亿"), "-12", "0"},
               {"C", gbk("12.25亿"), "-0.2", "7"},
               {"D", gbk("0.9亿"), "-4.1", "0"}});
    compute();
    EXPECT_EQ(column(5), (Texts{"-12", "-4.1", "-3", "-0.2"}));

    form.press("标签8");
    EXPECT_EQ(column(6), (Texts{"7", "3", "0", "0"}));
    form.press("标签15");
    EXPECT_EQ(column(4), (Texts{"12.25" + gbk("亿"), "1.5" + gbk("亿"), "0.9" + gbk("亿"),
                                "0.8" + gbk("亿")}));
    for (int click = 0; click < 2; ++click) {
        form.press("标签7");
        EXPECT_EQ(column(5), (Texts{"-12", "-4.1", "-3", "-0.2"})) << click;
    }
}

TEST_F(DailyWindow, TooFewFundFlowRowsKeepThePreviousResult) {
    importAll({{"A", gbk("1亿"), "-3", "0"}, {"B", gbk("2亿"), "-1", "0"}});
    compute();
    ASSERT_EQ(column(0), (Texts{"A", "B"}));

    paste("标签1", fundFlowTable({{"C", gbk("9亿"), "", "0"}}));
    compute();
    EXPECT_EQ(control("超级列表框2").rowCount(), 0);
    EXPECT_EQ(program.fundFlowRecords.size(), 1u);
    form.press("标签15");  // the previous result comes back in the heading's order
    EXPECT_EQ(column(0), (Texts{"B", "A"}));
}

TEST_F(DailyWindow, HeadingOnAnEmptyResultEmptiesTheList) {
    control("超级列表框2").appendRow();
    form.press("标签8");
    EXPECT_EQ(control("超级列表框2").rowCount(), 0);
}

TEST_F(DailyWindow, RangeLabelAloneLeavesTheList) {
    importAll({{"A", gbk("1亿"), "-3", "0"}, {"B", gbk("2亿"), "30", "0"}});
    compute();
    form.press("标签14");
    EXPECT_EQ(column(0), (Texts{"A"}));
    EXPECT_TRUE(control("单选框8").isChecked());
    EXPECT_FALSE(control("单选框6").isChecked());
    compute();
    EXPECT_EQ(column(0), (Texts{"B"}));
}

TEST_F(DailyWindow, ImportFromFile) {
    files.files["/data/flow.txt"] = std::string("head\r\nrow\0tail", 14);
    services.dialogAnswers = {"/data/flow.txt"};
    form.press("标签1");
    ASSERT_EQ(services.dialogRequests.size(), 1u);
    const FileDialogRequest& request = services.dialogRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.title, gbk("打开文件"));
    EXPECT_EQ(request.filterPieces, (Texts{gbk("文本文件"), "*.txt"}));
    EXPECT_EQ(request.initialDirectory, files.programFolder());
    EXPECT_EQ(request.owner, &form);
    EXPECT_EQ(program.fundFlowText, "head\r\nrow");  // up to the first zero byte
    EXPECT_EQ(control("编辑框1").text(), "head\r\nrow");

    // A cancelled dialog changes nothing.
    form.press("标签1");
    EXPECT_EQ(program.fundFlowText, "head\r\nrow");
    EXPECT_EQ(control("编辑框1").text(), "head\r\nrow");

    // An unreadable file empties the table and the edit box.
    services.dialogAnswers = {"/data/missing.txt"};
    form.press("标签1");
    EXPECT_EQ(program.fundFlowText, "");
    EXPECT_EQ(control("编辑框1").text(), "");

    // Each label fills its own table; a UTF-16 file is cut at its first zero byte.
    files.files["/data/utf16.txt"] = std::string(
        "\xFF\xFE"
        "a\0b\0",
        6);
    services.dialogAnswers = {"/data/utf16.txt"};
    form.press("标签3");
    EXPECT_EQ(program.profitForecastText,
              "\xFF\xFE"
              "a");
    EXPECT_TRUE(program.periodStatsText.empty());
}

TEST_F(DailyWindow, ImportFromClipboard) {
    paste("标签2", "head\nrow1\r\nrow2");
    EXPECT_EQ(program.periodStatsText, "head\r\nrow1\r\r\nrow2");
    EXPECT_EQ(control("编辑框1").text(), program.periodStatsText);
    paste("标签2", "");
    EXPECT_EQ(program.periodStatsText, "");
    EXPECT_EQ(control("编辑框1").text(), "");
}

TEST_F(DailyWindow, ClipboardAndFileImportsGiveTheSameResult) {
    const std::vector<Stock> stocks = {{"A", gbk("1亿"), "-3", "2"}, {"B", gbk("2亿"), "-1", "5"}};
    importAll(stocks);
    compute();
    const auto fromCrLf = control("超级列表框2").rows();
    // Text with LF line ends on the clipboard becomes CR LF.
    std::string lf = fundFlowTable(stocks);
    std::erase(lf, '\r');
    paste("标签1", lf);
    compute();
    EXPECT_EQ(control("超级列表框2").rows(), fromCrLf);
}

TEST_F(DailyWindow, ComputesOnTheTextsOfTheClick) {
    importAll({{"A", gbk("1亿"), "-3", "0"}, {"B", gbk("2亿"), "-1", "0"}});
    form.press("标签_计算");
    // Imports and range changes during the computation apply to the next one.
    paste("标签1", fundFlowTable({{"C", gbk("1亿"), "", "0"}, {"D", gbk("1亿"), "", "0"}}));
    form.press("标签13");
    ASSERT_TRUE(services.pumpUiWorkUntil([this] { return idle(); }));
    EXPECT_EQ(column(0), (Texts{"A", "B"}));
}

TEST_F(DailyWindow, ThreadThatCannotStartReturnsToIdleAndTellsTheUser) {
    importAll({{"A", gbk("1亿"), "-3", "0"}, {"B", gbk("2亿"), "-1", "0"}});
    program.worker.setThreadStarter([](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    form.press("标签_计算");
    EXPECT_TRUE(idle());
    EXPECT_EQ(control("标签_计算").caption(), gbk("计算"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].caption, gbk("信息："));
}

TEST_F(DailyWindow, ClosingWhileTheResultWaitsDropsIt) {
    importAll({{"A", gbk("1亿"), "-3", "0"}, {"B", gbk("2亿"), "-1", "0"}});
    std::promise<void> ended;
    std::future<void> workerEnded = ended.get_future();
    program.worker.setThreadStarter([&ended](std::function<void()> body) {
        return std::thread([&ended, body = std::move(body)] {
            body();
            ended.set_value();
        });
    });
    form.press("标签_计算");
    // The worker waits for its hand-over to be taken; the window closes first.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (services.waitingHandOvers == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(services.waitingHandOvers, 1);
    form.fireDestroying();
    EXPECT_EQ(services.pumpUiWork(), 1);  // the hand-over runs, and does nothing
    EXPECT_EQ(workerEnded.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(control("超级列表框2").rowCount(), 0);
    EXPECT_FALSE(idle());
}

TEST_F(DailyWindow, ClosingWaitsForARunningComputation) {
    importAll({{"A", gbk("1亿"), "-3", "0"}, {"B", gbk("2亿"), "-1", "0"}});
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    program.worker.setThreadStarter([released](std::function<void()> body) {
        return std::thread([released, body = std::move(body)] {
            released.wait();  // the computation is still running when the window closes
            body();
        });
    });
    form.press("标签_计算");
    std::thread releaser([&release] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        release.set_value();
    });
    form.fireDestroying();  // returns only once the worker has ended
    releaser.join();
    EXPECT_EQ(services.pumpUiWork(), 0);  // nothing was handed over
    EXPECT_EQ(control("超级列表框2").rowCount(), 0);
}

}  // namespace
}  // namespace kestrum
