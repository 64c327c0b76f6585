#include "tools/quote_server/quote_market.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace kestrum::fixture {
namespace {

class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    double between(double low, double high) {
        return low + (high - low) * (next() % 1000000) / 1e6;
    }

  private:
    std::uint32_t state_;
};

struct Segment {
    int first;
    int count;
    int market;
};

// Code ranges of the Shanghai main board, STAR market, Shenzhen main board and ChiNext.
const Segment kSegments[] = {
    {600000, 1000, 1}, {601000, 900, 1}, {603000, 1000, 1}, {605000, 300, 1}, {688000, 600, 1},
    {1, 900, 0},       {2001, 1000, 0},  {300001, 1000, 0}, {301001, 400, 0},
};

const char* const kFirst[] = {"华", "中", "东", "南", "北", "海", "天", "金", "长", "新",
                              "国", "恒", "银", "光", "宏", "科", "兴", "安", "通", "信",
                              "鑫", "汇", "瑞", "泰", "德", "永", "盛", "博", "万", "联"};
const char* const kSecond[] = {"康", "达", "源", "峰", "润", "创", "阳", "星", "丰", "远",
                               "明", "诚", "昌", "正", "和", "邦", "锐", "嘉", "辰", "川"};
const char* const kTrade[] = {"科技", "股份", "电子", "医药", "银行", "证券", "能源", "材料",
                              "控股", "汽车", "食品", "传媒", "化工", "电气", "机械", "环保",
                              "药业", "智能", "生物", "地产", "精密", "光电"};

std::string stockName(Random& random, int rank) {
    std::string name = kFirst[random.below(30)];
    name += kSecond[random.below(20)];
    name += kTrade[random.below(22)];
    switch (rank % 53) {
        case 7:
            return "*ST " + name.substr(0, 6);  // risk warning, with a space
        case 19:
            return name.substr(0, 6) + "Ａ";  // full-width letter
        case 31:
            return "Ｎ" + name;  // newly listed
        case 44:
            return "XD" + name;
        default:
            return name;
    }
}

std::string codeText(int number) {
    std::string code = std::to_string(number);
    return std::string(6 - std::min<size_t>(6, code.size()), '0') + code;
}

}  // namespace

std::vector<QuoteRow> makeMarket(const MarketShape& shape) {
    Random random(shape.seed);
    std::vector<std::pair<std::string, int>> codes;
    for (const Segment& segment : kSegments)
        for (int i = 0; i < segment.count; ++i)
            codes.emplace_back(codeText(segment.first + i), segment.market);
    for (size_t i = codes.size(); i > 1; --i)
        std::swap(codes[i - 1], codes[random.below(static_cast<int>(i))]);

    const int stocks = std::clamp(shape.stocks, 0, static_cast<int>(codes.size()));
    const int above = std::clamp(shape.atOrAboveThreshold, 0, stocks);
    const int suspendedTail = stocks > above + 20 ? 12 : 0;
    std::vector<double> inflows;
    for (int i = 0; i < above; ++i) {
        // From about 3.5 billion down to exactly 5,000,000 at the last one above.
        const double share = above > 1 ? static_cast<double>(above - 1 - i) / (above - 1) : 0;
        inflows.push_back(std::floor(5e6 * std::pow(700.0, share)) + (i == above - 1 ? 0 : i % 7));
    }
    const int below = stocks - above - suspendedTail;
    for (int i = 0; i < below; ++i) {
        // From 4,999,999 down to an outflow of about two billion.
        const double share = below > 1 ? static_cast<double>(i) / (below - 1) : 0;
        inflows.push_back(i == 0 ? 4999999.0 : std::floor(4999999.0 - share * share * 2.0e9));
    }
    std::sort(inflows.begin(), inflows.end(), std::greater<>());

    std::vector<QuoteRow> rows;
    for (int i = 0; i < stocks; ++i) {
        QuoteRow row;
        row.code = codes[i].first;
        row.market = codes[i].second;
        row.name = stockName(random, i);
        row.price = std::round(random.between(2.0, 300.0) * 100) / 100;
        row.tenDayChange = std::round(random.between(-30.0, 60.0) * 100) / 100;
        if (i % 9 == 0)
            row.price = std::round(row.price);
        if (i % 11 == 0)
            row.tenDayChange = std::round(row.tenDayChange);
        if (i < static_cast<int>(inflows.size())) {
            row.netInflow = inflows[i];
            row.inflowAsDecimal = i % 2 == 1;
        } else {
            row.netInflow = NAN;
        }
        if (i % 97 == 50 || std::isnan(row.netInflow)) {
            row.price = NAN;  // suspended: no price, no change
            row.tenDayChange = NAN;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string quotePageJson(const std::vector<QuoteRow>& rows, int page, int pageSize) {
    using Json = nlohmann::ordered_json;
    auto number = [](double value, bool asDecimal = true) -> Json {
        if (std::isnan(value))
            return "-";
        if (!asDecimal && std::fabs(value) < 9e15)
            return static_cast<std::int64_t>(value);
        return value;
    };
    Json answer = {{"rc", 0}, {"rt", 6},   {"svr", 182482210},
                   {"lt", 1}, {"full", 1}, {"dlmkts", ""}};
    const long long first = static_cast<long long>(page - 1) * pageSize;
    if (page < 1 || pageSize < 1 || first >= static_cast<long long>(rows.size())) {
        answer["data"] = nullptr;
        return answer.dump();
    }
    Json diff = Json::array();
    const long long last = std::min<long long>(first + pageSize, rows.size());
    for (long long i = first; i < last; ++i) {
        const QuoteRow& row = rows[i];
        diff.push_back({{"f1", 2},
                        {"f2", number(row.price)},
                        {"f12", row.code},
                        {"f13", row.market},
                        {"f14", row.name},
                        {"f124", 1765435200},
                        {"f160", number(row.tenDayChange)},
                        {"f174", number(row.netInflow, row.inflowAsDecimal)},
                        {"f175", number(row.netInflow * 0.3, false)},
                        {"f176", 0.52}});
    }
    answer["data"] = {{"total", rows.size()}, {"diff", std::move(diff)}};
    return answer.dump();
}

}  // namespace kestrum::fixture
