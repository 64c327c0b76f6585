// The one platform call behind HttpRequestObject: a complete HTTP exchange. platform/curl
// implements it; tests put a recording one in its place. Texts are passed as the request
// object builds them (GBK); the body comes back as raw bytes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrum {

struct HttpExchange {
    std::string verb = "GET";
    std::string url;
    // Request headers in the order they were set; a name occurs once.
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    // One value for resolving, connecting, sending and waiting for data; none keeps the
    // transport's own time-outs.
    std::optional<int> timeoutMilliseconds;
    std::string proxy;  // empty: no proxy (also none from the environment)
    bool followRedirects = true;
    // Credentials handed to the transport: for the proxy when credentialsTarget is 1, for
    // the server when it is 0.
    bool hasCredentials = false;
    std::string user;
    std::string password;
    int credentialsTarget = 1;
};

struct HttpReply {
    std::string body;     // raw bytes
    std::string headers;  // header lines of the final response, without the status line
    int status = 0;
};

class HttpTransport {
  public:
    virtual ~HttpTransport() = default;
    // Blocks until the answer has arrived or a time-out expired. Any failure gives an empty
    // reply (no body, no headers, status 0).
    virtual HttpReply exchange(const HttpExchange& request) = 0;
};

// Makes a new transport for a request; null when none can be made.
using HttpTransportFactory = std::function<std::unique_ptr<HttpTransport>()>;

}  // namespace kestrum
