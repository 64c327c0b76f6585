// kestrum_ri: the daily screener's window on the Qt backend.
#include "common/form/form.h"
#include "daily/main_window.h"
#include "platform/files/posix_file_system.h"
#include "platform/music/fluidsynth_midi_player.h"
#include "platform/qt/qt_application.h"

int main(int argc, char** argv) {
    kestrum::PosixFileSystem files;
    // The settings file lies beside the program whatever folder it was started from.
    files.setCurrentDirectory(files.programFolder());

    kestrum::QtApplication application(argc, argv);
    kestrum::FluidSynthMidiPlayer player;
    application.services().setMidiPlayer(&player);

    kestrum::daily::DailyProgram program(application.services(), files);
    kestrum::Form form(kestrum::daily::mainWindow(program), application.services());
    return application.run(form);
}
