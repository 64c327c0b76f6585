// The result list 超级列表框2 and the three sorting headings above it.
#pragma once

#include <vector>

#include "daily/daily_record.h"
#include "daily/result_rows.h"

namespace kestrum {

class Form;

namespace daily {

struct DailyProgram;

inline constexpr const char* kResultList = "超级列表框2";

// Empties the list and shows one row per record, in the table's order.
void showResultRecords(Form& form, const DailyRecordTable& table);
// The same from texts already made (by the worker, off the user-interface thread).
void showResultRows(Form& form, const std::vector<ResultRowTexts>& rows);

// 标签7 "二十日涨跌幅▼", 标签15 "主力净流入▼", 标签8 "研报数▼": sort resultRecords, then
// show it, whatever its length.
void onTwentyDayChangeHeadingPressed(DailyProgram& program, Form& form);
void onNetInflowHeadingPressed(DailyProgram& program, Form& form);
void onReportCountHeadingPressed(DailyProgram& program, Form& form);

}  // namespace daily
}  // namespace kestrum
