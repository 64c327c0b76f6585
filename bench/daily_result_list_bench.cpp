// Filling the daily result list with 5,500 rows: the texts made from the records (on the
// worker) and the rows put into the window's list (on the user-interface thread).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/charset.h"
#include "common/form/form.h"
#include "common/form/services.h"
#include "daily/result_list.h"
#include "daily/result_rows.h"
#include "support/example_tables.h"

namespace {

using namespace kestrum;

class NoServices : public Services {
  public:
    void messageBox(const std::string&, const std::string&) override {}
    std::string runFileDialog(const FileDialogRequest&) override { return {}; }
    std::string clipboardText() override { return {}; }
    void openDocument(const std::string&) override {}
    LocalTime localTime() override { return {}; }
    void runModal(WindowDefinition) override {}
    void playMidi(const std::string&) override {}
    void stopMidi() override {}
    void runOnUiThread(const std::function<void()>& work) override { work(); }
    void repaintNow(Form&) override {}
};

WindowDefinition listWindow() {
    WindowDefinition window;
    ControlDefinition list =
        makeControl(ControlKind::ListView, daily::kResultList, 520, 136, 640, 560);
    list.columns = {{gbk("代码"), 100}, {gbk("名称"), 110},  {gbk("价格"), 90},
                    {gbk("涨幅"), 80},  {gbk("净流入"), 80}, {gbk("二十日"), 100},
                    {gbk("研报数"), 50}};
    window.controls.push_back(list);
    return window;
}

void BM_ResultRowTexts(benchmark::State& state) {
    const DailyRecordTable table = syntheticResultRecords(5500);
    for (auto _ : state) {
        std::vector<ResultRowTexts> rows;
        rows.reserve(table.size());
        for (const DailyRecord& record : table)
            rows.push_back(resultRowTexts(record));
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ResultRowTexts)->Unit(benchmark::kMillisecond);

void BM_ShowResultRows(benchmark::State& state) {
    NoServices services;
    Form form(listWindow(), services);
    std::vector<ResultRowTexts> rows;
    for (const DailyRecord& record : syntheticResultRecords(5500))
        rows.push_back(resultRowTexts(record));
    for (auto _ : state)
        daily::showResultRows(form, rows);
}
BENCHMARK(BM_ShowResultRows)->Unit(benchmark::kMillisecond);

void BM_ShowResultRecords(benchmark::State& state) {
    NoServices services;
    Form form(listWindow(), services);
    const DailyRecordTable table = syntheticResultRecords(5500);
    for (auto _ : state)
        daily::showResultRecords(form, table);
}
BENCHMARK(BM_ShowResultRecords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
