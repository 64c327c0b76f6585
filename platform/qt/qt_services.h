// Services on Qt: message boxes, QFileDialog, the clipboard, QDesktopServices, modal windows
// built from definitions, a MIDI player when one is given, and the GUI thread.
#pragma once

#include <map>

#include "common/form/services.h"

class QWidget;

namespace kestrum {

class MidiPlayer;

class QtServices : public Services {
  public:
    // Without a player the programs stay silent.
    void setMidiPlayer(MidiPlayer* player) { player_ = player; }

    // The widget that shows a form, so dialogs can name it as their owner.
    void registerWindow(const Form& form, QWidget* widget);
    void unregisterWindow(const Form& form);
    QWidget* windowOf(const Form& form) const;

    void messageBox(const std::string& text, const std::string& caption) override;
    using Services::messageBox;
    std::string runFileDialog(const FileDialogRequest& request) override;
    std::string clipboardText() override;
    void openDocument(const std::string& pathOrAddress) override;
    LocalTime localTime() override;
    void runModal(WindowDefinition definition) override;
    void playMidi(const std::string& midiBytes) override;
    void stopMidi() override;
    void runOnUiThread(const std::function<void()>& work) override;
    void repaintNow(Form& form) override;

  private:
    QWidget* activeWindow() const;

    MidiPlayer* player_ = nullptr;
    std::map<const Form*, QWidget*> windows_;
};

}  // namespace kestrum
