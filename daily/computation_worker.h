// Runs one computation at a time on a fresh thread and hands its result to the
// user-interface thread. The work gets copies of everything it reads, so handlers stay free
// to change the program's state while it runs; only the hand-over touches that state, on the
// user-interface thread.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace kestrum {

class Services;

class ComputationWorker {
  public:
    // The work, run on the worker thread, returns the hand-over to run on the UI thread. It
    // may give up early once `stopRequested` turns true: its result is not wanted then.
    using Work = std::function<std::function<void()>(const std::atomic<bool>& stopRequested)>;
    // Starts a thread; throws std::system_error when none can be started (as std::thread does).
    using ThreadStarter = std::function<std::thread(std::function<void()>)>;

    ComputationWorker();
    ComputationWorker(const ComputationWorker&) = delete;
    ComputationWorker& operator=(const ComputationWorker&) = delete;
    ~ComputationWorker();  // closes

    // User-interface thread. False when no thread could be started; nothing runs then.
    bool start(Services& services, Work work);

    // User-interface thread, before the state the hand-over uses goes away: no hand-over runs
    // after this. Asks a computation still running to stop and waits for it. A worker already
    // waiting for the user-interface thread to take its (now empty) hand-over is left to end
    // on its own.
    void close();

    void setThreadStarter(ThreadStarter starter) { startThread_ = std::move(starter); }

  private:
    struct Channel;

    ThreadStarter startThread_;
    std::shared_ptr<Channel> channel_;
    std::thread thread_;
};

}  // namespace kestrum
