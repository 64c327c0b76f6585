// A loopback HTTP server for tests that need the exact bytes on the wire or a broken
// answer: it records each request as received and answers with the bytes a handler gives,
// then closes, resets or keeps the connection open without another word.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kestrum::testing {

class RawHttpServer {
  public:
    enum class Ending { Close, Reset, Hang };
    struct Reply {
        std::string bytes;
        Ending ending = Ending::Close;
    };
    using Handler = std::function<Reply(const std::string& request)>;

    explicit RawHttpServer(Handler handler);
    ~RawHttpServer();
    RawHttpServer(const RawHttpServer&) = delete;
    RawHttpServer& operator=(const RawHttpServer&) = delete;

    int port() const { return port_; }
    std::string url(const std::string& path = "/") const;
    // "127.0.0.1:port", for use as a proxy.
    std::string hostAndPort() const;
    // Each request's head and body as received.
    std::vector<std::string> requests() const;

    // A complete answer with Content-Length and "Connection: close"; extraHeaders are
    // whole lines, each ending in CR LF.
    static std::string response(int status, const std::string& body,
                                const std::string& extraHeaders = "");

  private:
    void serve();

    Handler handler_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::vector<int> hanging_;
    std::thread thread_;
};

}  // namespace kestrum::testing
