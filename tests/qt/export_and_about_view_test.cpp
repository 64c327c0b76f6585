// The export and the about window on the real Qt services: the Qt save dialog with a typed
// path, the bytes of the written file, and the about dialog with its picture and its song.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "common/charset.h"
#include "common/midi_player.h"
#include "common/resources/embedded_data.h"
#include "daily/main_window.h"
#include "platform/files/posix_file_system.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/qt_services.h"
#include "qt_test_support.h"
#include "tenday/main_window.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;

class RecordingPlayer : public MidiPlayer {
  public:
    void play(const std::string& midiBytes) override { calls.push_back("play " + name(midiBytes)); }
    void stop() override { calls.push_back("stop"); }
    std::vector<std::string> calls;

  private:
    static std::string name(const std::string& bytes) {
        if (bytes == resources::mainSong())
            return "main song";
        return bytes == resources::aboutSong() ? "about song" : "unknown";
    }
};

// Runs `action` on the first modal window that shows while `trigger` runs; a window still open
// after ten seconds is closed so a test fails instead of hanging.
void whileModalShows(const std::function<void()>& trigger,
                     const std::function<void(QWidget*)>& action) {
    bool done = false;
    int ticks = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!done && modal && modal->isVisible()) {
            done = true;
            action(modal);
        } else if (++ticks > 500 && modal) {
            ADD_FAILURE() << "a modal window stayed open";
            modal->close();
        }
    });
    poll.start();
    trigger();
    poll.stop();
    EXPECT_TRUE(done) << "no modal window showed";
}

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct ShownDaily {
    ShownDaily() : program(services, files), form(daily::mainWindow(program), services) {
        testApplication();
        widget = std::make_unique<FormWidget>(form);
        services.registerWindow(form, widget.get());
        form.fireCreated();
        widget->show();
        QApplication::processEvents();
    }
    ~ShownDaily() {
        services.unregisterWindow(form);
        widget.reset();
    }
    QtServices services;
    PosixFileSystem files;
    daily::DailyProgram program;
    Form form;
    std::unique_ptr<FormWidget> widget;
};

TEST(ExportView, TypedPathInTheQtSaveDialogReceivesTheGbkLines) {
    const fs::path folder =
        fs::temp_directory_path() / ("kestrum-export-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path existing = folder / "existing";
    std::ofstream(existing) << std::string(3000, 'x');
    struct Case {
        const char* name;
        fs::path typed;
    };
    const Case cases[] = {{"a new file without extension", folder / "list"},
                          {"an existing file, replaced without a question", existing}};

    ShownDaily shown;
    const std::string startDirectory = fs::current_path().string();
    Control& list = shown.form.control("超级列表框2");
    const char* rows[][2] = {{"600000", "浦发银行"}, {"000001", ""}, {"300750", "宁德时代"}};
    for (const auto& row : rows) {
        const int index = list.appendRow();
        list.setCell(index, 0, row[0]);
        list.setCell(index, 1, gbk(row[1]));
    }
    const std::string expected =
        "600000\t" + gbk("浦发银行") + "\r\n000001\t\r\n300750\t" + gbk("宁德时代");

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString offeredName, title, shownFolder;
        whileModalShows([&] { QTest::mouseClick(shown.widget->widgetOf("标签9"), Qt::LeftButton); },
                        [&](QWidget* modal) {
                            auto* dialog = qobject_cast<QFileDialog*>(modal);
                            ASSERT_NE(dialog, nullptr);
                            title = dialog->windowTitle();
                            shownFolder = dialog->directory().absolutePath();
                            auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
                            ASSERT_NE(nameBox, nullptr);
                            offeredName = nameBox->text();
                            // The user browses to the folder, types the name and presses Return.
                            dialog->setDirectory(QString::fromStdString(folder.string()));
                            nameBox->selectAll();
                            QTest::keyClicks(nameBox,
                                             QString::fromStdString(c.typed.filename().string()));
                            QTest::keyClick(nameBox, Qt::Key_Return);
                        });
        EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d-\\d\\d-\\d\\d-\\d\\d$")
                        .match(offeredName)
                        .hasMatch())
            << offeredName.toStdString();
        EXPECT_EQ(shownFolder.toStdString(),
                  fs::path(gbkToUtf8(shown.files.programFolder())).string());
        EXPECT_EQ(readWhole(c.typed), expected);
        EXPECT_FALSE(fs::exists(c.typed.string() + ".txt"));
        EXPECT_EQ(fs::current_path().string(), startDirectory);
    }
    fs::remove_all(folder);
}

