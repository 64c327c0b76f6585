#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/charset.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpFile = fs::u8path(KESTRUM_HELP_FILE);
const char* const kPages[] = {"index.html",   "tables.html", "import.html",
                              "compute.html", "tenday.html", "export.html"};

std::string runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    std::size_t read;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, read);
    pclose(pipe);
    return output;
}

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

TEST(HelpFile, ListsEveryPageWithContentsAndIndex) {
    ASSERT_TRUE(fs::exists(kHelpFile));
    const std::string listing = runCommand("chmls list " + quoted(kHelpFile));
    for (const char* page : kPages)
        EXPECT_NE(listing.find(std::string("/") + page), std::string::npos) << page;
    EXPECT_NE(listing.find("/toc.hhc"), std::string::npos);
    EXPECT_NE(listing.find("/index.hhk"), std::string::npos);
}

TEST(HelpFile, IsMarkedSimplifiedChinese) {
    const std::string bytes = readWhole(kHelpFile);
    ASSERT_GE(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 4), "ITSF");
    const auto language =
        static_cast<std::uint8_t>(bytes[20]) | static_cast<std::uint8_t>(bytes[21]) << 8;
    EXPECT_EQ(language, 0x0804);
}

TEST(HelpFile, PagesAreGbkAndTeachTheDailyWorkflow) {
    const fs::path scratch =
        fs::temp_directory_path() / ("kestrum-help-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    struct Case {
        const char* page;
        const char* mustMention;  // UTF-8 here, looked for as GBK in the page
    };
    const Case cases[] = {
        {"tables.html", "资金流向"}, {"tables.html", "阶段统计"},      {"tables.html", "盈利预测"},
        {"import.html", "剪贴板"},   {"import.html", "打开文件"},      {"compute.html", "计算"},
        {"compute.html", "0.5 亿"},  {"compute.html", "二十日涨跌幅"}, {"tenday.html", "第五"},
        {"export.html", "导出"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " / " + c.mustMention);
        const fs::path out = scratch / c.page;
        runCommand("chmls extract " + quoted(kHelpFile) + " /" + c.page + " " + quoted(out));
        const std::string page = readWhole(out);
        ASSERT_FALSE(page.empty());
        EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
        EXPECT_NE(page.find(gbk(c.mustMention)), std::string::npos);
        EXPECT_EQ(page.find(c.mustMention), std::string::npos) << "not UTF-8";
    }
    fs::remove_all(scratch);
}

TEST(HelpFile, LiesBesideEachProgram) {
    const std::string programFolders = KESTRUM_PROGRAM_FOLDERS;
    if (programFolders.empty())
        GTEST_SKIP() << "no program is built in this tree";
    const std::string built = readWhole(kHelpFile);
    std::size_t start = 0;
    while (start < programFolders.size()) {
        const std::size_t end = programFolders.find('|', start);
        const fs::path copy =
            fs::u8path(programFolders.substr(start, end - start)) / fs::u8path("Dovralin 说明.CHM");
        EXPECT_EQ(readWhole(copy), built) << copy;
        start = end + 1;
    }
}

}  // namespace
}  // namespace kestrum
