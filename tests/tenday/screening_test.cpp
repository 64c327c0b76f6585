#include "tenday/screening.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/charset.h"
#include "common/form/form.h"
#include "support/memory_file_system.h"
#include "support/scripted_services.h"
#include "tenday/main_window.h"

namespace kestrum {
namespace {

TEST(Screening, BatchBoundsHalveFromTheLargestInflow) {
    struct Case {
        std::int64_t v;
        int batch;
        std::int64_t upper, lower;
    };
    const Case cases[] = {
        {800000000, 1, 800000000, 400000000},
        {800000000, 2, 400000000, 200000000},
        {800000000, 3, 200000000, 100000000},
        {800000000, 4, 100000000, 50000000},
        {800000000, 5, 50000000, 0},
        {800000000, 0, 0, 0},
        {800000000, 6, 0, 0},
        {1000000001, 2, 500000000, 250000000},
        {7, 3, 1, 0},
        {-9, 1, -9, -4},
    };
    for (const Case& c : cases) {
        const InflowBatch bounds = inflowBatchBounds(c.v, c.batch);
        EXPECT_EQ(bounds.upper, c.upper) << c.v << " batch " << c.batch;
        EXPECT_EQ(bounds.lower, c.lower) << c.v << " batch " << c.batch;
    }
}

TEST(Screening, SelectionsKeepOrderAndCompareExactly) {
    auto record = [](const char* code, std::int64_t inflow, float change) {
        return TenDayRecord{code, code, 1, change, inflow};
    };
    const TenDayRecords all = {record("v", 800000000, 1),
                               record("h1", 400000000, 0),
                               record("in2", 300000000, 20),
                               record("h2", 200000000, -100),
                               record("nan", 250000000, NAN),
                               record("big", 210000000, 5000.5f),
                               record("tiny", 210000000, -0.0000001f)};
    TenDayRecords batch;
    selectInflowBatch(all, 800000000, 400000000, batch);
    ASSERT_EQ(batch.size(), 1u);
    EXPECT_EQ(batch[0].code, "v") << "an inflow equal to h1 is not in the first batch";
    selectInflowBatch(all, 400000000, 200000000, batch);
    std::vector<std::string> codes;
    for (const TenDayRecord& r : batch)
        codes.push_back(r.code);
    EXPECT_EQ(codes, (std::vector<std::string>{"h1", "in2", "nan", "big", "tiny"}));

    struct Case {
        int range;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {1, {"h1", "tiny"}},  // 0 is in "<0"
        {2, {"in2"}},         // 20 is in "0-20"
        {3, {}},              // 5000.5 is in no range, NaN never
    };
    for (const Case& c : cases) {
        const ChangeRange range = changeRangeBounds(c.range);
        TenDayRecords screened = {record("stale", 1, 1)};
        selectChangeRange(batch, range.upper, range.lower, screened);
        std::vector<std::string> got;
        for (const TenDayRecord& r : screened)
            got.push_back(r.code);
        EXPECT_EQ(got, c.codes) << "range " << c.range;
    }
    TenDayRecords screened;
    selectChangeRange({record("floor", 1, -100)}, 0, -100, screened);
    EXPECT_TRUE(screened.empty()) << "-100 itself is outside \"<0\"";
}

// The real main window with scripted services: records put in as if loaded.
class ScreeningWindow : public ::testing::Test {
  protected:
    ScreeningWindow() : program(services, files), form(tenday::mainWindow(program), services) {}

    void load(std::vector<std::pair<std::int64_t, float>> rows) {
        int n = 0;
        for (auto [inflow, change] : rows) {
            const std::string code = std::to_string(600000 + n++);
            program.allRecords.push_back({code, gbk("股票") + code, 10.5f, change, inflow});
        }
    }

    std::vector<std::string> rightList(int column = 0) {
        std::vector<std::string> cells;
        const Control& list = form.control("超级列表框2");
        for (int row = 0; row < list.rowCount(); ++row)
            cells.push_back(list.cell(row, column));
        return cells;
    }

    ScriptedServices services;
    MemoryFileSystem files;
    tenday::TenDayProgram program;
    Form form;
};

TEST_F(ScreeningWindow, ComputeFillsTheRightListWithBatchAndRange) {
    load({{800000000, 3},
          {500000000, -3.5f},
          {450000000, -12},
          {400000000, -1},
          {300000000, -0.2f},
          {250000000, -4.1f},
          {210000000, 25}});
    form.release("标签_计算");
    EXPECT_EQ(rightList(), (std::vector<std::string>{"600001", "600002"}));
    EXPECT_EQ(rightList(3), (std::vector<std::string>{"-3.5", "-12"}));
    EXPECT_EQ(rightList(4), (std::vector<std::string>{gbk("5亿"), gbk("4.5亿")}));

    form.press("标签8");  // "第二"
    form.release("标签_计算");
    EXPECT_EQ(rightList(), (std::vector<std::string>{"600003", "600004", "600005"}));

    form.release("标签6");  // "涨幅▼"
    EXPECT_EQ(rightList(3), (std::vector<std::string>{"-4.1", "-1", "-0.2"}));
    form.press("标签15");  // "净流入▼" restores the last computation's order
    EXPECT_EQ(rightList(3), (std::vector<std::string>{"-1", "-0.2", "-4.1"}));

    form.press("标签14");  // ">20"
    form.release("标签_计算");
    EXPECT_EQ(rightList(), (std::vector<std::string>{"600006"}));
    EXPECT_EQ(program.batchRecords.size(), 4u);
}

TEST_F(ScreeningWindow, NothingHappensWithoutRecordsOrWithOneResult) {
    form.release("标签_计算");
    EXPECT_EQ(form.control("超级列表框2").rowCount(), 0);

    load({{800000000, -1}});
    form.release("标签_计算");
    ASSERT_EQ(rightList(), (std::vector<std::string>{"600000"}));
    // With one record the heading does not even refill the list.
    form.control("超级列表框2").setCell(0, 0, "marked");
    form.release("标签6");
    EXPECT_EQ(rightList(), (std::vector<std::string>{"marked"}));
}

}  // namespace
}  // namespace kestrum
