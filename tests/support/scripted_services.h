// Services for handler tests: dialogs, clipboard and clock answer from a script, and what the
// handlers asked for (messages, dialogs, opened documents, songs, modal windows) is recorded.
//
// The thread that creates it plays the user-interface thread: runOnUiThread from that thread
// runs at once; from any other thread the work waits in a queue until the test thread pumps
// it (pumpUiWork / pumpUiWorkUntil), and the caller returns after it ran.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/form/form.h"
#include "common/form/services.h"

namespace kestrum {

class FileSystem;

class ScriptedServices : public Services {
  public:
    ScriptedServices();

    // --- script ---
    // Answers of the next file dialogs, in order; an empty answer, or none left, is a cancel.
    std::deque<std::string> dialogAnswers;
    // A real dialog may leave the current directory in the chosen file's folder; set this to
    // have each dialog move the current directory of `files` there.
    FileSystem* files = nullptr;
    std::string dialogMovesCurrentDirectoryTo;
    std::string clipboard;
    LocalTime clock{2021, 11, 20, 9, 5, 7};
    // Runs while a modal window is open, with that window's form (to click in it).
    std::function<void(Form&)> whileModalOpen;

    // --- record ---
    struct Message {
        std::string text;
        std::string caption;
    };
    std::vector<Message> messages;
    std::vector<FileDialogRequest> dialogRequests;
    std::vector<std::string> openedDocuments;
    std::vector<std::string> playedSongs;  // every song started, in order
    int stopCount = 0;
    bool songPlaying = false;
    std::vector<std::string> modalTitles;
    int repaintCount = 0;

    // --- Services ---
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

    // Runs the work other threads queued so far; returns how many ran.
    int pumpUiWork();
    // Pumps until the condition holds (checked on this thread) or the time-out passes.
    bool pumpUiWorkUntil(const std::function<bool()>& condition,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10));

  private:
    struct QueuedWork {
        const std::function<void()>* work;
        bool done = false;
    };
    std::thread::id uiThread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<QueuedWork*> queue_;
};

}  // namespace kestrum
