// Computations racing the user: imports, heading and range clicks while the worker runs, and
// the window closing in the middle of one. Meant for the ThreadSanitizer build as much as for
// the normal one.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/charset.h"
#include "common/form/form.h"
#include "daily/main_window.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

std::string fundFlowTable(int rows, int seed) {
    std::string text = gbk("序号 代码 名称 最新 涨幅 主力净流入\r\n");
    for (int i = 0; i < rows; ++i) {
        text += std::to_string(i) + " C" + std::to_string(i) + " n 1 1 " +
                std::to_string((i * 7 + seed) % 13) + gbk("亿") + "\r\n";
    }
    return text;
}

std::string periodTable(int rows) {
    std::string text = "head\r\n";
    for (int i = 0; i < rows; ++i)
        text +=
            "1 C" + std::to_string(i) + " n 0 0 0 0 0 0 " + std::to_string(i % 50 - 20) + "\r\n";
    return text;
}

std::string forecastTable(int rows) {
    std::string text = "head\r\n";
    for (int i = 0; i < rows; ++i)
        text += "1 C" + std::to_string(i) + " n 0 0 0 0 " + std::to_string(i % 9) + "\r\n";
    return text;
}

TEST(ComputationRace, ImportsHeadingsAndClosingDuringComputations) {
    ScriptedServices services;
    MemoryFileSystem files;
    files.files["/data/flow.txt"] = fundFlowTable(300, 5);
    std::atomic<int> runningWorkers{0};
    {
        daily::DailyProgram program(services, files);
        program.worker.setThreadStarter([&runningWorkers](std::function<void()> body) {
            ++runningWorkers;
            return std::thread([&runningWorkers, body = std::move(body)] {
                body();
                --runningWorkers;
            });
        });
        Form form(daily::mainWindow(program), services);
        form.fireCreated();
        const char* ranges[] = {"标签12", "标签13", "标签14"};
        const char* headings[] = {"标签7", "标签15", "标签8"};
        services.clipboard = periodTable(400);
        form.rightPress("标签2");
        services.clipboard = forecastTable(400);
        form.rightPress("标签3");
        for (int round = 0; round < 20; ++round) {
            services.clipboard = fundFlowTable(400, round);
            form.rightPress("标签1");
            form.press("标签_计算");
            ASSERT_FALSE(form.control("标签_计算").isEnabled());
            // While the worker runs: everything else the user can click.
            services.clipboard = fundFlowTable(50, round + 1);
            form.rightPress("标签1");
            services.dialogAnswers = {"/data/flow.txt"};
            form.press("标签1");
            form.press(ranges[round % 3]);
            form.press(headings[round % 3]);
            ASSERT_TRUE(
                services.pumpUiWorkUntil([&] { return form.control("标签_计算").isEnabled(); }));
            form.press(headings[(round + 1) % 3]);
            EXPECT_EQ(form.control("超级列表框2").rowCount(),
                      static_cast<int>(program.resultRecords.size()));
        }
        // Close while a computation runs; its result must not reach the closed window.
        form.press("标签_计算");
        form.fireDestroying();
        services.pumpUiWork();
    }
    // A worker that was waiting for its (now empty) hand-over ends once it has been taken.
    EXPECT_TRUE(services.pumpUiWorkUntil([&] { return runningWorkers == 0; }));
}

}  // namespace
}  // namespace kestrum
