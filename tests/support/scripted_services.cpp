#include "support/scripted_services.h"

#include "common/file_system.h"

namespace kestrum {

ScriptedServices::ScriptedServices() : uiThread_(std::this_thread::get_id()) {}

void ScriptedServices::messageBox(const std::string& text, const std::string& caption) {
    messages.push_back({text, caption});
}

std::string ScriptedServices::runFileDialog(const FileDialogRequest& request) {
    dialogRequests.push_back(request);
    if (files && !dialogMovesCurrentDirectoryTo.empty())
        files->setCurrentDirectory(dialogMovesCurrentDirectoryTo);
    if (dialogAnswers.empty())
        return {};
    std::string answer = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    return answer;
}

std::string ScriptedServices::clipboardText() {
    return clipboard;
}

void ScriptedServices::openDocument(const std::string& pathOrAddress) {
    openedDocuments.push_back(pathOrAddress);
}

LocalTime ScriptedServices::localTime() {
    return clock;
}

void ScriptedServices::runModal(WindowDefinition definition) {
    modalTitles.push_back(definition.title);
    Form form(std::move(definition), *this);
    form.fireCreated();
    if (whileModalOpen)
        whileModalOpen(form);
    form.fireDestroying();
}

void ScriptedServices::playMidi(const std::string& midiBytes) {
    playedSongs.push_back(midiBytes);
    songPlaying = true;
}

void ScriptedServices::stopMidi() {
    ++stopCount;
    songPlaying = false;
}

void ScriptedServices::runOnUiThread(const std::function<void()>& work) {
    if (std::this_thread::get_id() == uiThread_) {
        work();
        return;
    }
    QueuedWork queued{&work};
    std::unique_lock lock(mutex_);
    queue_.push_back(&queued);
    changed_.notify_all();
    changed_.wait(lock, [&] { return queued.done; });
}

void ScriptedServices::repaintNow(Form&) {
    ++repaintCount;
}

int ScriptedServices::pumpUiWork() {
    int ran = 0;
    std::unique_lock lock(mutex_);
    while (!queue_.empty()) {
        QueuedWork* queued = queue_.front();
        queue_.pop_front();
        lock.unlock();
        (*queued->work)();
        lock.lock();
        queued->done = true;
        changed_.notify_all();
        ++ran;
    }
    return ran;
}

bool ScriptedServices::pumpUiWorkUntil(const std::function<bool()>& condition,
                                       std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        pumpUiWork();
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        // The condition may turn true without queued work (a worker ending), so look again
        // after a short while even when nothing arrives.
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::milliseconds(5), [&] { return !queue_.empty(); });
    }
}

}  // namespace kestrum
