// "计算": checks the imports, puts the window into its busy state and starts the worker,
// which hands its result back to the user-interface thread.
#pragma once

namespace kestrum {

class Form;

namespace daily {

struct DailyProgram;

// Left button on 标签_计算. The worker computes on copies of the three table texts and of the
// range chosen at the click, so imports, headings and range labels stay usable meanwhile.
void startComputation(DailyProgram& program, Form& form);

}  // namespace daily
}  // namespace kestrum
