#include "raw_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>

namespace kestrum::testing {
namespace {

// Reads one request (head and, by Content-Length, body); gives up after two seconds.
std::string readRequest(int socket) {
    std::string data;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    size_t wanted = std::string::npos;
    while (std::chrono::steady_clock::now() < deadline) {
        if (wanted == std::string::npos) {
            size_t headEnd = data.find("\r\n\r\n");
            if (headEnd != std::string::npos) {
                std::string head = data.substr(0, headEnd);
                std::string lower = head;
                std::transform(lower.begin(), lower.end(), lower.begin(),
                               [](unsigned char c) { return std::tolower(c); });
                size_t length = 0;
                size_t at = lower.find("\r\ncontent-length:");
                if (at != std::string::npos)
                    length = std::stoul(head.substr(at + 17));
                wanted = headEnd + 4 + length;
            }
        }
        if (wanted != std::string::npos && data.size() >= wanted)
            break;
        pollfd fd{socket, POLLIN, 0};
        if (poll(&fd, 1, 50) <= 0)
            continue;
        char buffer[4096];
        ssize_t got = recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        data.append(buffer, static_cast<size_t>(got));
    }
    return data;
}

}  // namespace

RawHttpServer::RawHttpServer(Handler handler) : handler_(std::move(handler)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 16);
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

RawHttpServer::~RawHttpServer() {
    stopping_ = true;
    thread_.join();
    for (int socket : hanging_)
        close(socket);
    close(listener_);
}

std::string RawHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::string RawHttpServer::hostAndPort() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> RawHttpServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

std::string RawHttpServer::response(int status, const std::string& body,
                                    const std::string& extraHeaders) {
    return "HTTP/1.1 " + std::to_string(status) +
           " X\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n" +
           extraHeaders + "\r\n" + body;
}

void RawHttpServer::serve() {
    while (!stopping_) {
        pollfd fd{listener_, POLLIN, 0};
        if (poll(&fd, 1, 20) <= 0)
            continue;
        int socket = accept(listener_, nullptr, nullptr);
        if (socket < 0)
            continue;
        std::string request = readRequest(socket);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        Reply reply = handler_(request);
        size_t sent = 0;
        while (sent < reply.bytes.size()) {
            ssize_t wrote =
                send(socket, reply.bytes.data() + sent, reply.bytes.size() - sent, MSG_NOSIGNAL);
            if (wrote <= 0)
                break;
            sent += static_cast<size_t>(wrote);
        }
        if (reply.ending == Ending::Hang) {
            hanging_.push_back(socket);
            continue;
        }
        if (reply.ending == Ending::Reset) {
            linger hard{1, 0};
            setsockopt(socket, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        }
        close(socket);
    }
}

}  // namespace kestrum::testing
