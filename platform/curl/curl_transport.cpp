#include "platform/curl/curl_transport.h"

#include <curl/curl.h>

#include <mutex>
#include <string>

#include "common/charset.h"

namespace kestrum {
namespace {

// The transport's own time-outs, used when a request keeps them: a minute to connect and
// half a minute without any data arriving.
constexpr long kOwnConnectTimeoutMilliseconds = 60000;
constexpr long kOwnIdleSeconds = 30;
// A body larger than this is refused instead of filling memory.
constexpr size_t kMaxBodyBytes = 64u << 20;
constexpr long kMaxRedirects = 10;

// The connection cache every easy handle shares.
class SharedConnections {
  public:
    SharedConnections() {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        share_ = curl_share_init();
        curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &SharedConnections::lock);
        curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &SharedConnections::unlock);
        curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
        curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
        curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }
    ~SharedConnections() { curl_share_cleanup(share_); }

    CURLSH* handle() const { return share_; }

  private:
    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
        static_cast<SharedConnections*>(self)->mutexes_[data % kLocks].lock();
    }
    static void unlock(CURL*, curl_lock_data data, void* self) {
        static_cast<SharedConnections*>(self)->mutexes_[data % kLocks].unlock();
    }

    static constexpr int kLocks = CURL_LOCK_DATA_LAST;
    std::mutex mutexes_[kLocks];
    CURLSH* share_ = nullptr;
};

SharedConnections& sharedConnections() {
    static SharedConnections connections;
    return connections;
}

struct Received {
    std::string body;
    std::string headers;
    bool tooLarge = false;
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* received = static_cast<Received*>(user);
    const size_t bytes = size * count;
    if (received->body.size() + bytes > kMaxBodyBytes) {
        received->tooLarge = true;
        return 0;  // stops the transfer
    }
    received->body.append(data, bytes);
    return bytes;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto* received = static_cast<Received*>(user);
    const size_t bytes = size * count;
    std::string_view line(data, bytes);
    // Every response (a redirect, an interim 100) starts with its status line; only the
    // last response's headers count.
    if (line.substr(0, 5) == "HTTP/")
        received->headers.clear();
    else
        received->headers.append(line);
    return bytes;
}

class CurlTransport : public HttpTransport {
  public:
    CurlTransport() : easy_(curl_easy_init()) {}
    ~CurlTransport() override {
        if (easy_ != nullptr)
            curl_easy_cleanup(easy_);
    }
    CurlTransport(const CurlTransport&) = delete;
    CurlTransport& operator=(const CurlTransport&) = delete;

    bool valid() const { return easy_ != nullptr; }

    HttpReply exchange(const HttpExchange& request) override {
        HttpReply reply;
        if (easy_ == nullptr)
            return reply;
        curl_easy_reset(easy_);
        Received received;
        const std::string url = gbkToUtf8(request.url);
        curl_easy_setopt(easy_, CURLOPT_SHARE, sharedConnections().handle());
        curl_easy_setopt(easy_, CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYHOST, 2L);
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &onBody);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, &received);
        curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &onHeader);
        curl_easy_setopt(easy_, CURLOPT_HEADERDATA, &received);
        curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
        curl_easy_setopt(easy_, CURLOPT_MAXREDIRS, kMaxRedirects);
        // An empty proxy also keeps proxies named in the environment out.
        curl_easy_setopt(easy_, CURLOPT_PROXY, request.proxy.c_str());

        if (request.timeoutMilliseconds) {
            const long milliseconds = std::max(1, *request.timeoutMilliseconds);
            curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, milliseconds);
            // No byte for this long ends the transfer; the overall limit is the four phases.
            curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
            curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, std::max(1L, milliseconds / 1000));
            curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, 4 * milliseconds);
        } else {
            curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, kOwnConnectTimeoutMilliseconds);
            curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
            curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, kOwnIdleSeconds);
        }

        if (request.hasCredentials) {
            if (request.credentialsTarget == 1) {
                curl_easy_setopt(easy_, CURLOPT_PROXYUSERNAME, request.user.c_str());
                curl_easy_setopt(easy_, CURLOPT_PROXYPASSWORD, request.password.c_str());
            } else {
                curl_easy_setopt(easy_, CURLOPT_USERNAME, request.user.c_str());
                curl_easy_setopt(easy_, CURLOPT_PASSWORD, request.password.c_str());
            }
        }

        if (request.verb == "HEAD") {
            curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
        } else if (request.verb == "POST" || !request.body.empty()) {
            curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, request.body.data());
            curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE_LARGE,
                             static_cast<curl_off_t>(request.body.size()));
            if (request.verb != "POST")
                curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
        } else if (request.verb != "GET") {
            curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
        }

        curl_slist* headers = nullptr;
        for (const auto& [name, value] : request.headers) {
            // A line break inside a header would start a header of its own.
            if ((name + value).find_first_of("\r\n") != std::string::npos)
                continue;
            // "Name;" is how curl is told to send a header with an empty value.
            std::string line = value.empty() ? name + ";" : name + ": " + value;
            headers = curl_slist_append(headers, line.c_str());
        }
        // curl's own Accept and Content-Type lines and its 100-continue wait are not part of
        // the request: only what the caller set is sent.
        for (const char* own : {"Accept", "Content-Type"}) {
            bool given = false;
            for (const auto& header : request.headers)
                given = given || curl_strequal(header.first.c_str(), own);
            if (!given)
                headers = curl_slist_append(headers, (std::string(own) + ":").c_str());
        }
        headers = curl_slist_append(headers, "Expect:");
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers);

        const CURLcode result = curl_easy_perform(easy_);
        long status = 0;
        curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, nullptr);
        curl_slist_free_all(headers);
        if (result != CURLE_OK || received.tooLarge)
            return reply;
        reply.body = std::move(received.body);
        reply.headers = std::move(received.headers);
        reply.status = static_cast<int>(status);
        return reply;
    }

  private:
    CURL* easy_;
};

}  // namespace

std::unique_ptr<HttpTransport> makeCurlTransport() {
    sharedConnections();
    auto transport = std::make_unique<CurlTransport>();
    if (!transport->valid())
        return nullptr;
    return transport;
}

HttpTransportFactory curlTransportFactory() {
    return [] { return makeCurlTransport(); };
}

}  // namespace kestrum
