#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "common/charset.h"
#include "common/skin/skin_table.h"
#include "program_harness.h"

namespace kestrum {
namespace {

const std::string kFolder = "/opt/kestrum";

std::string settingsText(const std::string& value) {
    return "[" + gbk("设置") + "]\r\n" + gbk("颜色") + "=" + value + "\r\n";
}

// The colours a skin gives, read back from controls of each role.
void expectSkin(Form& form, const WindowSkin& skin, int skinNumber, const std::string& where) {
    const SkinColours colours = SkinTable::colours(skinNumber);
    EXPECT_EQ(form.backgroundColour(), colours.windowBackground) << where;
    const SkinTargets& targets = skin.targets();
    for (const std::string& name : targets.listViews) {
        EXPECT_EQ(form.control(name).listBackground(), colours.listBackground) << where;
        EXPECT_EQ(form.control(name).listTextBackground(), colours.listBackground) << where;
        EXPECT_EQ(form.control(name).listTextColour(), colours.listText) << where;
    }
    for (const std::string& name : targets.actionLabels) {
        EXPECT_EQ(form.control(name).backgroundColour(), colours.actionBackground) << where;
        EXPECT_EQ(form.control(name).textColour(), colours.actionText) << where << " " << name;
    }
    for (const std::string& name : targets.infoLabels)
        EXPECT_EQ(form.control(name).textColour(), colours.infoText) << where << " " << name;
    for (const std::string& name : targets.choiceLabels)
        EXPECT_EQ(form.control(name).textColour(), colours.choiceText) << where << " " << name;
    for (const std::string& name : targets.sortHeadings)
        EXPECT_EQ(form.control(name).textColour(), colours.choiceText) << where << " " << name;
}

TEST(MainWindowSettings, SkinNumberReadAtStartSteppedByTheStarAndWrittenAtExit) {
    struct Case {
        const char* name;
        std::optional<std::string> stored;  // GBK value under 设置/颜色; none: no file
        int startSkin;
        int clicks;
        std::vector<int> skinsAfterClicks;
    };
    const Case cases[] = {
        {"no file", std::nullopt, 1, 0, {}},
        {"stored 2", "2", 2, 1, {1}},
        {"full-width 2", gbk("２"), 2, 0, {}},
        {"full-width sign, space and digits", gbk("　－３"), -3, 0, {}},
        {"blank, 2 and letters", " 2abc", 2, 0, {}},
        {"letters only", "abc", 0, 2, {1, 2}},
        {"empty value", "", 1, 0, {}},
        {"above the range", "5", 5, 3, {1, 1, 1}},
        {"negative", "-3", -3, 5, {-2, -1, 0, 1, 2}},
        {"cycles", "1", 1, 3, {2, 1, 2}},
    };
    for (const ProgramUnderTest& program : bothPrograms()) {
        for (const Case& c : cases) {
            const std::string where = std::string(program.name) + ", " + c.name;
            ScriptedServices services;
            MemoryFileSystem files(kFolder);
            const std::string path = kFolder + "/" + program.settingsFile;
            if (c.stored)
                files.files[path] = settingsText(*c.stored);

            auto running = program.start(services, files);
            Form& form = running->form();
            EXPECT_EQ(running->skin().skinNumber(), 0) << where << ": 0 before the window exists";
            form.fireCreated();
            EXPECT_EQ(running->skin().skinNumber(), c.startSkin) << where;
            expectSkin(form, running->skin(), c.startSkin, where + " at start");

            // Start-up may repaint to show its progress; only the star's repaints count here.
            const int repaintsAtStart = services.repaintCount;
            int expected = c.startSkin;
            for (int click = 0; click < c.clicks; ++click) {
                form.press(program.starLabel);
                expected = c.skinsAfterClicks[click];
                EXPECT_EQ(running->skin().skinNumber(), expected) << where << " click " << click;
                expectSkin(form, running->skin(), expected, where + " after a click");
            }
            EXPECT_EQ(services.repaintCount - repaintsAtStart,
                      program.repaintsAfterStep ? c.clicks : 0)
                << where;

            form.fireDestroying();
            EXPECT_EQ(files.files[path], settingsText(std::to_string(expected))) << where;
        }
    }
}

TEST(MainWindowSettings, OtherLinesOfTheFileAreLeftByteForByte) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        ScriptedServices services;
        MemoryFileSystem files(kFolder);
        const std::string path = kFolder + "/" + program.settingsFile;
        const std::string before = "; " + gbk("用户的注释") + "\n[" + gbk("其他") +
                                   "]\r\nkey = value\r\n\r\n[" + gbk("设置") + "]\n" + gbk("字体") +
                                   "=x\n" + gbk("颜色") + " = 2\nlast=1";
        files.files[path] = before;
        auto running = program.start(services, files);
        running->form().fireCreated();
        running->form().press(program.starLabel);
        running->form().fireDestroying();

