#include "daily/computation.h"

#include "daily/table_join.h"

namespace kestrum {

ComputationOutcome computeOutcome(const ComputationInput& input,
                                  const std::atomic<bool>* stopRequested) {
    ComputationOutcome outcome;
    parseFundFlowTable(input.fundFlowText, outcome.fundFlowRecords);
    mergePeriodStatsTable(input.periodStatsText, outcome.fundFlowRecords);
    mergeProfitForecastTable(input.profitForecastText, outcome.fundFlowRecords);
    if (outcome.fundFlowRecords.size() < kMinimumFundFlowRecords)
        return outcome;
    outcome.screened = true;
    outcome.resultRecords = screenRecords(outcome.fundFlowRecords, input.range);
    // All keys equal makes this sort quadratic; a huge table must not hold the program.
    sortByTwentyDayChange(outcome.resultRecords, 1,
                          static_cast<std::int64_t>(outcome.resultRecords.size()), [stopRequested] {
                              return stopRequested == nullptr ||
                                     !stopRequested->load(std::memory_order_relaxed);
                          });
    return outcome;
}

}  // namespace kestrum
