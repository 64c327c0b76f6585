// The real main windows built from their definitions on the Qt backend: geometry and fonts,
// the skins in grabbed pixels, and clicks that reach the handlers.
#include <gtest/gtest.h>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include <filesystem>
#include <functional>
#include <memory>

#include "common/charset.h"
#include "common/skin/skin_table.h"
#include "daily/main_window.h"
#include "platform/qt/form_widget.h"
#include "qt_test_support.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"
#include "tenday/main_window.h"

namespace kestrum {
namespace {

// Grabbing a window converts images on Qt's thread pool, which hands work over through futexes
// ThreadSanitizer cannot see; the grabbing tests run in the other builds.
#if defined(__SANITIZE_THREAD__)
#define SKIP_GRABS_UNDER_THREAD_SANITIZER() \
    GTEST_SKIP() << "Qt's image thread pool is opaque to ThreadSanitizer"
#else
#define SKIP_GRABS_UNDER_THREAD_SANITIZER() (void)0
#endif

class ShownWindow {
  public:
    virtual ~ShownWindow() = default;
    virtual Form& form() = 0;
    FormWidget& widget() { return *widget_; }
    void show() {
        widget_ = std::make_unique<FormWidget>(form());
        form().fireCreated();
        widget_->show();
        QApplication::processEvents();
    }
    QImage grab() { return widget_->grab().toImage(); }
    // The widgets go before the form they show.
    void close() { widget_.reset(); }

    ScriptedServices services;
    MemoryFileSystem files{"/opt/kestrum"};

  private:
    std::unique_ptr<FormWidget> widget_;
};

template <class Program>
class Shown : public ShownWindow {
  public:
    Shown() : program_(services, files), form_(mainWindow(program_), services) {}
    ~Shown() override { close(); }
    Form& form() override { return form_; }

