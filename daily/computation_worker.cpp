#include "daily/computation_worker.h"

#include <condition_variable>
#include <mutex>
#include <system_error>

#include "common/form/services.h"

namespace kestrum {

// Shared by the user-interface thread and one worker; outlives both if need be.
struct ComputationWorker::Channel {
    std::mutex mutex;
    std::condition_variable changed;
    bool closed = false;      // set by close(): the hand-over must not run
    bool handing = false;     // the worker has passed its hand-over to the user-interface thread
    bool handedOver = false;  // the user-interface thread has taken it
    bool finished = false;    // the worker has nothing left to do
    std::atomic<bool> stopRequested{false};
};

ComputationWorker::ComputationWorker()
    : startThread_([](std::function<void()> body) { return std::thread(std::move(body)); }) {}

ComputationWorker::~ComputationWorker() {
    close();
}

bool ComputationWorker::start(Services& services, Work work) {
    // The previous worker has normally handed over already and is at most returning.
    close();
    auto channel = std::make_shared<Channel>();
    auto body = [channel, &services, work = std::move(work)] {
        const std::function<void()> handOver = work(channel->stopRequested);
        {
            std::lock_guard lock(channel->mutex);
            if (channel->closed) {
                channel->finished = true;
                channel->changed.notify_all();
                return;
            }
            channel->handing = true;
        }
        // Both close() and this check run on the user-interface thread, so a closed window
        // never sees the hand-over.
        services.runOnUiThread([&channel, &handOver] {
            bool closed = false;
            {
                std::lock_guard lock(channel->mutex);
                closed = channel->closed;
                channel->handedOver = true;
            }
            if (!closed)
                handOver();
        });
        std::lock_guard lock(channel->mutex);
        channel->finished = true;
        channel->changed.notify_all();
    };
    try {
        thread_ = startThread_(std::move(body));
    } catch (const std::system_error&) {
        return false;
    }
    channel_ = std::move(channel);
    return true;
}

void ComputationWorker::close() {
    if (!channel_)
        return;
    channel_->stopRequested = true;
    std::unique_lock lock(channel_->mutex);
    channel_->closed = true;
    if (channel_->handing && !channel_->handedOver) {
        // It waits for this thread to take its hand-over, which would now do nothing; waiting
        // for it here would never end.
        lock.unlock();
        if (thread_.joinable())
            thread_.detach();
    } else {
        channel_->changed.wait(lock, [this] { return channel_->finished; });
        lock.unlock();
        if (thread_.joinable())
            thread_.join();
    }
    channel_.reset();
}

}  // namespace kestrum
