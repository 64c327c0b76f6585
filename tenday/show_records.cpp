#include "tenday/show_records.h"

#include "common/form/form.h"
#include "common/number_text.h"

namespace kestrum {

void showRecords(Control& listView, const TenDayRecords& records) {
    listView.clearRows();
    for (const TenDayRecord& record : records) {
        const int row = listView.appendRow();
        listView.setCell(row, 0, record.code);
        listView.setCell(row, 1, record.name);
        listView.setCell(row, 2, singleToText(record.price));
        listView.setCell(row, 3, singleToText(record.tenDayChange));
        listView.setCell(row, 4, formatAmount(record.tenDayNetInflow));
    }
}

}  // namespace kestrum
