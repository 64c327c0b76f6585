// kestrum_xun against the loopback quote server on the Qt backend: the ranking arrives in
// the left list with its Chinese names and 亿/万 amounts, and "计算" fills the right list.
#include <gtest/gtest.h>
#include <QTest>
#include <QTreeView>

#include "platform/curl/curl_transport.h"
#include "platform/qt/form_widget.h"
#include "qt_test_support.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"
#include "tenday/main_window.h"
#include "tools/quote_server/quote_server.h"

namespace kestrum {
namespace {

TEST(TenDayQuoteView, RankingFromTheServerShowsAndScreens) {
    testApplication();
    const std::vector<fixture::QuoteRow> market = fixture::makeMarket();
    fixture::QuoteServer server(fixture::marketPages(market));
    ASSERT_TRUE(server.listening());

    ScriptedServices services;
    MemoryFileSystem files{"/opt/kestrum"};
    tenday::TenDayProgram program(services, files);
    program.newHttpTransport = curlTransportFactory();
    program.quoteBase = server.base();
    Form form(tenday::mainWindow(program), services);
    FormWidget widget(form);
    widget.show();
    form.fireCreated();
    QApplication::processEvents();

    auto model = [&widget](const char* list) {
        return static_cast<QTreeView*>(widget.widgetOf(list))->model();
    };
    QAbstractItemModel* left = model("超级列表框1");
    ASSERT_EQ(left->rowCount(), fixture::MarketShape().atOrAboveThreshold);
    EXPECT_EQ(left->data(left->index(0, 0)).toString(), QString::fromStdString(market[0].code));
    EXPECT_EQ(left->data(left->index(0, 1)).toString(), QString::fromStdString(market[0].name));
    EXPECT_TRUE(left->data(left->index(0, 4)).toString().endsWith(QStringLiteral("亿")));
    const int last = left->rowCount() - 1;
    EXPECT_EQ(left->data(left->index(last, 4)).toString(), QStringLiteral("500万"));

    QAbstractItemModel* right = model("超级列表框2");
    EXPECT_EQ(right->rowCount(), 0);
    QTest::mouseClick(widget.widgetOf("标签_计算"), Qt::LeftButton);
    ASSERT_GT(right->rowCount(), 0);
    ASSERT_EQ(right->rowCount(), static_cast<int>(program.screenedRecords.size()));
    for (int row = 0; row < right->rowCount(); ++row) {
        EXPECT_TRUE(right->data(right->index(row, 3)).toString().startsWith('-') ||
                    right->data(right->index(row, 3)).toString() == QStringLiteral("0"))
            << "the \"<0\" range";
    }
}

}  // namespace
}  // namespace kestrum
