#include "common/form/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/charset.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

// Records the handlers that ran, in order.
struct Calls {
    std::vector<std::string> names;
    Handler record(const std::string& name) {
        return [this, name](Form&) { names.push_back(name); };
    }
};

WindowDefinition sampleWindow(Calls& calls) {
    WindowDefinition window;
    window.title = gbk("样例");
    window.width = 300;
    window.height = 200;
    window.onCreated = calls.record("created");
    window.onDestroying = calls.record("destroying");

    ControlDefinition label =
        makeControl(ControlKind::Label, "标签_计算", 10, 10, 80, 30, gbk("计算"));
    label.onLeftPressed = calls.record("left pressed");
    label.onLeftReleased = calls.record("left released");
    label.onRightPressed = calls.record("right pressed");
    window.controls.push_back(label);

    window.controls.push_back(makeControl(ControlKind::Frame, "外形框1", 0, 50, 200, 40));
    window.controls.push_back(makeControl(ControlKind::Frame, "外形框2", 0, 100, 200, 40));
    int x = 0;
    for (const char* name : {"单选框1", "单选框2", "单选框3"})
        window.controls.push_back(
            makeControl(ControlKind::RadioButton, name, x += 30, 8, 24, 32, "", "外形框1"));
    window.controls[3].checked = true;
    window.controls.push_back(
        makeControl(ControlKind::RadioButton, "单选框6", 30, 8, 24, 32, "", "外形框2"));
    window.controls.back().checked = true;

    ControlDefinition link =
        makeControl(ControlKind::HyperlinkLabel, "超级链接框1", 0, 150, 120, 32);
    link.linkTarget = "http://example.invalid/";
    link.onLeftPressed = calls.record("link handler");
    window.controls.push_back(link);

    ControlDefinition list = makeControl(ControlKind::ListView, "超级列表框2", 100, 0, 200, 100);
    list.columns = {{gbk("代码"), 100}, {gbk("名称"), 120}};
    window.controls.push_back(list);
    return window;
}

TEST(Form, EventsCallTheirBoundHandlersUnlessTheControlIsDisabled) {
    Calls calls;
    ScriptedServices services;
    Form form(sampleWindow(calls), services);

    form.fireCreated();
    form.press("标签_计算");
    form.release("标签_计算");
    form.rightPress("标签_计算");
    form.control("标签_计算").setEnabled(false);
    form.press("标签_计算");
    form.release("标签_计算");
    form.rightPress("标签_计算");
    form.press("外形框1");  // no handler bound: nothing happens
    form.fireDestroying();

    EXPECT_EQ(calls.names, (std::vector<std::string>{"created", "left pressed", "left released",
                                                     "right pressed", "destroying"}));
}

TEST(Form, StartsFromTheDefinition) {
    Calls calls;
    ScriptedServices services;
    Form form(sampleWindow(calls), services);
    const Control& label = form.control("标签_计算");
    EXPECT_EQ(label.caption(), gbk("计算"));
    EXPECT_TRUE(label.isEnabled());
    EXPECT_FALSE(label.textColour().has_value());
    EXPECT_FALSE(form.backgroundColour().has_value());
    EXPECT_TRUE(form.control("单选框1").isChecked());
    EXPECT_FALSE(form.control("单选框2").isChecked());
    EXPECT_TRUE(form.control("单选框6").isChecked());
    EXPECT_TRUE(form.has("超级列表框2"));
    EXPECT_FALSE(form.has("超级列表框9"));
    EXPECT_DEATH(form.control("超级列表框9"), "超级列表框9");
}

TEST(Form, ClickOnRadioButtonChecksItAndClearsOnlyItsOwnGroup) {
    Calls calls;
    ScriptedServices services;
    Form form(sampleWindow(calls), services);

    form.press("单选框3");
    EXPECT_FALSE(form.control("单选框1").isChecked());
    EXPECT_FALSE(form.control("单选框2").isChecked());
    EXPECT_TRUE(form.control("单选框3").isChecked());
    EXPECT_TRUE(form.control("单选框6").isChecked()) << "another frame's group is untouched";

    // Setting the state directly touches only that button, as the window's own calls do.
    form.control("单选框1").setChecked(true);
    EXPECT_TRUE(form.control("单选框1").isChecked());
    EXPECT_TRUE(form.control("单选框3").isChecked());

    form.control("单选框2").setEnabled(false);
    form.press("单选框2");
    EXPECT_FALSE(form.control("单选框2").isChecked());
}

