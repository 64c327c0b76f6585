// The quicksort with a pseudo-random pivot behind every sorting heading. It reorders a record
// table in place over a 1-based range by one key field in one direction; it is not stable,
// and where records with equal keys end up depends on the pivots drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace kestrum {

// Pivot generator state, one word per thread, starting at 1 and never reseeded. Every fresh
// thread therefore draws the same pivots for the same input.
inline thread_local std::uint32_t PivotRandom = 1;

// A position between `first` and `last` inclusive, from a linear congruential generator with
// a 15-bit output; advances the calling thread's PivotRandom.
inline std::int32_t nextPivotIndex(std::int32_t first, std::int32_t last) {
    PivotRandom = PivotRandom * 214013u + 2531011u;
    const std::int64_t r = (PivotRandom >> 16) & 0x7FFF;
    const std::int64_t width = static_cast<std::int64_t>(last) - first + 1;
    if (width <= 0)
        return first;
    return static_cast<std::int32_t>(first + r % width);
}

enum class SortOrder { SmallestFirst, LargestFirst };

// One sort bound to a key field (a data member pointer, e.g. &DailyRecord::twentyDayChange)
// and an order. Works on any random-access table whose entries are records or handles of
// records (std::unique_ptr, pointers); sorting exchanges entries only.
template <auto KeyField, SortOrder Order>
struct ColumnSort {
    // Sorts entries `first` to `last` (1-based, inclusive); a range reaching outside the table
    // is cut to it.
    template <typename Table>
    void operator()(Table& table, std::int64_t first, std::int64_t last) const {
        (*this)(table, first, last, [] { return true; });
    }

    // The same, asked before each partition whether to go on: a sort that may take long (all
    // keys equal over a huge table) can be abandoned, leaving the table in some order.
    template <typename Table, typename KeepGoing>
    void operator()(Table& table, std::int64_t first, std::int64_t last,
                    KeepGoing keepGoing) const {
        if (first < 1)
            first = 1;
        if (last > static_cast<std::int64_t>(table.size()))
            last = static_cast<std::int64_t>(table.size());
        // Pending ranges, the one on top sorted next. A range's left part is pushed above its
        // right part, so the left is sorted completely, with all its pivot draws, before the
        // right; the stack keeps the depth off the call stack when all keys are equal.
        std::vector<std::pair<std::int32_t, std::int32_t>> pending;
        pending.emplace_back(static_cast<std::int32_t>(first), static_cast<std::int32_t>(last));
        while (!pending.empty()) {
            const auto [low, high] = pending.back();
            pending.pop_back();
            if (low >= high)
                continue;
            if (!keepGoing())
                return;
            const std::int32_t boundary = partition(table, low, high);
            pending.emplace_back(boundary + 1, high);
            pending.emplace_back(low, boundary - 1);
        }
    }

  private:
    template <typename Entry>
    static const auto& keyOf(const Entry& entry) {
        return std::invoke(KeyField, entry);
    }

    template <typename Key>
    static bool comesBefore(const Key& key, const Key& pivot) {
        if constexpr (Order == SortOrder::SmallestFirst) {
            return key < pivot;
        } else {
            return key > pivot;
        }
    }

    // Puts a drawn pivot at its final place and returns that 1-based position; the records
    // before it come before the pivot, those after it do not. Equal keys stay where they are.
    template <typename Table>
    static std::int32_t partition(Table& table, std::int32_t low, std::int32_t high) {
        auto entry = [&table](std::int32_t position) -> auto& {
            return table[position - 1];
        };
        // Exchanging an entry with itself is skipped: a record held by value would otherwise
        // be moved onto itself.
        auto exchange = [&entry](std::int32_t a, std::int32_t b) {
            using std::swap;
            if (a != b)
                swap(entry(a), entry(b));
        };
        exchange(low, nextPivotIndex(low, high));
        std::int32_t boundary = low;
        for (std::int32_t i = low + 1; i <= high; ++i) {
            if (comesBefore(keyOf(entry(i)), keyOf(entry(low)))) {
                ++boundary;
                exchange(boundary, i);
            }
        }
        exchange(low, boundary);
        return boundary;
    }
};

}  // namespace kestrum
