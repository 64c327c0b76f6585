// The main window of kestrum_xun: the program-wide state it owns, its definition, and its
// created and will-be-destroyed handlers. Each feature's handlers live in a file of their own
// and are bound in main_window_definition.cpp.
#pragma once

#include "common/form/window_definition.h"
#include "common/skin/window_skin.h"
#include "tenday/http_transport.h"
#include "tenday/quote_list.h"
#include "tenday/tenday_record.h"

namespace kestrum {

class FileSystem;
class Services;

namespace tenday {

// Alive from program start to the exit clean-up; created empty.
struct TenDayProgram {
    TenDayProgram(Services& services, FileSystem& files);

    Services& services;
    FileSystem& files;
    WindowSkin skin;       // skinNumber and the skin counter
    bool musicOn = false;  // the music label last started the main song

    TenDayRecords allRecords;               // the ranking as loaded at start
    TenDayRecords batchRecords;             // the inflow batch of the last computation
    TenDayRecords screenedRecords;          // its stocks in the change range: the right list
    HttpTransportFactory newHttpTransport;  // the quote requests' transport; none loads nothing
    std::string quoteBase = quoteServiceBase();
};

WindowDefinition mainWindow(TenDayProgram& program);

void onMainWindowCreated(TenDayProgram& program, Form& form);
void onMainWindowDestroying(TenDayProgram& program, Form& form);
// "★": the next colour skin.
void onSkinLabelPressed(TenDayProgram& program, Form& form);

}  // namespace tenday
}  // namespace kestrum
