// Either program's main window on scripted services and an in-memory file system, so one
// table of cases can run against both.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/form/form.h"
#include "common/skin/window_skin.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"

namespace kestrum {

class RunningProgram {
  public:
    virtual ~RunningProgram() = default;
    virtual Form& form() = 0;
    virtual const WindowSkin& skin() = 0;
};

struct ProgramUnderTest {
    const char* name;
    std::string settingsFile;  // GBK file name
    std::string starLabel;
    bool repaintsAfterStep;
    std::vector<std::string> batchRadios;  // empty for kestrum_ri
    std::function<std::unique_ptr<RunningProgram>(ScriptedServices&, MemoryFileSystem&)> start;
};

std::vector<ProgramUnderTest> bothPrograms();

}  // namespace kestrum
