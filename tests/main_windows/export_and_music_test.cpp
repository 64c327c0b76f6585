#include <gtest/gtest.h>

#include <map>

#include "common/charset.h"
#include "common/resources/embedded_data.h"
#include "program_harness.h"

namespace kestrum {
namespace {

const std::map<std::string, std::string> kExportLabel = {{"kestrum_xun", "标签21"},
                                                         {"kestrum_ri", "标签9"}};
const std::map<std::string, int> kAboutHeight = {{"kestrum_xun", 372}, {"kestrum_ri", 399}};

void fillResultList(Form& form, const std::vector<std::pair<std::string, std::string>>& rows) {
    Control& list = form.control("超级列表框2");
    list.clearRows();
    for (const auto& [code, name] : rows) {
        const int row = list.appendRow();
        list.setCell(row, 0, code);
        list.setCell(row, 1, name);
        list.setCell(row, 2, "9.99");  // later columns never reach the file
    }
}

const std::vector<std::pair<std::string, std::string>> kThreeStocks = {
    {"600000", gbk("浦发银行")}, {"000001", gbk("平安银行")}, {"300750", gbk("宁德时代")}};
const std::string kThreeStocksFile = "600000\t" + gbk("浦发银行") + "\r\n000001\t" +
                                     gbk("平安银行") + "\r\n300750\t" + gbk("宁德时代");

struct ExportCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> rows;
    std::deque<std::string> dialogAnswers;
    bool pathIsReadOnly;
    std::optional<std::string> fileBefore;
    std::optional<std::string> fileAfter;  // at /data/out/list, nothing when absent
    int messages;
};

TEST(ExportList, CasesThroughTheHandlers) {
    const std::string path = "/data/out/list";  // no extension: the program adds none
    const ExportCase cases[] = {
        {"three rows", kThreeStocks, {path}, false, std::nullopt, kThreeStocksFile, 0},
        {"an empty name leaves the TAB",
         {{"600000", ""}, {"000001", gbk("平安银行")}},
         {path},
         false,
         std::nullopt,
         "600000\t\r\n000001\t" + gbk("平安银行"),
         0},
        {"an existing file is replaced",
         kThreeStocks,
         {path},
         false,
         std::string(5000, 'x'),
         kThreeStocksFile,
         0},
        {"cancel writes nothing", kThreeStocks, {}, false, std::nullopt, std::nullopt, 0},
        {"a failed write shows the message once", kThreeStocks, {path}, true, "old", "old", 1},
    };
    for (const ProgramUnderTest& program : bothPrograms()) {
        for (const ExportCase& c : cases) {
            SCOPED_TRACE(std::string(program.name) + ": " + c.name);
            ScriptedServices services;
            MemoryFileSystem files("/opt/kestrum");
            files.setCurrentDirectory("/home/user/start");
            services.files = &files;
            services.dialogMovesCurrentDirectoryTo = "/data/out";
            services.dialogAnswers = c.dialogAnswers;
            if (c.fileBefore)
                files.files[path] = *c.fileBefore;
            if (c.pathIsReadOnly)
                files.readOnlyPaths.insert(path);
            auto running = program.start(services, files);
            Form& form = running->form();
            fillResultList(form, c.rows);
            const auto rowsBefore = form.control("超级列表框2").rows();

            form.press(kExportLabel.at(program.name));

            ASSERT_EQ(services.dialogRequests.size(), 1u);
            const FileDialogRequest& request = services.dialogRequests[0];
            EXPECT_EQ(request.kind, FileDialogRequest::Kind::Save);
            EXPECT_EQ(request.owner, &form);
            EXPECT_EQ(request.title, gbk("保存文件"));
            EXPECT_EQ(request.filterPieces, (std::vector<std::string>{gbk("文本文件"), "*.txt"}));
            EXPECT_EQ(request.filterIndex, 1);
            EXPECT_EQ(request.defaultFileName, "2021-11-20-09-05-07");
            EXPECT_EQ(request.maxFile, 493);
            EXPECT_EQ(request.initialDirectory, "/opt/kestrum");

            if (c.fileAfter)
                EXPECT_EQ(files.files.at(path), *c.fileAfter);
            else
                EXPECT_EQ(files.files.count(path), 0u);
            ASSERT_EQ(services.messages.size(), static_cast<std::size_t>(c.messages));
            for (const auto& message : services.messages) {
                EXPECT_EQ(message.text, gbk("写出列表信息到磁盘失败？"));
                EXPECT_EQ(message.caption, gbk("信息："));
            }
            EXPECT_EQ(form.control("超级列表框2").rows(), rowsBefore);
            EXPECT_EQ(files.currentDirectory(), "/home/user/start");
        }
    }
}

TEST(ExportList, EmptyListIsIgnored) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        SCOPED_TRACE(program.name);
        ScriptedServices services;
        MemoryFileSystem files;
        services.dialogAnswers = {"/data/out/list"};
        auto running = program.start(services, files);
        running->form().press(kExportLabel.at(program.name));
        EXPECT_TRUE(services.dialogRequests.empty());
        EXPECT_TRUE(services.messages.empty());
        EXPECT_EQ(files.writeCount, 0);
    }
}

