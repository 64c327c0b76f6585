// kestrum_quote_server [--port N] [--stocks N] [--above N] [--delay-ms N]
// Serves a synthetic market on 127.0.0.1 and prints its base address, then runs until it
// gets SIGINT or SIGTERM. --delay-ms holds every answer back, like a slow network.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "tools/quote_server/quote_server.h"

int main(int argc, char** argv) {
    int port = 0;
    int delayMilliseconds = 0;
    kestrum::fixture::MarketShape shape;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--port") == 0)
            port = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--stocks") == 0)
            shape.stocks = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--above") == 0)
            shape.atOrAboveThreshold = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--delay-ms") == 0)
            delayMilliseconds = std::atoi(argv[i + 1]);
    }

    // Signals are taken by sigwait below, not by a handler on some other thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    kestrum::fixture::PageSource pages =
        kestrum::fixture::marketPages(kestrum::fixture::makeMarket(shape));
    if (delayMilliseconds > 0) {
        pages = [pages, delayMilliseconds](int page, int pageSize) {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMilliseconds));
            return pages(page, pageSize);
        };
    }
    kestrum::fixture::QuoteServer server(pages, port);
    if (!server.listening()) {
        std::fprintf(stderr, "kestrum_quote_server: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("%s\n", server.base().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}