  private:
    Program program_;
    Form form_;
};

struct Window {
    const char* program;
    std::string settingsFile;
    const char* starLabel;
    const char* infoLabel;
    const char* editBox;  // or null
    std::function<std::unique_ptr<ShownWindow>()> make;
};

std::vector<Window> bothWindows() {
    return {
        {"kestrum_xun", gbk("Kestrum.旬.ini"), "标签_皮肤", "标签16", nullptr,
         [] { return std::make_unique<Shown<tenday::TenDayProgram>>(); }},
        {"kestrum_ri", gbk("Kestrum.日.ini"), "标签99", "标签16", "编辑框1",
         [] { return std::make_unique<Shown<daily::DailyProgram>>(); }},
    };
}

std::unique_ptr<ShownWindow> showWithSkin(const Window& window, int storedSkin) {
    testApplication();
    auto shown = window.make();
    shown->files.files["/opt/kestrum/" + window.settingsFile] =
        "[" + gbk("设置") + "]\r\n" + gbk("颜色") + "=" + std::to_string(storedSkin) + "\r\n";
    shown->show();
    return shown;
}

std::string pngPath(const std::string& name) {
    const auto folder = std::filesystem::current_path() / "screenshots";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

void expectSkinPixels(ShownWindow& shown, const Window& window, int skin, const char* when) {
    const std::string where =
        std::string(window.program) + " skin " + std::to_string(skin) + " " + when;
    const QImage image = shown.grab();
    ASSERT_TRUE(image.save(QString::fromStdString(
        pngPath(std::string(window.program) + "-skin" + std::to_string(skin) + ".png"))));
    Form& form = shown.form();
    const SkinColours colours = SkinTable::colours(skin);

    const QPoint corner(image.width() - 3, image.height() - 3);
    EXPECT_EQ(image.pixelColor(corner), colourOf(colours.windowBackground)) << where;

    const QRect list = rectInWindow(form, "超级列表框2");
    EXPECT_EQ(image.pixelColor(list.center()), colourOf(colours.listBackground)) << where;
    if (window.editBox) {
        const QRect edit = rectInWindow(form, window.editBox);
        EXPECT_EQ(image.pixelColor(edit.center()), colourOf(colours.listBackground)) << where;
    }

    const QRect compute = rectInWindow(form, "标签_计算");
    EXPECT_EQ(image.pixelColor(compute.bottomRight() - QPoint(1, 1)),
              colourOf(colours.actionBackground))
        << where;
    EXPECT_TRUE(rectHasColour(image, compute, colourOf(colours.actionText))) << where;
    EXPECT_TRUE(rectHasColour(image, rectInWindow(form, "标签12"), colourOf(colours.choiceText)))
        << where;
    EXPECT_TRUE(
        rectHasColour(image, rectInWindow(form, window.infoLabel), colourOf(colours.infoText)))
        << where;
    const QRect radio = rectInWindow(form, "单选框6");
    EXPECT_EQ(image.pixelColor(radio.bottomLeft() + QPoint(1, -1)),
              colourOf(colours.choiceBackground))
        << where;
}

TEST(MainWindowView, SkinsShowInThePixelsAndTheStarStepsThem) {
    SKIP_GRABS_UNDER_THREAD_SANITIZER();
    for (const Window& window : bothWindows()) {
        for (int stored : {1, 2}) {
            auto shown = showWithSkin(window, stored);
            expectSkinPixels(*shown, window, stored, "at start");
            QTest::mouseClick(shown->widget().widgetOf(window.starLabel), Qt::LeftButton);
            QApplication::processEvents();
            expectSkinPixels(*shown, window, stored == 1 ? 2 : 1, "after a star click");
        }
    }
}

TEST(MainWindowView, EveryControlAtItsPositionWithItsFont) {
    testApplication();
    for (const Window& window : bothWindows()) {
        auto shown = window.make();
        shown->show();
        const WindowDefinition& definition = shown->form().definition();
        EXPECT_EQ(shown->widget().size(), QSize(definition.width, definition.height));
        EXPECT_EQ(shown->widget().windowTitle().toStdString(), gbkToUtf8(definition.title));
        // Where a caption label overlaps its radio button's box, the label is on top.
        const QRect overlap =
            rectInWindow(shown->form(), "单选框6") & rectInWindow(shown->form(), "标签12");
        ASSERT_FALSE(overlap.isEmpty());
        EXPECT_EQ(shown->widget().childAt(overlap.center()), shown->widget().widgetOf("标签12"))
            << window.program;
        for (const ControlDefinition& control : definition.controls) {
            QWidget* widget = shown->widget().widgetOf(control.name);
            ASSERT_NE(widget, nullptr) << control.name;
            EXPECT_EQ(widget->geometry(),
                      QRect(control.x, control.y, control.width, control.height))
                << window.program << " " << control.name;
            EXPECT_EQ(widget->font().pixelSize(), control.font.pixelHeight) << control.name;
            if (control.kind == ControlKind::Label) {
                EXPECT_EQ(QFontInfo(widget->font()).family(), QStringLiteral("WenQuanYi Micro Hei"))
                    << control.name;
                EXPECT_EQ(static_cast<QLabel*>(widget)->text().toStdString(),
                          gbkToUtf8(control.caption))
                    << control.name;
            }
            if (control.kind == ControlKind::ListView) {
                auto* view = static_cast<QTreeView*>(widget);
                EXPECT_TRUE(view->isHeaderHidden());
                EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
                EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
                ASSERT_EQ(view->model()->columnCount(), static_cast<int>(control.columns.size()));
                for (std::size_t i = 0; i < control.columns.size(); ++i)
                    EXPECT_EQ(view->columnWidth(static_cast<int>(i)), control.columns[i].width);
            }
            if (!control.parent.empty()) {
                EXPECT_EQ(widget->parentWidget(), shown->widget().widgetOf(control.parent));
            }
        }
    }
}

TEST(MainWindowView, ClicksOnChoicesReachTheFormAndTheFormReachesTheWidgets) {
    testApplication();
    Shown<tenday::TenDayProgram> shown;
    shown.show();
    FormWidget& view = shown.widget();
    auto radio = [&](const char* name) { return static_cast<QRadioButton*>(view.widgetOf(name)); };

    QTest::mouseClick(view.widgetOf("标签9"), Qt::LeftButton);  // "第三"
    EXPECT_TRUE(shown.form().control("单选框3").isChecked());
    EXPECT_TRUE(radio("单选框3")->isChecked());
    EXPECT_FALSE(radio("单选框1")->isChecked());

    QTest::mouseClick(radio("单选框7"), Qt::LeftButton);
    EXPECT_TRUE(shown.form().control("单选框7").isChecked());
    EXPECT_FALSE(radio("单选框6")->isChecked());
    QTest::mouseClick(radio("单选框7"), Qt::LeftButton);
    EXPECT_TRUE(radio("单选框7")->isChecked()) << "a second click does not clear it";

    // A disabled label ignores clicks.
    shown.form().control("标签_皮肤").setEnabled(false);
    EXPECT_FALSE(view.widgetOf("标签_皮肤")->isEnabled());
    QTest::mouseClick(view.widgetOf("标签_皮肤"), Qt::LeftButton);
    EXPECT_EQ(shown.form().control("超级列表框2").listBackground(), 0x2A69FFu);

    shown.form().control("标签0").setCaption(gbk("★音乐☆"));
    EXPECT_EQ(static_cast<QLabel*>(view.widgetOf("标签0"))->text(), QStringLiteral("★音乐☆"));
}

TEST(MainWindowView, ListShowsTheFormsRowsThroughItsModel) {
    SKIP_GRABS_UNDER_THREAD_SANITIZER();
    testApplication();
    Shown<tenday::TenDayProgram> shown;
    shown.show();
    Control& list = shown.form().control("超级列表框1");
    for (int i = 0; i < 3000; ++i) {
        const int row = list.appendRow();
        list.setCell(row, 0, std::to_string(600000 + i));
        list.setCell(row, 1, gbk("名称"));
    }
    auto* view = static_cast<QTreeView*>(shown.widget().widgetOf("超级列表框1"));
    QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->rowCount(), 3000);
    EXPECT_EQ(model->data(model->index(2999, 0)).toString(), QStringLiteral("602999"));
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QStringLiteral("名称"));
    EXPECT_EQ(model->data(model->index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
    EXPECT_EQ(model->data(model->index(0, 0), Qt::BackgroundRole).value<QColor>(),
              QColor(255, 105, 42));

    // The rows show in the list's text colour on its background.
    list.setCell(0, 0, "888888888888");
    QApplication::processEvents();
    const QImage image = shown.grab();
    const QRect listRect = rectInWindow(shown.form(), "超级列表框1");
    EXPECT_TRUE(
        rectHasColour(image, QRect(listRect.topLeft(), QSize(100, 30)), QColor(0, 0, 0), 40));

    list.clearRows();
    EXPECT_EQ(model->rowCount(), 0);
}

TEST(MainWindowView, EditBoxFollowsTheFormAndTheUsersTyping) {
    testApplication();
    Shown<daily::DailyProgram> shown;
    shown.show();
    auto* edit = static_cast<QPlainTextEdit*>(shown.widget().widgetOf("编辑框1"));
    shown.form().control("编辑框1").setText(gbk("代码 名称\r\n600000 甲"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("代码 名称\n600000 甲"));
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(shown.form().control("编辑框1").text(), gbk("代码 名称\r\n600000 甲x"));
}

}  // namespace
}  // namespace kestrum