TEST(AboutView, ModalWindowWithPictureUsageColourAndItsSong) {
    ShownDaily shown;
    RecordingPlayer player;
    shown.services.setMidiPlayer(&player);
    QTest::mouseClick(shown.widget->widgetOf("标签0"), Qt::LeftButton);

    QImage grabbed;
    QString title;
    QSize size;
    whileModalShows([&] { QTest::mouseClick(shown.widget->widgetOf("标签_关于"), Qt::LeftButton); },
                    [&](QWidget* modal) {
                        title = modal->windowTitle();
                        auto* content = modal->findChild<FormWidget*>();
                        ASSERT_NE(content, nullptr);
                        size = content->size();
                        grabbed = content->grab().toImage();
                        modal->close();
                    });
    EXPECT_EQ(title, QStringLiteral("关于"));
    EXPECT_EQ(size, QSize(851, 399));
    ASSERT_FALSE(grabbed.isNull());
    // The usage text on orange-red whatever the skin.
    EXPECT_TRUE(rectHasColour(grabbed, QRect(8, 12, 408, 348), colourOf(0x2A69FF), 2));
    // The picture stretched over its whole box: the grabbed box looks like the picture scaled
    // to 400 x 177 (its transparent corners aside).
    const QByteArray png(resources::aboutPicture().data(),
                         static_cast<qsizetype>(resources::aboutPicture().size()));
    const QImage expected =
        QImage::fromData(png).scaled(400, 177, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(expected.size(), QSize(400, 177));
    double difference = 0;
    int compared = 0;
    for (int y = 0; y < 177; ++y) {
        for (int x = 0; x < 400; ++x) {
            const QColor want = expected.pixelColor(x, y);
            if (want.alpha() < 255)
                continue;
            const QColor got = grabbed.pixelColor(435 + x, 89 + y);
            difference += std::abs(want.red() - got.red()) + std::abs(want.green() - got.green()) +
                          std::abs(want.blue() - got.blue());
            ++compared;
        }
    }
    ASSERT_GT(compared, 60000);
    EXPECT_LT(difference / compared, 12.0) << "mean difference per pixel over three channels";

    EXPECT_EQ(player.calls,
              (std::vector<std::string>{"play main song", "play about song", "stop"}));

    // The other skin: the usage text keeps its colour.
    const int skinBefore = shown.program.skin.skinNumber();
    QTest::mouseClick(shown.widget->widgetOf("标签99"), Qt::LeftButton);
    ASSERT_NE(shown.program.skin.skinNumber(), skinBefore);
    whileModalShows([&] { QTest::mouseClick(shown.widget->widgetOf("标签_关于"), Qt::LeftButton); },
                    [&](QWidget* modal) {
                        grabbed = modal->findChild<FormWidget*>()->grab().toImage();
                        modal->close();
                    });
    EXPECT_TRUE(rectHasColour(grabbed, QRect(8, 12, 408, 348), colourOf(0x2A69FF), 2));
    EXPECT_EQ(static_cast<QLabel*>(shown.widget->widgetOf("标签0"))->text(),
              QStringLiteral("★Maelis翻倍啦☆"));
    shown.services.setMidiPlayer(nullptr);
}

}  // namespace
}  // namespace kestrum
