// Writes three tables for a synthetic whole market (about 5,500 stocks) in the layout the
// finance software exports: GBK, CR LF lines, a heading line, fields padded with spaces,
// amounts with 亿 or 万, percent signs. The output is the same on every run.
//
//   kestrum_sample_tables <folder>   writes 资金流向.txt, 阶段统计.txt and 盈利预测.txt

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/charset.h"

namespace {

using kestrum::gbk;

constexpr int kStockCount = 5500;

// splitmix64: small, portable and the same everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    double between(double low, double high) { return low + (high - low) * uniform(); }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }
    bool chance(double probability) { return uniform() < probability; }
    // Roughly normal, from the sum of uniforms.
    double normal(double mean, double spread) {
        double sum = 0;
        for (int i = 0; i < 6; ++i)
            sum += uniform();
        return mean + (sum - 3.0) * spread;
    }

  private:
    std::uint64_t state_;
};

struct Stock {
    std::string code;
    std::string name;  // GBK
    bool suspended = false;
    double price = 0;
    double change = 0;           // percent
    double mainInflow = 0;       // yuan
    double twentyDayChange = 0;  // percent
    int reports = 0;
};

std::string format(const char* pattern, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string percent(double value) {
    return format("%.2f", value) + "%";
}

std::string amount(double yuan) {
    if (std::fabs(yuan) >= 1e8)
        return format("%.2f", yuan / 1e8) + gbk("亿");
    return format("%.2f", yuan / 1e4) + gbk("万");
}

// Left-aligned in a column of `width` bytes, always followed by at least one space.
std::string cell(const std::string& text, std::size_t width) {
    return text + std::string(text.size() < width ? width - text.size() + 1 : 1, ' ');
}

std::string line(const std::vector<std::pair<std::string, std::size_t>>& cells) {
    std::string text;
    for (const auto& [value, width] : cells)
        text += cell(value, width);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text + "\r\n";
}

std::vector<std::string> codes() {
    // Blocks of the two exchanges, filled in turn until the market is complete.
    struct Block {
        int first;
        int count;
    };
    const Block blocks[] = {{600000, 1700}, {688001, 560},  {1, 900},
                            {2001, 1100},   {300001, 1000}, {301001, 240}};
    std::vector<std::string> result;
    for (const Block& block : blocks) {
        for (int i = 0; i < block.count && static_cast<int>(result.size()) < kStockCount; ++i) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%06d", block.first + i);
            result.push_back(buffer);
        }
    }
    return result;
}

std::vector<Stock> market() {
    const std::vector<std::string> syllables = {
        "华", "新", "中", "科", "电", "信", "达", "源", "通", "海", "天", "宏", "恒", "瑞",
        "安", "泰", "明", "光", "金", "盛", "联", "创", "博", "远", "东", "南", "北", "西",
        "康", "医", "药", "能", "智", "控", "材", "汽", "航", "银", "证", "钢", "化", "机"};
    const std::vector<std::string> endings = {"",     "",     "",     "股份", "科技", "电子",
                                              "控股", "银行", "药业", "集团", "新材", "能源"};
    Random random(20260101);
    std::vector<Stock> stocks;
    for (const std::string& code : codes()) {
        Stock stock;
        stock.code = code;
        const int length = 2 + random.below(2);
        std::string utf8Name;
        for (int i = 0; i < length; ++i)
            utf8Name += syllables[random.below(static_cast<int>(syllables.size()))];
        utf8Name += endings[random.below(static_cast<int>(endings.size()))];
        if (random.chance(0.03))
            utf8Name = "ST" + utf8Name;
        stock.name = gbk(utf8Name);
        stock.suspended = random.chance(0.015);
        stock.price = std::exp(random.between(std::log(1.5), std::log(300.0)));
        stock.change = std::clamp(random.normal(0.2, 3.0), -10.0, 10.0);
        // Most stocks see a few million either way; a few draw in hundreds of millions.
        const double scale = random.chance(0.08) ? 3e8 : 3e7;
        stock.mainInflow = random.normal(0, scale);
        stock.twentyDayChange = random.normal(1.0, 12.0);
        stock.reports =
            random.chance(0.45) ? 0 : static_cast<int>(std::pow(random.uniform(), 3) * 60);
        stocks.push_back(stock);
    }
    return stocks;
}

