#include "daily/result_list.h"

#include "common/form/form.h"
#include "daily/main_window.h"

namespace kestrum::daily {
namespace {

void appendRow(Control& list, const ResultRowTexts& texts) {
    const int row = list.appendRow();
    for (std::size_t column = 0; column < texts.size(); ++column)
        list.setCell(row, static_cast<int>(column), texts[column]);
}

template <typename Sort>
void sortAndShow(DailyProgram& program, Form& form, Sort sort) {
    sort(program.resultRecords, 1, static_cast<std::int64_t>(program.resultRecords.size()));
    showResultRecords(form, program.resultRecords);
}

}  // namespace

void showResultRecords(Form& form, const DailyRecordTable& table) {
    Control& list = form.control(kResultList);
    list.clearRows();
    for (const DailyRecord& record : table)
        appendRow(list, resultRowTexts(record));
}

void showResultRows(Form& form, const std::vector<ResultRowTexts>& rows) {
    Control& list = form.control(kResultList);
    list.clearRows();
    for (const ResultRowTexts& texts : rows)
        appendRow(list, texts);
}

void onTwentyDayChangeHeadingPressed(DailyProgram& program, Form& form) {
    sortAndShow(program, form, sortByTwentyDayChange);
}

void onNetInflowHeadingPressed(DailyProgram& program, Form& form) {
    sortAndShow(program, form, sortByNetInflow);
}

void onReportCountHeadingPressed(DailyProgram& program, Form& form) {
    sortAndShow(program, form, sortByReportCount);
}

}  // namespace kestrum::daily
