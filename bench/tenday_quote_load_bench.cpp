// The ten-day start-up load end to end: 100 full pages (5,000 stocks, every one above the
// minimum inflow) fetched from the loopback quote server, decoded, parsed and turned into
// records. A second figure leaves the network out to show what decoding and parsing cost.
#include <benchmark/benchmark.h>

#include "platform/curl/curl_transport.h"
#include "tenday/http_request.h"
#include "tenday/json_document.h"
#include "tenday/quote_list.h"
#include "tenday/text_codecs.h"
#include "tools/quote_server/quote_server.h"

namespace {

using namespace kestrum;

std::vector<fixture::QuoteRow> fullMarket() {
    fixture::MarketShape shape;
    shape.stocks = 5500;
    shape.atOrAboveThreshold = 5500;
    return fixture::makeMarket(shape);
}

void BM_LoadHundredPagesFromLoopback(benchmark::State& state) {
    fixture::QuoteServer server(fixture::marketPages(fullMarket()));
    const HttpRequestObject request(curlTransportFactory());
    size_t loaded = 0;
    for (auto _ : state) {
        TenDayRecords records;
        loadQuoteList(100, request, server.base(), records);
        loaded = records.size();
    }
    state.counters["records"] = static_cast<double>(loaded);
    if (loaded != 5000)
        state.SkipWithError("the load did not bring 5,000 records");
}
BENCHMARK(BM_LoadHundredPagesFromLoopback)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 100 bodies already in memory: decode, parse and read the five fields of each row.
class InMemoryPages : public HttpTransport {
  public:
    explicit InMemoryPages(const std::vector<std::string>& pages) : pages_(pages) {}
    HttpReply exchange(const HttpExchange& request) override {
        const int page = std::atoi(request.url.c_str() + request.url.find("&pn=") + 4);
        return {pages_[page - 1], "", 200};
    }

  private:
    const std::vector<std::string>& pages_;
};

void BM_DecodeAndParseHundredPages(benchmark::State& state) {
    const auto market = fullMarket();
    std::vector<std::string> pages;
    for (int page = 1; page <= 100; ++page)
        pages.push_back(fixture::quotePageJson(market, page, 50));
    const HttpRequestObject request([&pages] { return std::make_unique<InMemoryPages>(pages); });
    for (auto _ : state) {
        TenDayRecords records;
        loadQuoteList(100, request, "http://127.0.0.1:1", records);
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_DecodeAndParseHundredPages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
