// One complete HTTP exchange with browser-like default headers, optional proxy with Basic
// credentials, and a cookie text that works as a jar across calls.
#pragma once

#include <cstdint>
#include <string>

#include "tenday/http_transport.h"

namespace kestrum {

// Everything fetch() takes besides the address. A member left at its initial value acts as
// an omitted parameter; a value that is set is used as it is, 0 and false included. Outputs
// point at the caller's variables; null outputs are simply not reported.
struct FetchParameters {
    std::int32_t method = 0;  // index into the verb table; outside 0..7 means GET
    std::string body;         // sent when bodyBytes is empty
    // The cookie text to send. Given (not null) switches cookie handling on; fetch removes a
    // "Cookie:" prefix and, with mergeCookies, writes the merged cookie list back.
    std::string* cookies = nullptr;
    std::string* receivedCookies = nullptr;  // cookies the response set, "; "-separated
    std::string extraHeaders;                // "Name: value" lines separated by CR LF
    std::string* responseHeaders = nullptr;  // the response's header text
    std::int32_t* statusCode = nullptr;      // 0 when no answer came
    bool noRedirect = false;
    std::string bodyBytes;
    std::string proxy;  // "host:port"; empty means none
    // -1 keeps the transport's own time-outs; below 1 means 15 seconds.
    std::int32_t timeoutSeconds = 0;
    std::string proxyUser;
    std::string proxyPassword;
    // 1: the credentials are for the proxy (and a Proxy-Authorization header is added);
    // 0: for the server.
    std::int32_t credentialsTarget = 1;
    HttpTransport* requestObject = nullptr;  // used instead of a new transport when given
    bool mergeCookies = true;
    bool addDefaultHeaders = true;
    bool normaliseHeaderNames = true;
};

// The request verbs by method number.
extern const char* const kMethodVerbs[8];

class HttpRequestObject {
  public:
    explicit HttpRequestObject(HttpTransportFactory newTransport);

    // Sends the request and returns the response body as raw bytes (also for error
    // statuses). A failed exchange gives empty bytes, empty headers and status 0; when no
    // transport can be made nothing is sent and no output is written.
    std::string fetch(const std::string& url, const FetchParameters& parameters = {}) const;

  private:
    HttpTransportFactory newTransport_;
};

}  // namespace kestrum
