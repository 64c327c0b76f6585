// kestrum_ri's computation on the Qt backend: the worker hands its result to the real event
// loop, which fills the list view; closing in the middle of a computation ends cleanly.
#include <gtest/gtest.h>
#include <QAbstractItemModel>
#include <QLabel>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "common/charset.h"
#include "daily/main_window.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"
#include "qt_test_support.h"
#include "support/example_tables.h"
#include "support/memory_file_system.h"

namespace kestrum {
namespace {

struct DailyOnQt {
    DailyOnQt() {
        testApplication();
        widget = std::make_unique<FormWidget>(form);
        form.fireCreated();
        widget->show();
        QApplication::processEvents();
        program.fundFlowText = readExampleTable("资金流向.txt");
        program.periodStatsText = readExampleTable("阶段统计.txt");
        program.profitForecastText = readExampleTable("盈利预测.txt");
        form.control("编辑框1").setText(program.profitForecastText);
    }
    bool idle() const { return form.control("标签_计算").isEnabled(); }

    QtServices services;
    MemoryFileSystem files{"/opt/kestrum"};
    daily::DailyProgram program{services, files};
    Form form{daily::mainWindow(program), services};
    std::unique_ptr<FormWidget> widget;
};

TEST(DailyComputationOnQt, WorkerResultReachesTheListView) {
    DailyOnQt window;
    ASSERT_FALSE(window.program.fundFlowText.empty());
    QTest::mouseClick(window.widget->widgetOf("标签_计算"), Qt::LeftButton);
    EXPECT_FALSE(window.idle());
    EXPECT_EQ(static_cast<QLabel*>(window.widget->widgetOf("标签_计算"))->text(),
              QStringLiteral("   计算..."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.idle(); }, 10000));

    auto* view = static_cast<QTreeView*>(window.widget->widgetOf("超级列表框2"));
    const int rows = view->model()->rowCount();
    EXPECT_GT(rows, 0);
    EXPECT_EQ(rows, static_cast<int>(window.program.resultRecords.size()));
    const DailyRecord& first = window.program.resultRecords.front();
    EXPECT_EQ(view->model()->index(0, 0).data().toString(), toQString(first.code));
    EXPECT_EQ(view->model()->index(0, 1).data().toString(), toQString(first.name));
    EXPECT_EQ(static_cast<QLabel*>(window.widget->widgetOf("标签_计算"))->text(),
              QStringLiteral("计算"));
}

TEST(DailyComputationOnQt, ClosingDuringAComputationEndsCleanly) {
    // The window closes at different moments of the computation: running, or waiting for
    // the event loop to take its result.
    for (int waitMs : {0, 2, 5, 10, 20}) {
        DailyOnQt window;
        QTest::mouseClick(window.widget->widgetOf("标签_计算"), Qt::LeftButton);
        QTest::qWait(waitMs);
        window.form.fireDestroying();
        const bool idleAtClose = window.idle();
        const int rowsAtClose = window.form.control("超级列表框2").rowCount();
        QTest::qWait(30);  // a result still on its way arrives now, and must change nothing
        EXPECT_EQ(window.idle(), idleAtClose) << waitMs;
        EXPECT_EQ(window.form.control("超级列表框2").rowCount(), rowsAtClose) << waitMs;
        window.widget.reset();
    }
}

}  // namespace
}  // namespace kestrum
