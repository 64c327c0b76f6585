// kestrum_xun: the ten-day screener's window on the Qt backend.
#include "common/form/form.h"
#include "platform/curl/curl_transport.h"
#include "platform/files/posix_file_system.h"
#include "platform/music/fluidsynth_midi_player.h"
#include "platform/qt/qt_application.h"
#include "tenday/main_window.h"

int main(int argc, char** argv) {
    kestrum::PosixFileSystem files;
    // The settings file lies beside the program whatever folder it was started from.
    files.setCurrentDirectory(files.programFolder());

    kestrum::QtApplication application(argc, argv);
    kestrum::FluidSynthMidiPlayer player;
    application.services().setMidiPlayer(&player);

    kestrum::tenday::TenDayProgram program(application.services(), files);
    program.newHttpTransport = kestrum::curlTransportFactory();
    kestrum::Form form(kestrum::tenday::mainWindow(program), application.services());
    return application.run(form);
}
