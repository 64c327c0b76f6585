// The ten-day main-inflow ranking of all A-shares, fetched page by page from the quote
// service, largest inflow first.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tenday/tenday_record.h"

namespace kestrum {

class HttpRequestObject;

// The smallest inflow a stock needs to be listed.
constexpr std::int64_t kMinimumTenDayInflow = 5000000;

// "http://push2.eastmoney.com", or KESTRUM_QUOTE_BASE when set (scheme, host, optional port).
std::string quoteServiceBase();

// The address of page `page` (from 1) of the ranking, fifty rows a page.
std::string quotePageUrl(std::int32_t page, const std::string& base);

// Told after every page: the page just handled and the records loaded so far.
using QuoteLoadProgress = std::function<void(std::int32_t page, std::size_t records)>;

// Appends to `records` every stock of the ranking with at least kMinimumTenDayInflow, in
// ranking order, fetching at most `maxPages` pages. An answer that is not JSON ends the load;
// a page without rows is passed over; the first row below the minimum ends it. A code that an
// earlier page already brought (the ranking moved between two requests) is not added again.
void loadQuoteList(std::int32_t maxPages, const HttpRequestObject& request, const std::string& base,
                   TenDayRecords& records, const QuoteLoadProgress& progress = {});

}  // namespace kestrum
