#include "tools/quote_server/quote_server.h"

#include <httplib.h>

namespace kestrum::fixture {

PageSource marketPages(std::vector<QuoteRow> rows) {
    auto shared = std::make_shared<const std::vector<QuoteRow>>(std::move(rows));
    return [shared](int page, int pageSize) -> std::optional<std::string> {
        return quotePageJson(*shared, page, pageSize);
    };
}

QuoteServer::QuoteServer(PageSource pages, int port)
    : pages_(std::move(pages)), server_(std::make_unique<httplib::Server>()) {
    server_->set_tcp_nodelay(true);
    // An idle kept-alive connection holds up stopping the server for this long.
    server_->set_keep_alive_timeout(1);
    server_->Get("/api/qt/clist/get",
                 [this](const httplib::Request& request, httplib::Response& response) {
                     std::string target = request.path;
                     if (!request.params.empty()) {
                         // The query as it came, so tests can compare it byte for byte.
                         target = request.target;
                     }
                     {
                         std::lock_guard<std::mutex> lock(mutex_);
                         requests_.push_back(target);
                     }
                     auto number = [&request](const char* name, int fallback) {
                         if (!request.has_param(name))
                             return fallback;
                         try {
                             return std::stoi(request.get_param_value(name));
                         } catch (...) {
                             return fallback;
                         }
                     };
                     PageSource pages;
                     {
                         std::lock_guard<std::mutex> lock(mutex_);
                         pages = pages_;
                     }
                     std::optional<std::string> body = pages(number("pn", 1), number("pz", 20));
                     if (!body) {
                         // Dropped: the client sees the connection close in the middle of the body.
                         response.set_content_provider(1000, "application/json",
                                                       [](size_t, size_t, httplib::DataSink& sink) {
                                                           sink.write("{\"rc\":0,", 8);
                                                           return false;
                                                       });
                         return;
                     }
                     response.set_content(*body, "application/json; charset=UTF-8");
                 });
    port_ = port > 0 ? (server_->bind_to_port("127.0.0.1", port) ? port : 0)
                     : server_->bind_to_any_port("127.0.0.1");
    if (port_ > 0)
        thread_ = std::thread([this] { server_->listen_after_bind(); });
}

QuoteServer::~QuoteServer() {
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

std::string QuoteServer::base() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

void QuoteServer::setPages(PageSource pages) {
    std::lock_guard<std::mutex> lock(mutex_);
    pages_ = std::move(pages);
    requests_.clear();
}

std::vector<std::string> QuoteServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

}  // namespace kestrum::fixture
