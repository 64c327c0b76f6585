// A synthetic but realistic A-share market ranked by ten-day main net inflow, and its pages
// in the quote service's JSON shape. Texts are UTF-8, as the service sends them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrum::fixture {

struct QuoteRow {
    std::string code;
    std::string name;
    double price = 0;              // NaN: sent as "-" (suspended)
    double tenDayChange = 0;       // NaN: sent as "-"
    double netInflow = 0;          // NaN: sent as "-"
    bool inflowAsDecimal = false;  // 123.0 rather than 123 in the JSON
    int market = 0;                // f13: 1 Shanghai, 0 Shenzhen
};

struct MarketShape {
    int stocks = 5500;
    // How many stocks have at least 5,000,000 of inflow; the rest fall below, down to large
    // outflows, and the last few are suspended with no inflow figure at all.
    int atOrAboveThreshold = 3117;
    std::uint32_t seed = 20261211;
};

// Rows by descending inflow; suspended stocks without an inflow figure come last.
std::vector<QuoteRow> makeMarket(const MarketShape& shape = {});

// One page of the ranking: {"rc":0,...,"data":{"total":n,"diff":[...]}}, or "data":null
// for a page past the end.
std::string quotePageJson(const std::vector<QuoteRow>& rows, int page, int pageSize);

}  // namespace kestrum::fixture
