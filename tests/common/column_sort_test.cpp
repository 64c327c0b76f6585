#include "common/column_sort.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace kestrum {
namespace {

struct Item {
    int id = 0;
    float change = 0;
    std::int32_t count = 0;
    std::string name;
};

constexpr ColumnSort<&Item::change, SortOrder::SmallestFirst> byChangeAscending;
constexpr ColumnSort<&Item::change, SortOrder::LargestFirst> byChangeDescending;
constexpr ColumnSort<&Item::count, SortOrder::LargestFirst> byCountDescending;

// Runs `work` on a fresh thread, whose PivotRandom starts at 1.
template <typename Work>
void onFreshThread(Work work) {
    std::thread(work).join();
}

std::vector<Item> itemsWithChanges(const std::vector<float>& changes) {
    std::vector<Item> items;
    for (float change : changes)
        items.push_back({static_cast<int>(items.size()) + 1, change, 0, "n"});
    return items;
}

std::vector<int> idsOf(const std::vector<Item>& items) {
    std::vector<int> ids;
    for (const Item& item : items)
        ids.push_back(item.id);
    return ids;
}

std::vector<float> changesOf(const std::vector<Item>& items) {
    std::vector<float> changes;
    for (const Item& item : items)
        changes.push_back(item.change);
    return changes;
}

TEST(NextPivotIndex, FollowsTheGeneratorFromStateOne) {
    onFreshThread([] {
        EXPECT_EQ(PivotRandom, 1u);
        EXPECT_EQ(nextPivotIndex(0, 32767), 41);  // (1 * 214013 + 2531011) >> 16
        EXPECT_EQ(PivotRandom, 2745024u);
        EXPECT_EQ(nextPivotIndex(0, 32767), 18467);
        EXPECT_EQ(nextPivotIndex(0, 32767), 6334);
        EXPECT_EQ(nextPivotIndex(5, 5), 5);
        const std::int32_t drawn = nextPivotIndex(10, 12);
        EXPECT_GE(drawn, 10);
        EXPECT_LE(drawn, 12);
    });
    // Each thread has its own state.
    onFreshThread([] { EXPECT_EQ(nextPivotIndex(1, 100), 1 + 41 % 100); });
}

TEST(ColumnSort, SortsByKeyAndOrder) {
    struct Case {
        const char* name;
        std::vector<float> changes;
        bool ascending;
        std::vector<float> expected;
    };
    const Case cases[] = {
        {"falls, smallest first",
         {-3.5f, -12.0f, -0.2f, -4.1f},
         true,
         {-12.0f, -4.1f, -3.5f, -0.2f}},
        {"inflows, largest first", {1.5f, 0.8f, 12.25f}, false, {12.25f, 1.5f, 0.8f}},
        {"empty", {}, true, {}},
        {"single", {3.0f}, true, {3.0f}},
        {"already sorted", {1, 2, 3, 4, 5}, true, {1, 2, 3, 4, 5}},
        {"reversed", {5, 4, 3, 2, 1}, true, {1, 2, 3, 4, 5}},
        {"duplicates", {2, 1, 2, 1, 0}, false, {2, 2, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        onFreshThread([&c] {
            std::vector<Item> items = itemsWithChanges(c.changes);
            if (c.ascending) {
                byChangeAscending(items, 1, static_cast<std::int64_t>(items.size()));
            } else {
                byChangeDescending(items, 1, static_cast<std::int64_t>(items.size()));
            }
            EXPECT_EQ(changesOf(items), c.expected) << c.name;
        });
    }
}

TEST(ColumnSort, ReportCountsLargestFirstOnOwnedRecords) {
    std::vector<std::unique_ptr<Item>> table;
    for (std::int32_t count : {3, 0, 7, 0})
        table.push_back(std::make_unique<Item>(Item{0, 0, count, ""}));
    const Item* seven = table[2].get();
    byCountDescending(table, 1, 4);
    std::vector<std::int32_t> counts;
    for (const auto& item : table)
        counts.push_back(item->count);
    EXPECT_EQ(counts, (std::vector<std::int32_t>{7, 3, 0, 0}));
    EXPECT_EQ(table[0].get(), seven);  // handles were exchanged, records not copied
}

TEST(ColumnSort, SortsOnlyTheGivenRange) {
    onFreshThread([] {
        std::vector<Item> items = itemsWithChanges({9, 3, 2, 1, 0});
        byChangeAscending(items, 2, 4);
        EXPECT_EQ(changesOf(items), (std::vector<float>{9, 1, 2, 3, 0}));
        // A range reaching outside the table is cut to it.
        byChangeAscending(items, -10, 100);
        EXPECT_EQ(changesOf(items), (std::vector<float>{0, 1, 2, 3, 9}));
    });
}

// With every key equal each pass only exchanges the range's first entry with the drawn pivot
// and shrinks the range by one, so the permutation follows from the draws alone.
std::vector<int> expectedEqualKeyPermutation(int size) {
    std::vector<int> ids(size);
    for (int i = 0; i < size; ++i)
        ids[i] = i + 1;
    std::uint32_t state = 1;
    for (int low = 1; low < size; ++low) {
        state = state * 214013u + 2531011u;
        const int pivot = low + static_cast<int>(((state >> 16) & 0x7FFF) % (size - low + 1));
        std::swap(ids[low - 1], ids[pivot - 1]);
    }
    return ids;
}

TEST(ColumnSort, EqualKeysArePermutedReproduciblyByTheDraws) {
    onFreshThread([] {
        std::vector<Item> items = itemsWithChanges(std::vector<float>(6, 1.0f));
        byChangeAscending(items, 1, 6);
        EXPECT_EQ(idsOf(items), expectedEqualKeyPermutation(6));
        EXPECT_EQ(idsOf(items), (std::vector<int>{6, 4, 5, 3, 1, 2}));
    });
}

TEST(ColumnSort, LeftRangeIsSortedWithAllItsDrawsBeforeTheRight) {
    // Reference: the plainly recursive form, whose draw order the explicit stack must keep.
    struct Recursive {
        static void sort(std::vector<Item>& t, int first, int last) {
            if (first >= last)
                return;
            std::swap(t[first - 1], t[nextPivotIndex(first, last) - 1]);
            int boundary = first;
            for (int i = first + 1; i <= last; ++i) {
                if (t[i - 1].change < t[first - 1].change)
                    std::swap(t[++boundary - 1], t[i - 1]);
            }
            std::swap(t[first - 1], t[boundary - 1]);
            sort(t, first, boundary - 1);
            sort(t, boundary + 1, last);
        }
    };
    std::vector<float> keys;
    for (int i = 0; i < 300; ++i)
        keys.push_back(static_cast<float>((i * 37) % 11));  // many equal keys
    std::vector<int> reference, sorted;
    onFreshThread([&] {
        std::vector<Item> items = itemsWithChanges(keys);
        Recursive::sort(items, 1, static_cast<int>(items.size()));
        reference = idsOf(items);
    });
    onFreshThread([&] {
        std::vector<Item> items = itemsWithChanges(keys);
        byChangeAscending(items, 1, static_cast<std::int64_t>(items.size()));
        sorted = idsOf(items);
    });
    EXPECT_EQ(sorted, reference);
}

TEST(ColumnSort, FiveThousandEqualKeysDoNotExhaustTheStack) {
    // Every key equal is the deepest case: each pass shrinks the range by one entry only.
    onFreshThread([] {
        std::vector<Item> items = itemsWithChanges(std::vector<float>(5000, 2.5f));
        byChangeAscending(items, 1, 5000);
        EXPECT_EQ(idsOf(items), expectedEqualKeyPermutation(5000));
    });
}

TEST(ColumnSort, StopsWhenToldBetweenPartitions) {
    onFreshThread([] {
        std::vector<Item> items = itemsWithChanges(std::vector<float>(100, 1.0f));
        int asked = 0;
        byChangeAscending(items, 1, 100, [&asked] { return ++asked <= 3; });
        EXPECT_EQ(asked, 4);
        std::uint32_t afterThreeDraws = 1;
        for (int draw = 0; draw < 3; ++draw)
            afterThreeDraws = afterThreeDraws * 214013u + 2531011u;
        EXPECT_EQ(PivotRandom, afterThreeDraws);  // no partition after the refusal
    });
}

}  // namespace
}  // namespace kestrum
