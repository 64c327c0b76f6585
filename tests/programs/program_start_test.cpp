// Both programs as processes: started from a folder other than their own, closed the way a
// session ends them (SIGTERM), with their settings file in every state that matters.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "common/charset.h"

namespace kestrum {
namespace {

namespace fs = std::filesystem;

struct Program {
    const char* name;
    const char* executable;
    const char* settingsFile;  // UTF-8 file name
};

const Program kPrograms[] = {
    {"kestrum_xun", KESTRUM_XUN, "Kestrum.旬.ini"},
    {"kestrum_ri", KESTRUM_RI, "Kestrum.日.ini"},
};

std::string settingsText(const std::string& value) {
    return gbk("[设置]\r\n颜色=") + value + "\r\n";
}

std::optional<std::string> readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeWhole(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Whether the process has its own handler for SIGTERM yet, from /proc/<pid>/status.
bool catchesTermination(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

struct Outcome {
    bool exitedNormally = false;
    int exitCode = -1;
    int signal = 0;
};

// Starts the program in `workingFolder`, lets it come up, asks it to close and waits for it.
Outcome startAndClose(const fs::path& executable, const fs::path& workingFolder) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(workingFolder.c_str()) != 0)
            _exit(120);
        // On a display when there is one (the Xvfb run of these tests), offscreen otherwise.
        if (!std::getenv("DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Nothing answers here: a quote load fails at once instead of reaching the internet.
        setenv("KESTRUM_QUOTE_BASE", "http://127.0.0.1:9", 1);
        execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
        _exit(121);
    }
    Outcome outcome;
    if (pid < 0)
        return outcome;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    bool asked = false;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            ADD_FAILURE() << "the program did not close in time";
            return outcome;
        }
        if (!asked && catchesTermination(pid)) {
            // The window may not exist yet; the request waits for the event loop.
            kill(pid, SIGTERM);
            asked = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    outcome.exitedNormally = WIFEXITED(status);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return outcome;
}

class ProgramStart : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/kestrum_start_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        // A folder name with a blank and Chinese characters, as users have them.
        programFolder_ = root_ / "程序 目录";
        elsewhere_ = root_ / "elsewhere";
        fs::create_directories(programFolder_);
        fs::create_directories(elsewhere_);
    }
    void TearDown() override {
        fs::permissions(programFolder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root_);
    }
    fs::path install(const Program& program) {
        const fs::path copy = programFolder_ / fs::path(program.executable).filename();
        fs::copy_file(program.executable, copy, fs::copy_options::overwrite_existing);
        return copy;
    }
    void expectNormalExit(const Outcome& outcome, const std::string& where) {
        EXPECT_TRUE(outcome.exitedNormally) << where << ": signal " << outcome.signal;
        EXPECT_EQ(outcome.exitCode, 0) << where;
    }

    fs::path root_;
    fs::path programFolder_;
    fs::path elsewhere_;
};

TEST_F(ProgramStart, SettingsAreReadAndWrittenInTheProgramsOwnFolder) {
    struct Case {
        const char* name;
        std::optional<std::string> before;
        std::string after;
    };
    const Case cases[] = {
        {"no file", std::nullopt, settingsText("1")},
        {"full-width 2 among other lines",
         gbk("[其他]\r\nk=v\r\n\r\n") + settingsText(gbk("２")) + "tail=1",
         gbk("[其他]\r\nk=v\r\n\r\n") + settingsText("2") + "tail=1"},
    };
    for (const Program& program : kPrograms) {
        for (const Case& c : cases) {
            const std::string where = std::string(program.name) + ", " + c.name;
            const fs::path executable = install(program);
            const fs::path settings = programFolder_ / program.settingsFile;
            fs::remove(settings);
            if (c.before)
                writeWhole(settings, *c.before);

            expectNormalExit(startAndClose(executable, elsewhere_), where);
            EXPECT_EQ(readWhole(settings), c.after) << where;
            EXPECT_FALSE(fs::exists(elsewhere_ / program.settingsFile)) << where;
        }
    }
}

TEST_F(ProgramStart, SettingsPathThatIsAFolderLeavesTheProgramWorking) {
    for (const Program& program : kPrograms) {
        const fs::path executable = install(program);
        const fs::path settings = programFolder_ / program.settingsFile;
        // A folder where the file should be: neither readable nor writable as a file.
        fs::create_directory(settings);
        expectNormalExit(startAndClose(executable, elsewhere_), program.name);
        EXPECT_TRUE(fs::is_directory(settings)) << program.name;
        fs::remove(settings);
    }
}

TEST_F(ProgramStart, ReadOnlySettingsFileOrFolderIsKeptAsItWas) {
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop the superuser";
    for (const Program& program : kPrograms) {
        const fs::path executable = install(program);
        const fs::path settings = programFolder_ / program.settingsFile;
        const std::string kept = settingsText("2") + gbk("[其他]\r\nk=v\r\n");
        writeWhole(settings, kept);
        fs::permissions(settings, fs::perms::owner_read);
        expectNormalExit(startAndClose(executable, elsewhere_), program.name);
        EXPECT_EQ(readWhole(settings), kept) << program.name;
        fs::remove(settings);

        fs::permissions(programFolder_, fs::perms::owner_read | fs::perms::owner_exec);
        expectNormalExit(startAndClose(executable, elsewhere_), program.name);
        EXPECT_FALSE(fs::exists(settings)) << program.name;
        fs::permissions(programFolder_, fs::perms::owner_all);
    }
}

}  // namespace
}  // namespace kestrum
