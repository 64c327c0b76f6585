#include <gtest/gtest.h>

#include <set>

#include "common/charset.h"
#include "daily/main_window.h"
#include "program_harness.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"
#include "tenday/main_window.h"

namespace kestrum {
namespace {

std::vector<std::string> checkedOf(Form& form, const std::vector<std::string>& radios) {
    std::vector<std::string> checked;
    for (const std::string& name : radios) {
        if (form.control(name).isChecked())
            checked.push_back(name);
    }
    return checked;
}

const std::vector<std::string> kRangeRadios = {"单选框6", "单选框7", "单选框8"};

TEST(MainWindows, TitlesAndGeometry) {
    ScriptedServices services;
    MemoryFileSystem files;
    tenday::TenDayProgram tenDay(services, files);
    daily::DailyProgram daily(services, files);
    const WindowDefinition xun = tenday::mainWindow(tenDay);
    const WindowDefinition ri = daily::mainWindow(daily);
    EXPECT_EQ(gbkToUtf8(xun.title), "Kestrum.旬   1.2         by Maelis");
    EXPECT_EQ(gbkToUtf8(ri.title), "Kestrum.日  1.2       by Maelis");
    EXPECT_EQ((std::vector<int>{xun.x, xun.y, xun.width, xun.height}),
              (std::vector<int>{50, 50, 1140, 762}));
    EXPECT_EQ((std::vector<int>{ri.x, ri.y, ri.width, ri.height}),
              (std::vector<int>{50, 50, 1180, 780}));
    EXPECT_EQ(xun.controls.size(), 39u);
    EXPECT_EQ(ri.controls.size(), 26u);
    for (const WindowDefinition* window : {&xun, &ri}) {
        std::set<std::string> names;
        for (const ControlDefinition& control : window->controls)
            EXPECT_TRUE(names.insert(control.name).second) << "twice: " << control.name;
        // Every parent named is a frame of the same window.
        Form form(*window, services);
        for (const Control& control : form.controls()) {
            if (!control.definition().parent.empty()) {
                EXPECT_EQ(form.control(control.definition().parent).kind(), ControlKind::Frame)
                    << control.name();
            }
        }
    }
}

TEST(MainWindows, StartStateOfTheChoicesListsAndLabels) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        ScriptedServices services;
        MemoryFileSystem files;
        auto running = program.start(services, files);
        Form& form = running->form();
        form.fireCreated();
        if (!program.batchRadios.empty()) {
            EXPECT_EQ(checkedOf(form, program.batchRadios), std::vector<std::string>{"单选框1"});
            EXPECT_EQ(form.control("超级列表框1").rowCount(), 0);
        } else {
            EXPECT_EQ(form.control("编辑框1").text(), "");
        }
        EXPECT_EQ(checkedOf(form, kRangeRadios), std::vector<std::string>{"单选框6"});
        EXPECT_EQ(form.control("超级列表框2").rowCount(), 0) << program.name;
        EXPECT_EQ(form.control("标签0").caption(), "") << program.name;
    }
}

TEST(MainWindows, ChoiceLabelsCheckTheirRadioButtonOnly) {
    struct Case {
        const char* label;
        const char* radio;
        bool tenDayOnly;
    };
    const Case cases[] = {
        {"标签7", "单选框1", true},   {"标签8", "单选框2", true},   {"标签9", "单选框3", true},
        {"标签10", "单选框4", true},  {"标签11", "单选框5", true},  {"标签12", "单选框6", false},
        {"标签13", "单选框7", false}, {"标签14", "单选框8", false},
    };
    for (const ProgramUnderTest& program : bothPrograms()) {
        for (const Case& c : cases) {
            if (c.tenDayOnly && program.batchRadios.empty())
                continue;
            ScriptedServices services;
            MemoryFileSystem files;
            auto running = program.start(services, files);
            Form& form = running->form();
            form.fireCreated();
            const bool batch = c.tenDayOnly;
            const std::vector<std::string>& group = batch ? program.batchRadios : kRangeRadios;
            const std::vector<std::string>& otherGroup = batch ? kRangeRadios : program.batchRadios;
            const std::vector<std::string> otherBefore = checkedOf(form, otherGroup);
            // Make a second button of the group checked too: the label must clear it.
            for (const std::string& name : group)
                form.control(name).setChecked(true);

            form.press(c.label);
            EXPECT_EQ(checkedOf(form, group), std::vector<std::string>{c.radio})
                << program.name << " " << c.label;
            EXPECT_EQ(checkedOf(form, otherGroup), otherBefore) << program.name << " " << c.label;
            EXPECT_EQ(form.control("超级列表框2").rowCount(), 0);
            EXPECT_EQ(services.messages.size(), 0u);
        }
    }
}

}  // namespace
}  // namespace kestrum
