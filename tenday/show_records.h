// Fills a list view with ten-day records: code, name, price, change and net inflow.
#pragma once

#include "tenday/tenday_record.h"

namespace kestrum {

class Control;

// Replaces every row of the list view by one row per record, in order. Price and change
// are shown by the single-precision rule ("12.34", "-3.5"), the inflow with 万/亿.
void showRecords(Control& listView, const TenDayRecords& records);

}  // namespace kestrum
