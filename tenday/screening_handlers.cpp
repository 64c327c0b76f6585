#include "tenday/screening_handlers.h"

#include "common/form/form.h"
#include "tenday/main_window.h"
#include "tenday/screening.h"
#include "tenday/show_records.h"

namespace kestrum::tenday {
namespace {

// 1-based number of the first checked radio button of the list, or 0.
int firstChecked(Form& form, std::initializer_list<const char*> radioButtons) {
    int number = 1;
    for (const char* name : radioButtons) {
        if (form.control(name).isChecked())
            return number;
        ++number;
    }
    return 0;
}

}  // namespace

void computeScreening(TenDayProgram& program, Form& form) {
    if (program.allRecords.empty())
        return;
    const int batch = firstChecked(form, {"单选框1", "单选框2", "单选框3", "单选框4", "单选框5"});
    const InflowBatch inflow = inflowBatchBounds(program.allRecords.front().tenDayNetInflow, batch);
    selectInflowBatch(program.allRecords, inflow.upper, inflow.lower, program.batchRecords);
    const ChangeRange change =
        changeRangeBounds(firstChecked(form, {"单选框6", "单选框7", "单选框8"}));
    selectChangeRange(program.batchRecords, change.upper, change.lower, program.screenedRecords);
    showRecords(form.control("超级列表框2"), program.screenedRecords);
}

void onChangeHeadingReleased(TenDayProgram& program, Form& form) {
    if (program.screenedRecords.size() <= 1)
        return;
    sortByTenDayChange(program.screenedRecords, 1,
                       static_cast<std::int64_t>(program.screenedRecords.size()));
    showRecords(form.control("超级列表框2"), program.screenedRecords);
}

}  // namespace kestrum::tenday
