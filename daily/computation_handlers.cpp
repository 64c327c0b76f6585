#include "daily/computation_handlers.h"

#include <memory>
#include <vector>

#include "common/charset.h"
#include "common/form/form.h"
#include "common/form/services.h"
#include "daily/computation.h"
#include "daily/main_window.h"
#include "daily/result_list.h"
#include "daily/result_rows.h"

namespace kestrum::daily {
namespace {

constexpr const char* kComputeLabel = "标签_计算";

TwentyDayRange chosenRange(const Form& form) {
    if (form.control("单选框6").isChecked())
        return TwentyDayRange::AtMostZero;
    if (form.control("单选框7").isChecked())
        return TwentyDayRange::ZeroToTwenty;
    if (form.control("单选框8").isChecked())
        return TwentyDayRange::AboveTwenty;
    return TwentyDayRange::None;
}

// What the worker hands to the user-interface thread: the records and the list texts.
struct FinishedComputation {
    ComputationOutcome outcome;
    std::vector<ResultRowTexts> rows;
};

void backToIdle(Form& form) {
    Control& label = form.control(kComputeLabel);
    label.setEnabled(true);
    label.setCaption(gbk("计算"));
}

// User-interface thread: store the new tables, fill the list, then enable the label and
// restore its caption, in that order.
void finishComputation(DailyProgram& program, Form& form, FinishedComputation& finished) {
    program.fundFlowRecords = std::move(finished.outcome.fundFlowRecords);
    if (finished.outcome.screened) {
        program.resultRecords = std::move(finished.outcome.resultRecords);
        showResultRows(form, finished.rows);
    }
    backToIdle(form);
}

}  // namespace

void startComputation(DailyProgram& program, Form& form) {
    if (form.control("编辑框1").text().empty() || program.fundFlowText.empty() ||
        program.periodStatsText.empty() || program.profitForecastText.empty()) {
        program.services.messageBox(
            gbk("先依次选择左侧三个按钮加入东方财富PC版内导出的数据\r\n"
                "具体看右下方 关于 里的的帮助文件"));
        return;
    }
    Control& label = form.control(kComputeLabel);
    label.setEnabled(false);
    form.control(kResultList).clearRows();
    label.setCaption(gbk("   计算..."));

    ComputationInput input{program.fundFlowText, program.periodStatsText,
                           program.profitForecastText, chosenRange(form)};
    auto work = [input = std::move(input), &program,
                 &form](const std::atomic<bool>& stopRequested) -> std::function<void()> {
        // On the fresh worker thread: its pivot generator starts at 1 every time.
        auto finished = std::make_shared<FinishedComputation>();
        finished->outcome = computeOutcome(input, &stopRequested);
        if (finished->outcome.screened) {
            finished->rows.reserve(finished->outcome.resultRecords.size());
            for (const DailyRecord& record : finished->outcome.resultRecords)
                finished->rows.push_back(resultRowTexts(record));
        }
        return [finished, &program, &form] { finishComputation(program, form, *finished); };
    };
    if (!program.worker.start(program.services, std::move(work))) {
        backToIdle(form);
        program.services.messageBox(gbk("无法开始计算：系统没有可用的线程，请稍后再试"));
    }
}

}  // namespace kestrum::daily
