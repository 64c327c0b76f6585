// The Qt services: modal windows from definitions, dialogs fed from requests, the message
// box, and work handed to the GUI thread.
#include <gtest/gtest.h>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "common/charset.h"
#include "common/file_dialog.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/qt_services.h"
#include "qt_test_support.h"

namespace kestrum {
namespace {

// Runs `act` on the modal widget as soon as one is shown (the caller is about to block in it).
void whenModalShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal)
            act(modal);
    });
    timer->start();
}

TEST(QtServices, ModalWindowRunsItsHandlersAroundItsLifeAndTakesClicks) {
    testApplication();
    QtServices services;
    std::vector<std::string> events;
    WindowDefinition about;
    about.title = gbk("关于");
    about.x = 50;
    about.y = 50;
    about.width = 300;
    about.height = 200;
    about.onCreated = [&](Form& form) {
        events.push_back("created");
        form.control("标签_1").setCaption(gbk("作者"));
    };
    about.onDestroying = [&](Form& form) {
        events.push_back(services.windowOf(form) ? "destroying, widgets there" : "destroying");
    };
    about.controls.push_back(makeControl(ControlKind::Label, "标签_1", 10, 10, 100, 30, "x"));
    about.controls.back().onLeftPressed = [&](Form&) { events.push_back("label pressed"); };

    whenModalShows([&](QWidget* modal) {
        events.push_back("shown: " + modal->windowTitle().toStdString());
        auto* label = modal->findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        events.push_back("caption: " + label->text().toStdString());
        QTest::mouseClick(label, Qt::LeftButton);
        modal->close();
    });
    services.runModal(about);
    EXPECT_EQ(events, (std::vector<std::string>{"created", "shown: 关于", "caption: 作者",
                                                "label pressed", "destroying, widgets there"}));
}

TEST(QtServices, MessageBoxHasTheDefaultCaptionAndOnlyOk) {
    testApplication();
    QtServices services;
    std::string seen;
    whenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = box->windowTitle().toStdString() + "|" + box->text().toStdString();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    services.messageBox(gbk("写出列表信息到磁盘失败？"));
    EXPECT_EQ(seen, "信息：|写出列表信息到磁盘失败？");
}

TEST(QtServices, SaveDialogIsFedFromTheRequestAndReplacesWithoutAsking) {
    testApplication();
    char pattern[] = "/tmp/kestrum_dialog_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = std::filesystem::path(pattern) / "导出";
    std::filesystem::create_directories(folder);
    const std::filesystem::path existing = folder / "2021-01-02-03-04-05.txt";
    std::ofstream(existing) << "old";

    QtServices services;
    SaveFileOptions options;
    options.initialDirectory = utf8ToGbk(folder.string());
    options.defaultFileName = "2021-01-02-03-04-05";
    options.filter = gbk("文本文件|*.txt");
    const FileDialogRequest request = FileDialog::saveRequest(options, "/");

    whenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("保存文件"));
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("文本文件 (*.txt)")});
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), folder.string());
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->selectFile(QString::fromStdString(existing.string()));
        static_cast<QDialog*>(dialog)->accept();  // dispatches to the file dialog's own
    });
    EXPECT_EQ(services.runFileDialog(request), utf8ToGbk(existing.string()));

    whenModalShows([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(services.runFileDialog(request), "");
    std::filesystem::remove_all(pattern);
}

TEST(QtServices, WorkFromAnotherThreadRunsOnTheGuiThreadBeforeTheCallReturns) {
    testApplication();
    QtServices services;
    std::atomic<bool> returned{false};
    QThread* ranOn = nullptr;
    int value = 0;
    std::thread worker([&] {
        services.runOnUiThread([&] {
            ranOn = QThread::currentThread();
            value = 42;
        });
        EXPECT_EQ(value, 42) << "the call returns after the work ran";
        returned = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return returned.load(); }, 10000));
    worker.join();
    EXPECT_EQ(ranOn, qApp->thread());

    services.runOnUiThread([&] { value = 7; });  // from the GUI thread: at once
    EXPECT_EQ(value, 7);
}

}  // namespace
}  // namespace kestrum