        std::string after = before;
        after.replace(after.find(gbk("颜色") + " = 2"), (gbk("颜色") + " = 2").size(),
                      gbk("颜色") + "=1");
        EXPECT_EQ(files.files[path], after) << program.name;
    }
}

TEST(MainWindowSettings, AFileThatCannotBeWrittenOrReadIsKeptAsItWas) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        const std::string path = kFolder + "/" + program.settingsFile;
        {
            ScriptedServices services;
            MemoryFileSystem files(kFolder);
            files.files[path] = settingsText("2") + "[x]\r\ny=z\r\n";
            files.readOnlyPaths.insert(path);
            auto running = program.start(services, files);
            running->form().fireCreated();
            EXPECT_EQ(running->skin().skinNumber(), 2) << program.name;
            running->form().press(program.starLabel);
            running->form().fireDestroying();
            EXPECT_EQ(files.files[path], settingsText("2") + "[x]\r\ny=z\r\n") << program.name;
        }
        {
            ScriptedServices services;
            MemoryFileSystem files(kFolder);
            files.files[path] = settingsText("2") + "[x]\r\ny=z\r\n";
            files.unreadablePaths.insert(path);
            auto running = program.start(services, files);
            running->form().fireCreated();
            EXPECT_EQ(running->skin().skinNumber(), 1) << program.name << ": unreadable reads as 1";
            running->form().fireDestroying();
            EXPECT_EQ(files.files[path], settingsText("2") + "[x]\r\ny=z\r\n") << program.name;
            EXPECT_EQ(files.writeCount, 0) << program.name;
        }
        {
            ScriptedServices services;
            MemoryFileSystem files(kFolder);
            files.refuseAllWrites = true;  // a read-only folder: no file appears
            auto running = program.start(services, files);
            running->form().fireCreated();
            running->form().fireDestroying();
            EXPECT_TRUE(files.files.empty()) << program.name;
        }
    }
}

TEST(MainWindowSettings, SettingsFileIsNamedInTheCurrentDirectory) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        ScriptedServices services;
        MemoryFileSystem files("/somewhere/else");
        auto running = program.start(services, files);
        running->form().fireCreated();
        running->form().fireDestroying();
        EXPECT_EQ(files.files.count("/somewhere/else/" + program.settingsFile), 1u) << program.name;
    }
}

TEST(MainWindowSkin, OnlyTheListedControlsTakeSkinColours) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        ScriptedServices services;
        MemoryFileSystem files(kFolder);
        auto running = program.start(services, files);
        Form& form = running->form();
        form.fireCreated();
        const SkinTargets& t = running->skin().targets();
        std::set<std::string> listed;
        for (const auto* group : {&t.actionLabels, &t.infoLabels, &t.listViews, &t.editBoxes,
                                  &t.frames, &t.radioButtons, &t.choiceLabels, &t.sortHeadings})
            listed.insert(group->begin(), group->end());
        for (const Control& control : form.controls()) {
            const bool painted =
                control.backgroundColour() || control.textColour() || control.listBackground();
            EXPECT_EQ(painted, listed.count(control.name()) == 1)
                << program.name << " " << control.name();
        }
    }
}

}  // namespace
}  // namespace kestrum
