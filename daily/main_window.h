// The main window of kestrum_ri: the program-wide state it owns, its definition, and its
// created and will-be-destroyed handlers. Each feature's handlers live in a file of their own
// and are bound in main_window_definition.cpp.
#pragma once

#include <string>

#include "common/form/window_definition.h"
#include "common/skin/window_skin.h"
#include "daily/computation_worker.h"
#include "daily/daily_record.h"

namespace kestrum {

class FileSystem;
class Services;

namespace daily {

// Alive from program start to releaseProgramState; created empty.
struct DailyProgram {
    DailyProgram(Services& services, FileSystem& files);

    Services& services;
    FileSystem& files;
    // The three imported tables, GBK, empty until imported.
    std::string fundFlowText;
    std::string periodStatsText;
    std::string profitForecastText;
    WindowSkin skin;       // skinNumber and the skin counter
    bool musicOn = false;  // the music label last started the main song
    // Rebuilt by every computation, handed over on the user-interface thread.
    DailyRecordTable fundFlowRecords;
    DailyRecordTable resultRecords;  // also reordered by the sorting headings
    // Last member: destroyed first, so no hand-over can reach the state above.
    ComputationWorker worker;
};

WindowDefinition mainWindow(DailyProgram& program);

void onMainWindowCreated(DailyProgram& program, Form& form);
void onMainWindowDestroying(DailyProgram& program, Form& form);
// "☆": the next colour skin, painted at once.
void onSkinLabelPressed(DailyProgram& program, Form& form);

}  // namespace daily
}  // namespace kestrum