TEST(ExportList, OffersTheStampOfTheClick) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        SCOPED_TRACE(program.name);
        ScriptedServices services;
        MemoryFileSystem files;
        services.clock = {2021, 1, 2, 3, 4, 5};
        auto running = program.start(services, files);
        fillResultList(running->form(), kThreeStocks);
        running->form().press(kExportLabel.at(program.name));
        ASSERT_EQ(services.dialogRequests.size(), 1u);
        EXPECT_EQ(services.dialogRequests[0].defaultFileName, "2021-01-02-03-04-05");
    }
}

TEST(MusicLabel, TwoClicksPlayThenStop) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        SCOPED_TRACE(program.name);
        ScriptedServices services;
        MemoryFileSystem files;
        auto running = program.start(services, files);
        Form& form = running->form();
        EXPECT_EQ(form.control("标签0").caption(), "");

        form.press("标签0");
        ASSERT_EQ(services.playedSongs.size(), 1u);
        EXPECT_EQ(services.playedSongs[0], resources::mainSong());
        EXPECT_TRUE(services.songPlaying);
        EXPECT_EQ(form.control("标签0").caption(), gbk("★Maelis翻倍啦☆"));

        form.press("标签0");
        EXPECT_FALSE(services.songPlaying);
        EXPECT_EQ(services.stopCount, 1);
        EXPECT_EQ(services.playedSongs.size(), 1u);
        EXPECT_EQ(form.control("标签0").caption(), "");
    }
}

TEST(MusicLabel, AboutWindowSilencesTheMainSongButKeepsTheCaption) {
    for (const ProgramUnderTest& program : bothPrograms()) {
        SCOPED_TRACE(program.name);
        ScriptedServices services;
        MemoryFileSystem files;
        int aboutHeight = 0;
        services.whileModalOpen = [&](Form& about) {
            aboutHeight = about.definition().height;
            EXPECT_TRUE(services.songPlaying);
        };
        auto running = program.start(services, files);
        Form& form = running->form();
        const std::string caption = gbk("★Maelis翻倍啦☆");

        form.press("标签0");
        form.press("标签_关于");
        EXPECT_EQ(services.modalTitles, std::vector<std::string>{gbk("关于")});
        EXPECT_EQ(aboutHeight, kAboutHeight.at(program.name));
        ASSERT_EQ(services.playedSongs.size(), 2u);
        EXPECT_EQ(services.playedSongs[1], resources::aboutSong());
        EXPECT_FALSE(services.songPlaying) << "closing the about window stops all music";
        EXPECT_EQ(form.control("标签0").caption(), caption);

        form.press("标签0");  // the label still counts as on: this click only clears it
        EXPECT_EQ(services.playedSongs.size(), 2u);
        EXPECT_FALSE(services.songPlaying);
        EXPECT_EQ(form.control("标签0").caption(), "");

        form.press("标签0");
        ASSERT_EQ(services.playedSongs.size(), 3u);
        EXPECT_EQ(services.playedSongs[2], resources::mainSong());
        EXPECT_EQ(form.control("标签0").caption(), caption);
    }
}

}  // namespace
}  // namespace kestrum
