#include "tenday/http_request.h"

#include <algorithm>
#include <climits>

#include "common/gbk_text.h"
#include "tenday/cookie_text.h"
#include "tenday/header_text.h"
#include "tenday/text_codecs.h"

namespace kestrum {

const char* const kMethodVerbs[8] = {"GET",     "POST",   "HEAD",  "PUT",
                                     "OPTIONS", "DELETE", "TRACE", "CONNECT"};

namespace {

constexpr int kDefaultTimeoutMilliseconds = 15000;

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && upperText(a) == upperText(b);
}

// Sets a request header the way the request object does: a name set again gets the new
// value in its old place. A header without a name is refused.
void setRequestHeader(HttpExchange& exchange, const std::string& name, const std::string& value) {
    if (name.empty())
        return;
    for (auto& header : exchange.headers) {
        if (sameName(header.first, name)) {
            header.second = value;
            return;
        }
    }
    exchange.headers.emplace_back(name, value);
}

std::string withDefaultHeaders(std::string headerText, const std::string& url, int method) {
    auto lacks = [&headerText](std::string_view name) {
        return findText(headerText, name, 1, LetterCase::Ignore) == -1;
    };
    if (lacks("Accept:"))
        headerText += "\r\nAccept: */*";
    if (lacks("Referer:"))
        headerText += "\r\nReferer: " + url;
    if (lacks("Accept-Language:"))
        headerText += "\r\nAccept-Language: zh-cn";
    if (lacks("User-Agent:"))
        headerText += "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
    if (method == 1 && lacks("Content-Type:"))
        headerText += "\r\nContent-Type: application/x-www-form-urlencoded";
    return headerText;
}

void setHeaderLines(HttpExchange& exchange, const std::string& headerText) {
    if (findText(headerText, "\r\n") == -1) {
        setRequestHeader(exchange, headerName(headerText), headerValue(headerText));
        return;
    }
    for (const std::string& line : splitText(headerText, "\r\n")) {
        if (line.empty())
            continue;
        const std::string name = headerName(line);
        const std::string value = headerValue(line);
        if (name == "Connection" && value == "keep-alive")
            continue;
        setRequestHeader(exchange, name, value);
    }
}

// "name=value" of every "Set-Cookie" line (name as written), attributes dropped.
std::string cookiesSetBy(const std::string& responseHeaders) {
    std::string cookies;
    for (const std::string& line : splitText(responseHeaders, "\r\n")) {
        if (textBefore(line, ": ") != "Set-Cookie")
            continue;
        if (findText(line, ";") != -1)
            cookies += trimText(textBetween(line, "Set-Cookie:", ";"));
        else
            cookies += trimText(replaceAll(line, "Set-Cookie:", "", LetterCase::Ignore));
        cookies += "; ";
    }
    if (cookies.size() >= 2 && cookies.compare(cookies.size() - 2, 2, "; ") == 0)
        cookies.resize(cookies.size() - 2);
    return cookies;
}

}  // namespace

HttpRequestObject::HttpRequestObject(HttpTransportFactory newTransport)
    : newTransport_(std::move(newTransport)) {}

std::string HttpRequestObject::fetch(const std::string& url,
                                     const FetchParameters& parameters) const {
    const int method = parameters.method < 0 || parameters.method > 7 ? 0 : parameters.method;

    std::unique_ptr<HttpTransport> ownTransport;
    HttpTransport* transport = parameters.requestObject;
    if (transport == nullptr) {
        if (newTransport_)
            ownTransport = newTransport_();
        transport = ownTransport.get();
    }
    if (transport == nullptr)
        return std::string();

    HttpExchange exchange;
    exchange.verb = kMethodVerbs[method];
    exchange.url = url;
    if (parameters.timeoutSeconds != -1) {
        const long long milliseconds = parameters.timeoutSeconds < 1
                                           ? kDefaultTimeoutMilliseconds
                                           : parameters.timeoutSeconds * 1000LL;
        exchange.timeoutMilliseconds = static_cast<int>(std::min<long long>(milliseconds, INT_MAX));
    }
    exchange.proxy = parameters.proxy;
    exchange.followRedirects = !parameters.noRedirect;

    std::string headerText = parameters.extraHeaders;
    if (parameters.addDefaultHeaders)
        headerText = withDefaultHeaders(std::move(headerText), url, method);
    if (parameters.normaliseHeaderNames)
        headerText = capitaliseHeaderNames(headerText);

    if (!parameters.proxy.empty() && !parameters.proxyUser.empty()) {
        exchange.hasCredentials = true;
        exchange.user = parameters.proxyUser;
        exchange.password = parameters.proxyPassword;
        exchange.credentialsTarget = parameters.credentialsTarget;
        if (parameters.credentialsTarget == 1)
            setRequestHeader(
                exchange, "Proxy-Authorization",
                "Basic " + base64Encode(parameters.proxyUser + ":" + parameters.proxyPassword));
    }

    if (parameters.cookies != nullptr) {
        std::string& cookies = *parameters.cookies;
        if (!cookies.empty() && findText(cookies, "Cookie:", 1, LetterCase::Ignore) != -1)
            cookies = replaceAll(cookies, "Cookie:", "", LetterCase::Ignore);
        setRequestHeader(exchange, "Cookie", cookies);
    }

    setHeaderLines(exchange, headerText);
    exchange.body = parameters.bodyBytes.empty() ? parameters.body : parameters.bodyBytes;

    HttpReply reply = transport->exchange(exchange);

    if (parameters.responseHeaders != nullptr)
        *parameters.responseHeaders = reply.headers;
    if (parameters.statusCode != nullptr)
        *parameters.statusCode = reply.status;
    std::string received = cookiesSetBy(reply.headers);
    if (parameters.mergeCookies && parameters.cookies != nullptr)
        received = mergeCookieTexts(*parameters.cookies, received);
    if (parameters.receivedCookies != nullptr)
        *parameters.receivedCookies = received;
    return std::move(reply.body);
}

}  // namespace kestrum
