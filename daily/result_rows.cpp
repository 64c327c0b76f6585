#include "daily/result_rows.h"

#include "common/charset.h"
#include "common/number_text.h"

namespace kestrum {

ResultRowTexts resultRowTexts(const DailyRecord& record) {
    static const std::string yi = gbk("亿");
    return {record.code,
            record.name,
            singleToText(record.price),
            singleToText(record.change),
            singleToText(record.netInflow) + yi,
            singleToText(record.twentyDayChange),
            int32ToText(record.reportCount)};
}

}  // namespace kestrum
