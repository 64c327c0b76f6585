// kestrum_ri's real window on the Qt backend (offscreen):
// - filling the result list with 5,500 rows until it has been painted;
// - a whole "计算" on the three whole-market sample tables, click to idle, with the longest
//   time the user-interface thread went without turning its event loop (max_ui_gap_ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/charset.h"
#include "common/form/form.h"
#include "daily/main_window.h"
#include "daily/result_list.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/qt_services.h"
#include "support/example_tables.h"
#include "support/memory_file_system.h"

namespace {

using namespace kestrum;

std::vector<ResultRowTexts> wholeMarketRows() {
    std::vector<ResultRowTexts> rows;
    for (const DailyRecord& record : syntheticResultRecords(5500))
        rows.push_back(resultRowTexts(record));
    return rows;
}

// The longest time the user-interface thread went without turning its event loop while
// started: a zero-interval timer notes the gap between its ticks.
class EventLoopGapMeter {
  public:
    EventLoopGapMeter() {
        ticker_.setInterval(0);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            maxGapMs = std::max(maxGapMs, sinceTick_.nsecsElapsed() / 1e6);
            sinceTick_.restart();
        });
    }
    void start() {
        sinceTick_.start();
        ticker_.start();
    }
    void stop() { ticker_.stop(); }
    double maxGapMs = 0;

  private:
    QElapsedTimer sinceTick_;
    QTimer ticker_;
};

// Times the hand-overs the worker has run on the user-interface thread.
class TimedQtServices : public QtServices {
  public:
    void runOnUiThread(const std::function<void()>& work) override {
        QtServices::runOnUiThread([this, &work] {
            QElapsedTimer timer;
            timer.start();
            work();
            longestHandOverMs = std::max(longestHandOverMs, timer.nsecsElapsed() / 1e6);
        });
    }
    double longestHandOverMs = 0;
};

struct ShownDailyWindow {
    explicit ShownDailyWindow(QtServices& services)
        : program(services, files), form(daily::mainWindow(program), services), widget(form) {
        form.fireCreated();
        widget.show();
        QApplication::processEvents();
    }
    MemoryFileSystem files{"/tmp"};
    daily::DailyProgram program;
    Form form;
    FormWidget widget;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    TimedQtServices services;

    benchmark::RegisterBenchmark("BM_ShowResultRowsIntoQtListView",
                                 [&](benchmark::State& state) {
                                     ShownDailyWindow window(services);
                                     const std::vector<ResultRowTexts> rows = wholeMarketRows();
                                     for (auto _ : state) {
                                         daily::showResultRows(window.form, rows);
                                         window.widget.repaint();
                                         QApplication::processEvents();
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::RegisterBenchmark(
        "BM_ComputeClickToIdleOnQt",
        [&](benchmark::State& state) {
            ShownDailyWindow window(services);
            window.program.fundFlowText = readExampleTable("资金流向.txt");
            window.program.periodStatsText = readExampleTable("阶段统计.txt");
            window.program.profitForecastText = readExampleTable("盈利预测.txt");
            window.form.control("编辑框1").setText(window.program.profitForecastText);
            if (window.program.fundFlowText.empty()) {
                state.SkipWithError("sample tables not found");
                return;
            }
            EventLoopGapMeter gaps;
            double longestClickMs = 0;
            double longestClickCpuMs = 0;
            for (auto _ : state) {
                gaps.start();
                QElapsedTimer click;
                timespec cpuBefore{};
                clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuBefore);
                click.start();
                window.form.press("标签_计算");
                longestClickMs = std::max(longestClickMs, click.nsecsElapsed() / 1e6);
                timespec cpuAfter{};
                clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuAfter);
                longestClickCpuMs =
                    std::max(longestClickCpuMs, (cpuAfter.tv_sec - cpuBefore.tv_sec) * 1e3 +
                                                    (cpuAfter.tv_nsec - cpuBefore.tv_nsec) / 1e6);
                while (!window.form.control("标签_计算").isEnabled())
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                gaps.stop();
            }
            state.counters["max_ui_gap_ms"] = gaps.maxGapMs;
            state.counters["click_ms"] = longestClickMs;
            state.counters["click_cpu_ms"] = longestClickCpuMs;
            state.counters["hand_over_ms"] = services.longestHandOverMs;
            state.counters["rows"] = window.form.control("超级列表框2").rowCount();
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    // The same ticking with nothing to compute: the gaps the machine itself causes.
    benchmark::RegisterBenchmark(
        "BM_IdleEventLoopOnQt",
        [&](benchmark::State& state) {
            EventLoopGapMeter gaps;
            for (auto _ : state) {
                gaps.start();
                QElapsedTimer spell;
                spell.start();
                while (spell.elapsed() < 40)
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                gaps.stop();
            }
            state.counters["max_ui_gap_ms"] = gaps.maxGapMs;
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