std::string fundFlowTable(std::vector<Stock> stocks) {
    // Ranked by main net inflow, largest first, as the software lists it; suspended last.
    std::stable_sort(stocks.begin(), stocks.end(), [](const Stock& a, const Stock& b) {
        if (a.suspended != b.suspended)
            return !a.suspended;
        return a.mainInflow > b.mainInflow;
    });
    Random random(7);
    std::string text = line({{gbk("序号"), 6},
                             {gbk("代码"), 8},
                             {gbk("名称"), 12},
                             {gbk("最新"), 8},
                             {gbk("涨幅%"), 8},
                             {gbk("主力净流入"), 12},
                             {gbk("主力净占比%"), 10},
                             {gbk("超大单净流入"), 12},
                             {gbk("大单净流入"), 12},
                             {gbk("中单净流入"), 12},
                             {gbk("小单净流入"), 12}});
    int row = 0;
    for (const Stock& stock : stocks) {
        const std::string number = std::to_string(++row);
        if (stock.suspended) {
            text += line({{number, 6},
                          {stock.code, 8},
                          {stock.name, 12},
                          {"-", 8},
                          {"-", 8},
                          {"-", 12},
                          {"-", 10},
                          {"-", 12},
                          {"-", 12},
                          {"-", 12},
                          {"-", 12}});
            continue;
        }
        const double huge = stock.mainInflow * random.between(0.3, 0.8);
        const double large = stock.mainInflow - huge;
        const double medium = -stock.mainInflow * random.between(0.2, 0.6);
        text += line({{number, 6},
                      {stock.code, 8},
                      {stock.name, 12},
                      {format("%.2f", stock.price), 8},
                      {percent(stock.change), 8},
                      {amount(stock.mainInflow), 12},
                      {percent(random.normal(0, 6)), 10},
                      {amount(huge), 12},
                      {amount(large), 12},
                      {amount(medium), 12},
                      {amount(-stock.mainInflow - medium), 12}});
    }
    return text;
}

std::string periodStatsTable(const std::vector<Stock>& stocks) {
    Random random(11);
    std::string text = line({{gbk("序号"), 6},
                             {gbk("代码"), 8},
                             {gbk("名称"), 12},
                             {gbk("最新"), 8},
                             {gbk("涨幅%"), 8},
                             {gbk("五日涨跌幅"), 10},
                             {gbk("五日换手率"), 10},
                             {gbk("十日涨跌幅"), 10},
                             {gbk("十日换手率"), 10},
                             {gbk("二十日涨跌幅"), 12},
                             {gbk("二十日换手率"), 12},
                             {gbk("六十日涨跌幅"), 12}});
    int row = 0;
    for (const Stock& stock : stocks) {
        if (random.chance(0.01))
            continue;  // newly listed: no period figures yet
        const double price = stock.suspended ? 0 : stock.price;
        text += line({{std::to_string(++row), 6},
                      {stock.code, 8},
                      {stock.name, 12},
                      {stock.suspended ? "-" : format("%.2f", price), 8},
                      {stock.suspended ? "-" : percent(stock.change), 8},
                      {percent(stock.twentyDayChange * 0.3 + random.normal(0, 3)), 10},
                      {percent(random.between(0.5, 30)), 10},
                      {percent(stock.twentyDayChange * 0.6 + random.normal(0, 4)), 10},
                      {percent(random.between(1, 50)), 10},
                      {percent(stock.twentyDayChange), 12},
                      {percent(random.between(2, 90)), 12},
                      {percent(stock.twentyDayChange * 1.5 + random.normal(0, 15)), 12}});
    }
    return text;
}

std::string profitForecastTable(std::vector<Stock> stocks) {
    // Ordered by report count, most first; a few stocks have no forecast row at all.
    std::stable_sort(stocks.begin(), stocks.end(),
                     [](const Stock& a, const Stock& b) { return a.reports > b.reports; });
    Random random(13);
    const std::vector<std::string> ratings = {gbk("买入"), gbk("增持"), gbk("中性"), "-"};
    std::string text = line({{gbk("序号"), 6},
                             {gbk("代码"), 8},
                             {gbk("名称"), 12},
                             {gbk("最新"), 8},
                             {gbk("涨幅%"), 8},
                             {gbk("机构评级"), 8},
                             {gbk("买入家数"), 8},
                             {gbk("研报数"), 6},
                             {gbk("2026预测每股收益"), 16},
                             {gbk("2027预测每股收益"), 16}});
    int row = 0;
    for (const Stock& stock : stocks) {
        if (random.chance(0.01))
            continue;
        const double earnings = random.normal(0.6, 0.8);
        text += line({{std::to_string(++row), 6},
                      {stock.code, 8},
                      {stock.name, 12},
                      {stock.suspended ? "-" : format("%.2f", stock.price), 8},
                      {stock.suspended ? "-" : percent(stock.change), 8},
                      {stock.reports == 0 ? "-" : ratings[random.below(3)], 8},
                      {std::to_string(stock.reports == 0 ? 0 : random.below(stock.reports + 1)), 8},
                      {std::to_string(stock.reports), 6},
                      {stock.reports == 0 ? "-" : format("%.2f", earnings), 16},
                      {stock.reports == 0 ? "-" : format("%.2f", earnings * 1.15), 16}});
    }
    return text;
}

bool write(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kestrum_sample_tables <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<Stock> stocks = market();
    const bool written = write(folder + "/资金流向.txt", fundFlowTable(stocks)) &&
                         write(folder + "/阶段统计.txt", periodStatsTable(stocks)) &&
                         write(folder + "/盈利预测.txt", profitForecastTable(stocks));
    if (!written) {
        std::cerr << "kestrum_sample_tables: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
