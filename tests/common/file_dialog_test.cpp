#include "common/file_dialog.h"

#include <gtest/gtest.h>

#include "common/charset.h"
#include "common/path_text.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"

namespace kestrum {
namespace {

TEST(FileDialog, FilterPiecesFollowTheSplitRule) {
    struct Case {
        const char* name;
        std::string filter;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"name and pattern", gbk("文本文件|*.txt"), {gbk("文本文件"), "*.txt"}},
        {"empty piece between stays", "a||b", {"a", "", "b"}},
        {"empty last piece dropped", "a|b|", {"a", "b"}},
        {"leading empty piece stays", "|a", {"", "a"}},
        {"no separator", "*.*", {"*.*"}},
        {"empty text", "", {}},
        {"trail byte 0x7C is not a separator", gbk("亅|*.x"), {gbk("亅"), "*.x"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitFilter(c.filter), c.pieces) << c.name;
}

TEST(FileDialog, SaveRequestTakesDefaultsOnlyForOmittedOptions) {
    const FileDialogRequest omitted = FileDialog::saveRequest({}, "/cwd");
    EXPECT_EQ(omitted.kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(omitted.title, gbk("保存文件"));
    EXPECT_EQ(omitted.filterPieces, (std::vector<std::string>{gbk("TXT文档(*.txt)"), "*.txt",
                                                              gbk("所有文件(*.*)"), "*.*"}));
    EXPECT_EQ(omitted.filterIndex, 1);
    EXPECT_EQ(omitted.defaultFileName, "");
    EXPECT_EQ(omitted.maxFile, 512);
    EXPECT_EQ(omitted.initialDirectory, "/cwd");
    EXPECT_TRUE(omitted.emptyDefaultExtension);

    SaveFileOptions given;
    given.initialDirectory = "/opt/kestrum";
    given.title = "";
    given.defaultFileName = "2021-01-02-03-04-05";  // 19 bytes
    given.filter = gbk("文本文件|*.txt");
    given.filterIndex = 0;
    const FileDialogRequest request = FileDialog::saveRequest(given, "/cwd");
    EXPECT_EQ(request.title, "") << "a given empty title is not replaced";
    EXPECT_EQ(request.filterIndex, 1) << "0 means 1";
    EXPECT_EQ(request.maxFile, 493);
    EXPECT_EQ(request.initialDirectory, "/opt/kestrum");
    given.filterIndex = 2;
    EXPECT_EQ(FileDialog::saveRequest(given, "/cwd").filterIndex, 2);

    given.defaultFileName = std::string(600, 'n');
    const FileDialogRequest longName = FileDialog::saveRequest(given, "/cwd");
    EXPECT_EQ(longName.defaultFileName.size(), 511u) << "the name must leave room for its NUL";
    EXPECT_EQ(longName.maxFile, 1);
}

TEST(FileDialog, OpenRequestDefaults) {
    OpenFileOptions options;
    const FileDialogRequest request = FileDialog::openRequest(options, "/cwd");
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.title, gbk("打开文件"));
    EXPECT_EQ(request.filterPieces, (std::vector<std::string>{gbk("所有文件(*.*)"), "*.*"}));
    EXPECT_EQ(request.maxFile, 512);
    EXPECT_EQ(request.initialDirectory, "/cwd");
    EXPECT_FALSE(request.emptyDefaultExtension);
}

TEST(FileDialog, CurrentDirectoryIsRestoredAfterConfirmAndCancelUnlessKept) {
    struct Case {
        const char* name;
        std::string answer;
        std::optional<bool> keepDirectory;
        std::string directoryAfter;
    };
    const Case cases[] = {
        {"confirmed", "/data/a.txt", std::nullopt, "/opt/kestrum"},
        {"cancelled", "", std::nullopt, "/opt/kestrum"},
        {"kept false", "/data/a.txt", false, "/opt/kestrum"},
        {"kept", "/data/a.txt", true, "/data"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem files;
        ScriptedServices services;
        services.files = &files;
        services.dialogMovesCurrentDirectoryTo = "/data";
        services.dialogAnswers = {c.answer};
        FileDialog dialog(services, files);

        SaveFileOptions save;
        save.keepDirectory = c.keepDirectory;
        EXPECT_EQ(dialog.save(save), c.answer) << c.name;
        EXPECT_EQ(files.currentDirectory(), c.directoryAfter) << c.name;

        files.setCurrentDirectory("/opt/kestrum");
        services.dialogAnswers = {c.answer};
        OpenFileOptions open;
        open.keepDirectory = c.keepDirectory;
        EXPECT_EQ(dialog.open(open), c.answer) << c.name;
        EXPECT_EQ(files.currentDirectory(), c.directoryAfter) << c.name;
        EXPECT_EQ(services.dialogRequests.at(1).initialDirectory, "/opt/kestrum") << c.name;
    }
}

TEST(FileDialog, PathLongerThanTheRoomLeftFailsLikeACancel) {
    MemoryFileSystem files;
    ScriptedServices services;
    FileDialog dialog(services, files);
    SaveFileOptions options;
    options.defaultFileName = std::string(500, 'n');  // leaves 12 bytes
    services.dialogAnswers = {"/a/b/c/d.txt", "/a/b/c.txt"};
    EXPECT_EQ(dialog.save(options), "") << "12 bytes and the NUL do not fit";
    EXPECT_EQ(dialog.save(options), "/a/b/c.txt");
}

TEST(PathText, WithTrailingSeparatorExtendsTheCallersText) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {{"", "/"}, {"/opt", "/opt/"}, {"/opt/", "/opt/"}, {"/", "/"}};
    for (const Case& c : cases) {
        std::string text = c.in;
        EXPECT_EQ(withTrailingSeparator(text), c.out) << c.in;
        EXPECT_EQ(text, c.out) << c.in;
    }
}

}  // namespace
}  // namespace kestrum