TEST(Form, HyperlinkOpensItsTargetThenRunsItsHandler) {
    Calls calls;
    ScriptedServices services;
    Form form(sampleWindow(calls), services);
    form.press("超级链接框1");
    EXPECT_EQ(services.openedDocuments, std::vector<std::string>{"http://example.invalid/"});
    EXPECT_EQ(calls.names, std::vector<std::string>{"link handler"});
}

TEST(Form, ListRowsAndCells) {
    Calls calls;
    ScriptedServices services;
    Form form(sampleWindow(calls), services);
    Control& list = form.control("超级列表框2");

    EXPECT_EQ(list.appendRow(), 0);
    EXPECT_EQ(list.appendRow(), 1);
    list.setCell(0, 0, "600000");
    list.setCell(1, 1, gbk("名称乙"));
    list.setCell(2, 0, "out of rows");
    list.setCell(0, 2, "out of columns");
    list.setCell(-1, 0, "negative");

    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cell(0, 0), "600000");
    EXPECT_EQ(list.cell(0, 1), "");
    EXPECT_EQ(list.cell(1, 1), gbk("名称乙"));
    EXPECT_EQ(list.cell(2, 0), "");
    EXPECT_EQ(list.cell(0, 2), "");

    list.clearRows();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.appendRow(), 0);
}

TEST(Form, ObserverSeesEveryChangeInOrder) {
    struct Log : FormObserver {
        std::vector<std::string> entries;
        void controlChanged(const Control& control, ControlChange change, int row,
                            int column) override {
            entries.push_back(control.name() + " " + std::to_string(static_cast<int>(change)) +
                              " " + std::to_string(row) + "," + std::to_string(column));
        }
        void windowBackgroundChanged() override { entries.push_back("window"); }
    } log;
    Calls calls;
    ScriptedServices services;
    Form form(sampleWindow(calls), services);
    form.setObserver(&log);

    form.setBackgroundColour(0);
    form.control("标签_计算").setCaption("x");
    form.control("超级列表框2").appendRow();
    form.control("超级列表框2").setCell(0, 1, "y");
    form.control("超级列表框2").clearRows();
    form.press("单选框2");

    const auto entry = [](const char* name, ControlChange change, int row, int column) {
        return std::string(name) + " " + std::to_string(static_cast<int>(change)) + " " +
               std::to_string(row) + "," + std::to_string(column);
    };
    EXPECT_EQ(log.entries, (std::vector<std::string>{
                               "window",
                               entry("标签_计算", ControlChange::Caption, -1, -1),
                               entry("超级列表框2", ControlChange::RowAppended, 0, -1),
                               entry("超级列表框2", ControlChange::CellText, 0, 1),
                               entry("超级列表框2", ControlChange::RowsCleared, -1, -1),
                               entry("单选框1", ControlChange::Checked, -1, -1),
                               entry("单选框2", ControlChange::Checked, -1, -1),
                           }));
}

TEST(ScriptedServices, WorkFromAnotherThreadRunsWhenPumpedAndTheCallerWaitsForIt) {
    ScriptedServices services;
    std::vector<int> order;
    std::thread worker([&] {
        services.runOnUiThread([&] { order.push_back(1); });
        services.runOnUiThread([&] { order.push_back(2); });
    });
    EXPECT_TRUE(services.pumpUiWorkUntil([&] { return order.size() == 2; }));
    worker.join();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));

    services.runOnUiThread([&] { order.push_back(3); });  // from the UI thread: at once
    EXPECT_EQ(order.back(), 3);
}

}  // namespace
}  // namespace kestrum
