#include "daily/table_join.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "daily/table_text.h"

namespace kestrum {
namespace {

// Code → the first record holding it, for the merges. Keys view the records' own codes, so
// the records must not change while the index lives.
using FirstRecordByCode = std::unordered_map<std::string_view, DailyRecord*>;

FirstRecordByCode indexFirstRecords(DailyRecordTable& records) {
    FirstRecordByCode index;
    index.reserve(records.size());
    for (DailyRecord& record : records)
        index.try_emplace(record.code, &record);
    return index;
}

// Calls `apply(record, fields)` for every data line that has at least `columns` fields and
// whose code (column 2) belongs to a record.
template <typename Apply>
void mergeTable(std::string_view tableText, std::size_t columns, DailyRecordTable& records,
                Apply apply) {
    std::vector<std::string> lines;
    if (!splitTableLines(tableText, lines))
        return;
    const FirstRecordByCode index = indexFirstRecords(records);
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = splitLineFields(line);
        if (fields.size() < columns)
            continue;
        const auto found = index.find(fields[1]);
        if (found != index.end())
            apply(*found->second, fields);
    }
}

}  // namespace

void parseFundFlowTable(std::string_view fundFlowText, DailyRecordTable& fundFlowRecords) {
    std::vector<std::string> lines;
    if (!splitTableLines(fundFlowText, lines))
        return;
    fundFlowRecords.clear();
    fundFlowRecords.reserve(lines.size());
    for (const std::string& line : lines) {
        std::vector<std::string> fields = splitLineFields(line);
        if (fields.size() < kFundFlowColumns)
            continue;
        DailyRecord& record = fundFlowRecords.emplace_back();
        record.code = std::move(fields[1]);
        record.name = std::move(fields[2]);
        record.price = textToFloat(fields[3]);
        record.change = textToFloat(fields[4]);
        record.netInflow = amountToYi(fields[5]);
    }
}

void mergePeriodStatsTable(std::string_view periodStatsText, DailyRecordTable& fundFlowRecords) {
    mergeTable(periodStatsText, kPeriodStatsColumns, fundFlowRecords,
               [](DailyRecord& record, const std::vector<std::string>& fields) {
                   record.twentyDayChange = textToFloat(fields[9]);
               });
}

void mergeProfitForecastTable(std::string_view profitForecastText,
                              DailyRecordTable& fundFlowRecords) {
    mergeTable(profitForecastText, kProfitForecastColumns, fundFlowRecords,
               [](DailyRecord& record, const std::vector<std::string>& fields) {
                   record.reportCount = textToInt(fields[7]);
               });
}

}  // namespace kestrum
