// The screening side of kestrum_xun's main window: "计算", "净流入▼" and "涨幅▼".
#pragma once

namespace kestrum {
class Form;
namespace tenday {

struct TenDayProgram;

// "计算" and "净流入▼": the records of the checked batch and change range, by inflow, into
// the right list. Does nothing while no stock is loaded.
void computeScreening(TenDayProgram& program, Form& form);

// "涨幅▼": the right list by ten-day change, smallest first; nothing with fewer than two.
void onChangeHeadingReleased(TenDayProgram& program, Form& form);

}  // namespace tenday
}  // namespace kestrum
