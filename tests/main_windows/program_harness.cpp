#include "program_harness.h"

#include "common/charset.h"
#include "daily/main_window.h"
#include "tenday/main_window.h"

namespace kestrum {
namespace {

template <class Program>
class Running : public RunningProgram {
  public:
    Running(ScriptedServices& services, MemoryFileSystem& files)
        : program_(services, files), form_(mainWindow(program_), services) {}
    Form& form() override { return form_; }
    const WindowSkin& skin() override { return program_.skin; }

  private:
    Program program_;
    Form form_;
};

template <class Program>
std::unique_ptr<RunningProgram> start(ScriptedServices& services, MemoryFileSystem& files) {
    return std::make_unique<Running<Program>>(services, files);
}

}  // namespace

std::vector<ProgramUnderTest> bothPrograms() {
    return {
        {"kestrum_xun",
         gbk("Kestrum.旬.ini"),
         "标签_皮肤",
         false,
         {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"},
         start<tenday::TenDayProgram>},
        {"kestrum_ri", gbk("Kestrum.日.ini"), "标签99", true, {}, start<daily::DailyProgram>},
    };
}

}  // namespace kestrum
