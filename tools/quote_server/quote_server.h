// Serves quote pages on 127.0.0.1 at the quote service's path "/api/qt/clist/get", reading
// the page number (pn) and page size (pz) from the query like the service does.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tools/quote_server/quote_market.h"

namespace httplib {
class Server;
}

namespace kestrum::fixture {

// The body for a page, or nothing to drop the connection without an answer.
using PageSource = std::function<std::optional<std::string>(int page, int pageSize)>;

// Pages of a market made by makeMarket.
PageSource marketPages(std::vector<QuoteRow> rows);

class QuoteServer {
  public:
    // Listens on 127.0.0.1 at `port` (0: any free port) until destroyed.
    explicit QuoteServer(PageSource pages, int port = 0);
    ~QuoteServer();
    QuoteServer(const QuoteServer&) = delete;
    QuoteServer& operator=(const QuoteServer&) = delete;

    bool listening() const { return port_ > 0; }
    int port() const { return port_; }
    // "http://127.0.0.1:port", the form KESTRUM_QUOTE_BASE takes.
    std::string base() const;
    // Path and query of every request so far, in order.
    std::vector<std::string> requests() const;
    // Serves other pages from now on and forgets the requests so far.
    void setPages(PageSource pages);

  private:
    PageSource pages_;
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace kestrum::fixture
