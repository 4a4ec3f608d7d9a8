#pragma once
#include <algorithm>
#include <vector>

// Sorts [First, Last) stably by insertion, taking no memory: for short lists, and the runs
// a merge sort starts from. Each step stays within the range whatever Less answers.
template <class T, class TLess> void InsertionSortRange(T* First, T* Last, TLess Less)
{
    for (T* i = First; i < Last; ++i) {
        T entry = *i;
        T* j = i;
        for (; j > First && Less(entry, *(j - 1)); --j)
            *j = *(j - 1);
        *j = entry;
    }
}

// Sorts Order stably by Less: a merge sort over runs ordered by insertion. Every step is
// bounded by its run, so even a Less that contradicts itself (an application's compare
// event) leaves the entries a permutation and never reads outside them. The entries may be
// row numbers or records that carry their keys: the same answers of Less give the same order.
template <class T, class TLess>
void StableSortOrder(std::vector<T>& Order, TLess Less)
{
    const size_t count = Order.size();
    constexpr size_t run = 16;
    for (size_t low = 0; low < count; low += run)
        InsertionSortRange(Order.data() + low, Order.data() + std::min(low + run, count), Less);
    if (count <= run) return;
    std::vector<T> merged(count);
    for (size_t width = run; width < count; width *= 2) {
        for (size_t low = 0; low < count; low += 2 * width) {
            const size_t middle = std::min(low + width, count), high = std::min(low + 2 * width, count);
            size_t i = low, j = middle, k = low;
            while (i < middle && j < high)
                merged[k++] = Less(Order[j], Order[i]) ? Order[j++] : Order[i++];
            k = std::copy(Order.begin() + static_cast<std::ptrdiff_t>(i), Order.begin() + static_cast<std::ptrdiff_t>(middle),
                          merged.begin() + static_cast<std::ptrdiff_t>(k)) - merged.begin();
            std::copy(Order.begin() + static_cast<std::ptrdiff_t>(j), Order.begin() + static_cast<std::ptrdiff_t>(high),
                      merged.begin() + static_cast<std::ptrdiff_t>(k));
        }
        Order.swap(merged);
    }
}
