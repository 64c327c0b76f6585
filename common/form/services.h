// What a handler needs beyond its form: message box, file dialogs, clipboard, opening a
// document or address, the local time, modal windows, music, and the user-interface thread.
// platform/qt implements it for real; tests/support/scripted_services.h scripts it.
// All texts are GBK.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/form/window_definition.h"

namespace kestrum {

class Form;

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// One open or save dialog, with the fields the dialog call is filled with.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    const Form* owner = nullptr;  // window the dialog is modal to, or none
    std::string title;
    std::vector<std::string> filterPieces;  // display name, pattern, display name, pattern...
    int filterIndex = 1;                    // 1-based pair in filterPieces
    std::string defaultFileName;            // offered in the file name box
    int maxFile = 512;                      // room left for the chosen path, in bytes
    std::string initialDirectory;
    bool emptyDefaultExtension = false;  // an empty (not absent) default extension was given
};

class Services {
  public:
    virtual ~Services() = default;

    static std::string defaultMessageCaption();  // "信息："

    // Modal, OK button only.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;
    void messageBox(const std::string& text) { messageBox(text, defaultMessageCaption()); }

    // The chosen path, or the empty text when the user cancels. Never asks before a file is
    // replaced, never requires the chosen file to exist.
    virtual std::string runFileDialog(const FileDialogRequest& request) = 0;

    // The clipboard's plain text (empty when there is none).
    virtual std::string clipboardText() = 0;

    // Opens a file with its associated program, or an address in the browser; the result is
    // not reported.
    virtual void openDocument(const std::string& pathOrAddress) = 0;

    virtual LocalTime localTime() = 0;

    // Builds a window from the definition and shows it modally; returns when it is closed.
    // Its created handler runs before it takes input, its will-be-destroyed handler while its
    // controls still exist.
    virtual void runModal(WindowDefinition definition) = 0;

    // Standard MIDI file bytes played once in the background; a new play stops the old song.
    virtual void playMidi(const std::string& midiBytes) = 0;
    virtual void stopMidi() = 0;

    // Runs the work on the user-interface thread and returns after it ran. From the
    // user-interface thread itself it runs at once.
    virtual void runOnUiThread(const std::function<void()>& work) = 0;

    // Paints the form's window now instead of at the next turn of the event loop.
    virtual void repaintNow(Form& form) = 0;
};

}  // namespace kestrum
