#include "tenday/http_request.h"

#include <gtest/gtest.h>

#include <chrono>

#include "platform/curl/curl_transport.h"
#include "raw_http_server.h"

namespace kestrum {
namespace {

using testing::RawHttpServer;

// Records the exchange it is given and answers with a prepared reply.
class RecordingTransport : public HttpTransport {
  public:
    HttpReply exchange(const HttpExchange& request) override {
        requests.push_back(request);
        return reply;
    }
    std::vector<HttpExchange> requests;
    HttpReply reply;
};

TEST(HttpRequest, TimeoutsAndRequestObject) {
    struct Case {
        std::int32_t timeoutSeconds;
        std::optional<int> milliseconds;
    };
    const Case cases[] = {{0, 15000}, {-5, 15000}, {-1, std::nullopt},
                          {3, 3000},  {1, 1000},   {INT32_MAX, INT32_MAX}};
    int made = 0;
    HttpRequestObject request([&made]() -> std::unique_ptr<HttpTransport> {
        ++made;
        return nullptr;
    });
    RecordingTransport transport;
    for (const Case& c : cases) {
        FetchParameters parameters;
        parameters.timeoutSeconds = c.timeoutSeconds;
        parameters.requestObject = &transport;
        request.fetch("http://h/", parameters);
        EXPECT_EQ(transport.requests.back().timeoutMilliseconds, c.milliseconds)
            << c.timeoutSeconds;
    }
    EXPECT_EQ(made, 0) << "a given request object is used instead of a new one";
}

TEST(HttpRequest, NoTransportMeansNothingSentAndNothingWritten) {
    HttpRequestObject request([] { return std::unique_ptr<HttpTransport>(); });
    std::string headers = "untouched";
    std::int32_t status = 7;
    std::string cookies = "a=1";
    FetchParameters parameters;
    parameters.responseHeaders = &headers;
    parameters.statusCode = &status;
    parameters.cookies = &cookies;
    EXPECT_EQ(request.fetch("http://h/", parameters), "");
    EXPECT_EQ(headers, "untouched");
    EXPECT_EQ(status, 7);
    EXPECT_EQ(cookies, "a=1");
}

TEST(HttpRequest, HeaderLinesAsTheObjectSetsThem) {
    RecordingTransport transport;
    HttpRequestObject request([] { return std::unique_ptr<HttpTransport>(); });
    using Headers = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        const char* name;
        std::function<void(FetchParameters&)> setUp;
        Headers headers;
    };
    const std::string userAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
    const Case cases[] = {
        {"defaults",
         [](FetchParameters&) {},
         {{"Accept", "*/*"},
          {"Referer", "http://h/p"},
          {"Accept-Language", "zh-cn"},
          {"User-Agent", userAgent}}},
        {"no defaults, names kept as written",
         [](FetchParameters& p) {
             p.addDefaultHeaders = false;
             p.normaliseHeaderNames = false;
             p.extraHeaders = "x-one: 1\r\nno colon";
         },
         {{"x-one", "1"}}},
        {"one line without CR LF",
         [](FetchParameters& p) {
             p.addDefaultHeaders = false;
             p.extraHeaders = "x-only: v";
         },
         {{"X-Only", "v"}}},
        {"proxy credentials and cookie come first",
         [](FetchParameters& p) {
             static std::string cookies;
             cookies = "a=1";
             p.cookies = &cookies;
             p.proxy = "127.0.0.1:9";
             p.proxyUser = "u";
             p.addDefaultHeaders = false;
             p.extraHeaders = "X-A: 1";
         },
         {{"Proxy-Authorization", "Basic dTo="}, {"Cookie", "a=1"}, {"X-A", "1"}}},
        {"credentials for the server add no header",
         [](FetchParameters& p) {
             p.proxy = "127.0.0.1:9";
             p.proxyUser = "u";
             p.credentialsTarget = 0;
             p.addDefaultHeaders = false;
         },
         {}},
        {"a name set twice keeps its first place",
         [](FetchParameters& p) {
             p.addDefaultHeaders = false;
             p.extraHeaders = "A: 1\r\nB: 2\r\na: 3";
         },
         {{"A", "3"}, {"B", "2"}}},
    };
    for (const Case& c : cases) {
        FetchParameters parameters;
        parameters.requestObject = &transport;
        c.setUp(parameters);
        request.fetch("http://h/p", parameters);
        EXPECT_EQ(transport.requests.back().headers, c.headers) << c.name;
    }
    EXPECT_TRUE(transport.requests[3].hasCredentials);
    EXPECT_EQ(transport.requests[3].credentialsTarget, 1);
    EXPECT_EQ(transport.requests[4].credentialsTarget, 0);
    EXPECT_FALSE(transport.requests[0].hasCredentials);
}

// Against a real loopback server: each case's request as it arrived on the wire.
TEST(HttpRequest, RequestsOnTheWire) {
    RawHttpServer server([](const std::string&) {
        return RawHttpServer::Reply{RawHttpServer::response(200, "ok")};
    });
    HttpRequestObject request(curlTransportFactory());
    const std::string url = server.url("/p?x=1");
    std::string cookieJar;

    struct Case {
        const char* name;
        std::function<void(FetchParameters&)> setUp;
        std::string firstLine;
        std::vector<std::string> present = {};
        std::vector<std::string> absent = {};
    };
    const Case cases[] = {
        {"defaults in order",
         [](FetchParameters&) {},
         "GET /p?x=1 HTTP/1.1",
         {"\r\nAccept: */*\r\nReferer: " + url +
          "\r\nAccept-Language: zh-cn\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; "
          "Windows NT 6.1)\r\n"},
         {"Cookie", "Proxy-Authorization", "Content-Type"}},
        {"method 8 is GET", [](FetchParameters& p) { p.method = 8; }, "GET /p?x=1 HTTP/1.1"},
        {"method -1 is GET", [](FetchParameters& p) { p.method = -1; }, "GET /p?x=1 HTTP/1.1"},
        {"method 3 is PUT",
         [](FetchParameters& p) {
             p.method = 3;
             p.body = "b";
         },
         "PUT /p?x=1 HTTP/1.1",
         {"\r\n\r\nb"},
         {"Content-Type"}},
        {"POST adds a form content type",
         [](FetchParameters& p) {
             p.method = 1;
             p.body = "a=1&b=2";
         },
         "POST /p?x=1 HTTP/1.1",
         {"\r\nContent-Type: application/x-www-form-urlencoded\r\n", "\r\n\r\na=1&b=2"}},
        {"POST keeps the caller's content type in any case",
         [](FetchParameters& p) {
             p.method = 1;
             p.extraHeaders = "content-type: text/plain";
             p.bodyBytes = std::string("\0\1", 2);
             p.body = "ignored";
         },
         "POST /p?x=1 HTTP/1.1",
         {"\r\nContent-Type: text/plain\r\n", std::string("\r\n\r\n\0\1", 6)},
         {"urlencoded", "ignored"}},
        {"X-Accept suppresses the default Accept",
         [](FetchParameters& p) { p.extraHeaders = "X-Accept: 1"; },
         "GET /p?x=1 HTTP/1.1",
         {"\r\nX-Accept: 1\r\n"},
         {"\r\nAccept:"}},
        {"accept in lower case is sent as Accept",
         [](FetchParameters& p) { p.extraHeaders = "accept: text/html"; },
         "GET /p?x=1 HTTP/1.1",
         {"\r\nAccept: text/html\r\n"},
         {"*/*"}},
        {"keep-alive is not set, close is",
         [](FetchParameters& p) { p.extraHeaders = "Connection: keep-alive\r\nX-B: 2"; },
         "GET /p?x=1 HTTP/1.1",
         {"\r\nX-B: 2\r\n"},
         {"keep-alive"}},
        {"Connection: close is set",
         [](FetchParameters& p) { p.extraHeaders = "Connection: close\r\nX-B: 2"; },
         "GET /p?x=1 HTTP/1.1",
         {"\r\nConnection: close\r\n"}},
        {"cookies without their Cookie: prefix",
         [&cookieJar](FetchParameters& p) {
             cookieJar = "Cookie: a=1; b=2";
             p.cookies = &cookieJar;
             p.mergeCookies = false;
         },
         "GET /p?x=1 HTTP/1.1",
         {"\r\nCookie:  a=1; b=2\r\n"}},
        {"header injection through a value is refused",
         [](FetchParameters& p) { p.extraHeaders = "X-C: 1\nInjected: yes"; },
         "GET /p?x=1 HTTP/1.1",
         {},
         {"Injected"}},
    };
    for (const Case& c : cases) {
        FetchParameters parameters;
        std::int32_t status = 0;
        parameters.statusCode = &status;
        c.setUp(parameters);
        EXPECT_EQ(request.fetch(url, parameters), "ok") << c.name;
        EXPECT_EQ(status, 200) << c.name;
        const std::string wire = server.requests().back();
        EXPECT_EQ(wire.substr(0, wire.find("\r\n")), c.firstLine) << c.name;
        for (const std::string& text : c.present)
            EXPECT_NE(wire.find(text), std::string::npos) << c.name << ": " << text;
        for (const std::string& text : c.absent)
            EXPECT_EQ(wire.find(text), std::string::npos) << c.name << ": " << text;
    }
    EXPECT_EQ(cookieJar, " a=1; b=2") << "the prefix is removed, nothing trimmed";
}

TEST(HttpRequest, ProxyGetsTheRequestAndTheCredentials) {
    RawHttpServer proxy([](const std::string&) {
        return RawHttpServer::Reply{RawHttpServer::response(200, "via proxy")};
    });
    HttpRequestObject request(curlTransportFactory());
    FetchParameters parameters;
    parameters.proxy = proxy.hostAndPort();
    parameters.proxyUser = "u";
    EXPECT_EQ(request.fetch("http://kestrum.invalid/q", parameters), "via proxy");
    const std::string wire = proxy.requests().back();
    EXPECT_EQ(wire.substr(0, wire.find("\r\n")), "GET http://kestrum.invalid/q HTTP/1.1");
    EXPECT_NE(wire.find("\r\nProxy-Authorization: Basic dTo=\r\n"), std::string::npos);

    parameters.proxy.clear();
    parameters.timeoutSeconds = 1;
    EXPECT_EQ(request.fetch(proxy.url("/direct"), parameters), "via proxy");
    EXPECT_EQ(proxy.requests().back().find("Proxy-Authorization"), std::string::npos)
        << "without a proxy the credentials are ignored";
}

TEST(HttpRequest, ResponseHeadersStatusAndCookies) {
    RawHttpServer server([](const std::string& request) {
        if (request.find("GET /missing") == 0)
            return RawHttpServer::Reply{RawHttpServer::response(404, "not here")};
        return RawHttpServer::Reply{RawHttpServer::response(
            200, "body",
            "Set-Cookie: sid=abc; path=/\r\nSet-Cookie: lang=zh\r\nset-cookie: x=1\r\n")};
    });
    HttpRequestObject request(curlTransportFactory());

    std::string headers, received;
    std::int32_t status = 0;
    FetchParameters parameters;
    parameters.responseHeaders = &headers;
    parameters.receivedCookies = &received;
    parameters.statusCode = &status;
    EXPECT_EQ(request.fetch(server.url("/"), parameters), "body");
    EXPECT_EQ(status, 200);
    EXPECT_EQ(received, "sid=abc; lang=zh");
    EXPECT_EQ(headers.find("HTTP/"), std::string::npos) << headers;
    EXPECT_NE(headers.find("Content-Length: 4\r\n"), std::string::npos) << headers;

    std::string jar = "lang=en; old=1";
    parameters.cookies = &jar;
    request.fetch(server.url("/"), parameters);
    EXPECT_EQ(received, "sid=abc; lang=zh; old=1");
    EXPECT_EQ(jar, received);
    EXPECT_NE(server.requests().back().find("\r\nCookie: lang=en; old=1\r\n"), std::string::npos);

    parameters.cookies = nullptr;
    EXPECT_EQ(request.fetch(server.url("/missing"), parameters), "not here");
    EXPECT_EQ(status, 404);
    EXPECT_EQ(received, "");
}

TEST(HttpRequest, RedirectsFollowedUnlessTurnedOff) {
    RawHttpServer server([](const std::string& request) {
        if (request.find("GET /moved") == 0)
            return RawHttpServer::Reply{
                RawHttpServer::response(302, "moved", "Location: /final\r\n")};
        return RawHttpServer::Reply{RawHttpServer::response(200, "final")};
    });
    HttpRequestObject request(curlTransportFactory());
    std::int32_t status = 0;
    std::string headers;
    FetchParameters parameters;
    parameters.statusCode = &status;
    parameters.responseHeaders = &headers;
    EXPECT_EQ(request.fetch(server.url("/moved"), parameters), "final");
    EXPECT_EQ(status, 200);
    EXPECT_EQ(headers.find("Location"), std::string::npos) << "only the last answer's headers";

    parameters.noRedirect = true;
    EXPECT_EQ(request.fetch(server.url("/moved"), parameters), "moved");
    EXPECT_EQ(status, 302);
    EXPECT_NE(headers.find("Location: /final"), std::string::npos);
}

TEST(HttpRequest, FailedExchangesEndEmpty) {
    struct Case {
        const char* name;
        RawHttpServer::Reply reply;
    };
    const Case cases[] = {
        {"silent server", {"", RawHttpServer::Ending::Hang}},
        {"head without body",
         {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n", RawHttpServer::Ending::Hang}},
        {"reset mid-body",
         {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n{\"data\":",
          RawHttpServer::Ending::Reset}},
        {"closed mid-body",
         {"HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n{\"data\":",
          RawHttpServer::Ending::Close}},
        {"no HTTP at all", {"garbage\r\n\r\n", RawHttpServer::Ending::Close}},
        {"closed at once", {"", RawHttpServer::Ending::Close}},
    };
    HttpRequestObject request(curlTransportFactory());
    for (const Case& c : cases) {
        RawHttpServer server([&c](const std::string&) { return c.reply; });
        std::string headers = "x", cookies = "a=1";
        std::int32_t status = -1;
        FetchParameters parameters;
        parameters.timeoutSeconds = 1;
        parameters.responseHeaders = &headers;
        parameters.statusCode = &status;
        parameters.cookies = &cookies;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(request.fetch(server.url("/"), parameters), "") << c.name;
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, std::chrono::seconds(5)) << c.name;
        EXPECT_EQ(headers, "") << c.name;
        EXPECT_EQ(status, 0) << c.name;
        EXPECT_EQ(cookies, "a=1") << c.name << ": the jar keeps what was sent";
    }
}

TEST(HttpRequest, UnreachableHostReturnsEmpty) {
    std::string url;
    {
        RawHttpServer gone([](const std::string&) { return RawHttpServer::Reply{}; });
        url = gone.url("/");
    }
    HttpRequestObject request(curlTransportFactory());
    std::int32_t status = -1;
    FetchParameters parameters;
    parameters.statusCode = &status;
    parameters.timeoutSeconds = 1;
    EXPECT_EQ(request.fetch(url, parameters), "");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(request.fetch("file:///etc/passwd", parameters), "") << "only http and https";
}

}  // namespace
}  // namespace kestrum
