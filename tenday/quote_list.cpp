#include "tenday/quote_list.h"

#include <cstdlib>
#include <unordered_set>

#include "common/number_text.h"
#include "tenday/http_request.h"
#include "tenday/json_document.h"
#include "tenday/text_codecs.h"

namespace kestrum {

std::string quoteServiceBase() {
    const char* base = std::getenv("KESTRUM_QUOTE_BASE");
    if (base != nullptr && *base != '\0')
        return base;
    return "http://push2.eastmoney.com";
}

std::string quotePageUrl(std::int32_t page, const std::string& base) {
    return base + "/api/qt/clist/get" + "?fid=f174&po=1&pz=50&pn=" + int32ToText(page) +
           "&np=1&fltt=2&invt=2&ut=" + "7c1f0e6d5b9a8c7e1f3d6b0a9e8c7d1f" +
           "&fs=m%3A0%2Bt%3A6%2Bf%3A!2%2Cm%3A0%2Bt%3A13%2Bf%3A!2%2Cm%3A0%2Bt%3A80%2Bf%3A!2%2Cm%"
           "3A1%2Bt%3A2%2Bf%3A!2%2Cm%3A1%2Bt%3A23%2Bf%3A!2%2Cm%3A0%2Bt%3A7%2Bf%3A!2%2Cm%3A1%2Bt%"
           "3A3%2Bf%3A!2" +
           "&fields=f12%2Cf14%2Cf2%2Cf160%2Cf174%2Cf175%2Cf176%2Cf177%2Cf178%2Cf179%2Cf180%"
           "2Cf181%2Cf182%2Cf183%2Cf260%2Cf261%2Cf124%2Cf1%2Cf13";
}

void loadQuoteList(std::int32_t maxPages, const HttpRequestObject& request, const std::string& base,
                   TenDayRecords& records, const QuoteLoadProgress& progress) {
    JsonDocument document;
    std::unordered_set<std::string> loadedCodes;
    for (const TenDayRecord& record : records)
        loadedCodes.insert(record.code);

    for (std::int32_t page = 1; page <= maxPages; ++page) {
        const std::string text = utf8ToAnsi(request.fetch(quotePageUrl(page, base)));
        if (!document.parse(text))
            return;
        const std::int32_t rows = document.count("data.diff");
        for (std::int32_t row = 0; row < rows; ++row) {
            const std::string prefix = "data.diff[" + int32ToText(row) + "].";
            TenDayRecord record;
            record.code = document.getText(prefix + "f12");
            record.name = document.getText(prefix + "f14");
            record.price = textToSingle(document.getText(prefix + "f2"));
            record.tenDayChange = textToSingle(document.getText(prefix + "f160"));
            record.tenDayNetInflow = textToInt64(document.getText(prefix + "f174"));
            if (static_cast<double>(record.tenDayNetInflow) -
                    static_cast<double>(kMinimumTenDayInflow) <
                -0.0000001)
                return;
            // A row without a code cannot repeat another one.
            if (!record.code.empty() && !loadedCodes.insert(record.code).second)
                continue;
            records.push_back(std::move(record));
        }
        if (progress)
            progress(page, records.size());
    }
}

}  // namespace kestrum
