#include "daily/computation.h"

#include "daily/table_join.h"

namespace kestrum {

ComputationOutcome computeOutcome(const ComputationInput& input, DailyRecordTable fundFlowRecords) {
    ComputationOutcome outcome;
    outcome.fundFlowRecords = std::move(fundFlowRecords);
    parseFundFlowTable(input.fundFlowText, outcome.fundFlowRecords);
    mergePeriodStatsTable(input.periodStatsText, outcome.fundFlowRecords);
    mergeProfitForecastTable(input.profitForecastText, outcome.fundFlowRecords);
    if (outcome.fundFlowRecords.size() < kMinimumFundFlowRecords)
        return outcome;
    outcome.screened = true;
    outcome.resultRecords = screenRecords(outcome.fundFlowRecords, input.range);
    sortByTwentyDayChange(outcome.resultRecords, 1,
                          static_cast<std::int64_t>(outcome.resultRecords.size()));
    return outcome;
}

}  // namespace kestrum
