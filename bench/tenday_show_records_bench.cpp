// showRecords of 5,000 ten-day records into the left list of the real kestrum_xun window,
// on the Qt backend (offscreen), until the list has been painted; and into the form alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "common/charset.h"
#include "common/form/form.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/qt_services.h"
#include "tenday/show_records.h"

namespace {

using namespace kestrum;

TenDayRecords fiveThousandRecords() {
    TenDayRecords records;
    for (int i = 0; i < 5000; ++i) {
        records.push_back({std::to_string(600000 + i), gbk("贵州茅台"),
                           12.34f + static_cast<float>(i % 97) * 0.37f,
                           -3.5f + static_cast<float>(i % 13),
                           3500000000LL - static_cast<std::int64_t>(i) * 699000LL});
    }
    return records;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QtServices services;
    const TenDayRecords records = fiveThousandRecords();

    // The form with its widgets shown, as in the program.
    benchmark::RegisterBenchmark("BM_ShowRecordsIntoQtListView",
                                 [&](benchmark::State& state) {
                                     WindowDefinition definition;
                                     ControlDefinition list = makeControl(
                                         ControlKind::ListView, "超级列表框1", 7, 40, 544, 680);
                                     list.columns = {{gbk("代码"), 100},
                                                     {gbk("名称"), 120},
                                                     {gbk("价格"), 100},
                                                     {gbk("涨幅"), 80},
                                                     {gbk("净流入"), 120}};
                                     definition.width = 1140;
                                     definition.height = 762;
                                     definition.controls.push_back(list);
                                     Form form(definition, services);
                                     FormWidget widget(form);
                                     widget.show();
                                     QApplication::processEvents();
                                     for (auto _ : state) {
                                         showRecords(form.control("超级列表框1"), records);
                                         widget.repaint();
                                         QApplication::processEvents();
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    // The form's state alone, without widgets.
    benchmark::RegisterBenchmark("BM_ShowRecordsIntoForm", [&](benchmark::State& state) {
        WindowDefinition definition;
        ControlDefinition list = makeControl(ControlKind::ListView, "超级列表框1", 7, 40, 544, 680);
        list.columns = {{gbk("代码"), 100},
                        {gbk("名称"), 120},
                        {gbk("价格"), 100},
                        {gbk("涨幅"), 80},
                        {gbk("净流入"), 120}};
        definition.controls.push_back(list);
        Form form(definition, services);
        for (auto _ : state)
            showRecords(form.control("超级列表框1"), records);
    })->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
