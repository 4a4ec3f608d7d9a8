#include "platform/grids/GridAxis.h"

#include <algorithm>

void TGridAxis::SetCount(int count)
{
    count = std::max(0, count);
    if (count == count_) return;
    count_ = count;
    if (!extents_.empty()) extents_.resize(static_cast<size_t>(count), default_);
    dirty_ = true;
}

void TGridAxis::SetDefaultExtent(int extent)
{
    default_ = extent;
    extents_.clear();
    dirty_ = true;
}

int TGridAxis::Extent(int index) const
{
    if (index < 0 || index >= count_ || extents_.empty()) return default_;
    return extents_[static_cast<size_t>(index)];
}

void TGridAxis::SetExtent(int index, int extent)
{
    if (index < 0 || index >= count_ || Extent(index) == extent) return;
    if (extents_.empty()) extents_.assign(static_cast<size_t>(count_), default_);
    extents_[static_cast<size_t>(index)] = extent;
    dirty_ = true;
}

void TGridAxis::Move(int from, int to)
{
    if (extents_.empty() || from == to || from < 0 || to < 0 || from >= count_ || to >= count_) return;
    const int extent = extents_[static_cast<size_t>(from)];
    extents_.erase(extents_.begin() + from);
    extents_.insert(extents_.begin() + to, extent);
    dirty_ = true;
}

int TGridAxis::Occupied(int index) const { return std::max(0, Extent(index)); }

void TGridAxis::Rebuild() const
{
    if (!dirty_) return;
    sums_.assign(static_cast<size_t>(count_) + 1, 0);
    shown_.assign(static_cast<size_t>(count_) + 1, 0);
    for (int i = 0; i < count_; ++i) {
        sums_[i + 1] = sums_[i] + Occupied(i);
        shown_[i + 1] = shown_[i] + (Extent(i) >= 0 ? 1 : 0);
    }
    dirty_ = false;
}

int TGridAxis::Span(int from, int to, int lineWidth) const
{
    from = std::clamp(from, 0, count_);
    to = std::clamp(to, from, count_);
    if (extents_.empty()) return (to - from) * (default_ >= 0 ? default_ + lineWidth : 0);
    Rebuild();
    return static_cast<int>(sums_[to] - sums_[from]) + (shown_[to] - shown_[from]) * lineWidth;
}

int TGridAxis::IndexAt(int from, int offset, int lineWidth) const
{
    from = std::clamp(from, 0, count_);
    if (offset < 0) return from;
    if (extents_.empty()) {
        const int step = default_ + lineWidth;
        if (default_ < 0 || step <= 0) return count_;
        return std::min(count_, from + offset / step);
    }
    Rebuild();
    // The first i whose end (the span of from..i inclusive) lies beyond the offset.
    const long long base = sums_[from] + static_cast<long long>(shown_[from]) * lineWidth;
    int lo = from, hi = count_;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        const long long end = sums_[mid + 1] + static_cast<long long>(shown_[mid + 1]) * lineWidth - base;
        if (end > offset)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}
