#include "tenday/quote_list.h"

#include <gtest/gtest.h>

#include "common/charset.h"
#include "platform/curl/curl_transport.h"
#include "raw_http_server.h"
#include "tenday/http_request.h"
#include "tools/quote_server/quote_server.h"

namespace kestrum {
namespace {

using fixture::QuoteServer;

std::string page(const std::vector<std::string>& rows) {
    std::string diff;
    for (const std::string& row : rows)
        diff += (diff.empty() ? "" : ",") + row;
    return R"({"rc":0,"data":{"total":9999,"diff":[)" + diff + "]}}";
}

std::string row(const std::string& code, const std::string& inflow,
                const std::string& rest = R"("f14":"名","f2":10.5,"f160":-1.25)") {
    return R"({"f12":")" + code + R"(","f174":)" + inflow + (rest.empty() ? "" : "," + rest) + "}";
}

const std::string kDataNull = R"({"rc":0,"data":null})";

TEST(QuoteList, PageUrlByteForByte) {
    EXPECT_EQ(
        quotePageUrl(1, "http://127.0.0.1:8080"),
        "http://127.0.0.1:8080/api/qt/clist/get?fid=f174&po=1&pz=50&pn=1&np=1&fltt=2&invt=2&ut="
        "7c1f0e6d5b9a8c7e1f3d6b0a9e8c7d1f&fs=m%3A0%2Bt%3A6%2Bf%3A!2%2Cm%3A0%2Bt%3A13%2Bf%3A!2%"
        "2Cm%3A0%2Bt%3A80%2Bf%3A!2%2Cm%3A1%2Bt%3A2%2Bf%3A!2%2Cm%3A1%2Bt%3A23%2Bf%3A!2%2Cm%3A0%"
        "2Bt%3A7%2Bf%3A!2%2Cm%3A1%2Bt%3A3%2Bf%3A!2&fields=f12%2Cf14%2Cf2%2Cf160%2Cf174%2Cf175%"
        "2Cf176%2Cf177%2Cf178%2Cf179%2Cf180%2Cf181%2Cf182%2Cf183%2Cf260%2Cf261%2Cf124%2Cf1%"
        "2Cf13");
    const std::string hundred = quotePageUrl(100, "http://h");
    EXPECT_NE(hundred.find("&pn=100&np=1&"), std::string::npos);
}

TEST(QuoteList, ServiceBaseFromTheEnvironment) {
    setenv("KESTRUM_QUOTE_BASE", "http://127.0.0.1:1", 1);
    EXPECT_EQ(quoteServiceBase(), "http://127.0.0.1:1");
    unsetenv("KESTRUM_QUOTE_BASE");
    EXPECT_EQ(quoteServiceBase(), "http://push2.eastmoney.com");
}

struct LoadCase {
    const char* name;
    int maxPages;
    fixture::PageSource pages;
    size_t records;
    size_t requests;
};

TEST(QuoteList, StopRules) {
    const LoadCase cases[] = {
        {"first row below the minimum", 100,
         [](int, int) {
             return page({row("000001", "4999999"), row("000002", "4999998")});
         },
         0, 1},
        {"exactly the minimum is kept", 100,
         [](int p, int) {
             return p == 1 ? page({row("000001", "6000000"), row("000002", "5000000")})
                           : page({row("000003", "5000000.0"), row("000004", "4999999.9")});
         },
         3, 2},
        {"pages without rows lead on to the last page", 100,
         [](int p, int) {
             return p <= 3 ? page({row("A" + std::to_string(p), "9000000")}) : kDataNull;
         },
         3, 100},
        {"server gone at page 3", 100,
         [](int p, int) -> std::optional<std::string> {
             if (p >= 3)
                 return std::nullopt;
             std::vector<std::string> rows;
             for (int i = 0; i < 50; ++i)
                 rows.push_back(row(std::to_string(p * 100 + i), "9000000"));
             return page(rows);
         },
         100, 3},
        {"HTML error page", 100,
         [](int, int) { return std::string("<html><body>502 Bad Gateway</body></html>"); }, 0, 1},
        {"empty body", 100, [](int, int) { return std::string(); }, 0, 1},
        {"truncated JSON", 100,
         [](int, int) { return page({row("000001", "9000000")}).substr(0, 40); }, 0, 1},
        {"10 MB of garbage", 100, [](int, int) { return std::string(10 << 20, '\x9c'); }, 0, 1},
        {"diff is an object", 4,
         [](int, int) { return std::string(R"({"data":{"diff":{"0":{"f174":9e9}}}})"); }, 0, 4},
        {"diff is a string", 4, [](int, int) { return std::string(R"({"data":{"diff":"[]"}})"); },
         0, 4},
        {"inflow missing ends the load", 100,
         [](int, int) {
             return page({row("000001", "9000000"), R"({"f12":"000002"})"});
         },
         1, 1},
        {"inflow \"-\" ends the load", 100,
         [](int, int) {
             return page({row("000001", "9000000"), row("000002", "\"-\"")});
         },
         1, 1},
        {"inflow in exponent form", 100,
         [](int, int) {
             return page({row("000001", "5e6"), row("000002", "1e21")});
         },
         1, 1},
        {"the same code on the next page is kept once", 2,
         [](int p, int) {
             return p == 1 ? page({row("000001", "9000000"), row("000002", "8000000")})
                           : page({row("000002", "7000000"), row("000003", "6000000")});
         },
         3, 2},
    };
    HttpRequestObject request(curlTransportFactory());
    QuoteServer server(fixture::PageSource{});
    ASSERT_TRUE(server.listening());
    for (const LoadCase& c : cases) {
        server.setPages(c.pages);
        TenDayRecords records;
        loadQuoteList(c.maxPages, request, server.base(), records);
        EXPECT_EQ(records.size(), c.records) << c.name;
        EXPECT_EQ(server.requests().size(), c.requests) << c.name;
    }
}

TEST(QuoteList, HundredFullPagesMakeFiveThousandRecords) {
    fixture::MarketShape shape;
    shape.stocks = 5500;
    shape.atOrAboveThreshold = 5500;
    QuoteServer server(fixture::marketPages(fixture::makeMarket(shape)));
    HttpRequestObject request(curlTransportFactory());
    TenDayRecords records;
    std::vector<std::pair<int, size_t>> progress;
    loadQuoteList(100, request, server.base(), records,
                  [&progress](int p, size_t n) { progress.emplace_back(p, n); });
    EXPECT_EQ(records.size(), 5000u);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 100u) << "no 101st request";
    EXPECT_EQ(requests[99], quotePageUrl(100, ""));
    ASSERT_EQ(progress.size(), 100u);
    EXPECT_EQ(progress[0], (std::pair<int, size_t>(1, 50)));
    EXPECT_EQ(progress[99], (std::pair<int, size_t>(100, 5000)));
    for (size_t i = 1; i < records.size(); ++i)
        ASSERT_GE(records[i - 1].tenDayNetInflow, records[i].tenDayNetInflow) << i;
}

TEST(QuoteList, RowsReadFromEveryIndexOfAPage) {
    // Fifty rows with codes 0..49: the records keep them in order, so paths ran from
    // data.diff[0] to data.diff[49].
    std::vector<std::string> rows;
    for (int i = 0; i < 50; ++i)
        rows.push_back(row(std::to_string(i), std::to_string(900000000 - i)));
    rows[0] = R"({"f12":"0","f14":"平安银行","f2":12.34,"f160":-3.5,"f174":123456789.75})";
    rows[1] = R"({"f12":"1","f14":"Ａ股 \u6837\u672c","f174":100000001})";
    rows[2] = R"({"f12":"2","f14":"bad)"
              "\xFF"
              R"(utf8","f2":"-","f160":"abc","f174":8e8})";
    QuoteServer server([&rows](int p, int) { return p == 1 ? page(rows) : kDataNull; });
    HttpRequestObject request(curlTransportFactory());
    TenDayRecords records;
    loadQuoteList(2, request, server.base(), records);
    ASSERT_EQ(records.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(records[i].code, std::to_string(i));
    EXPECT_EQ(records[0].name, gbk("平安银行"));
    EXPECT_FLOAT_EQ(records[0].price, 12.34f);
    EXPECT_FLOAT_EQ(records[0].tenDayChange, -3.5f);
    EXPECT_EQ(records[0].tenDayNetInflow, 123456789);
    EXPECT_EQ(records[1].name, gbk("Ａ股 样本"));
    EXPECT_EQ(records[1].price, 0.0f) << "missing price reads as 0";
    EXPECT_EQ(records[2].name, "bad?utf8");
    EXPECT_EQ(records[2].price, 0.0f);
    EXPECT_EQ(records[2].tenDayChange, 0.0f);
    EXPECT_EQ(records[2].tenDayNetInflow, 800000000);
}

TEST(QuoteList, PageRequestHeadersOnTheWire) {
    using testing::RawHttpServer;
    RawHttpServer server([](const std::string&) {
        return RawHttpServer::Reply{RawHttpServer::response(200, "{\"data\":null}")};
    });
    HttpRequestObject request(curlTransportFactory());
    TenDayRecords records;
    loadQuoteList(1, request, server.url(""), records);
    ASSERT_EQ(server.requests().size(), 1u);
    const std::string wire = server.requests()[0];
    const std::string url = quotePageUrl(1, server.url(""));
    EXPECT_EQ(wire.substr(0, wire.find("\r\n")),
              "GET " + url.substr(server.url("").size()) + " HTTP/1.1");
    EXPECT_NE(wire.find("\r\nAccept: */*\r\nReferer: " + url +
                        "\r\nAccept-Language: zh-cn\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE "
                        "9.0; Windows NT 6.1)\r\n"),
              std::string::npos)
        << wire;
}

}  // namespace
}  // namespace kestrum
