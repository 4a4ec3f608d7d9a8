#pragma once
#include <algorithm>
#include <utility>
#include <vector>

// One change of the real columns: a column moved, two swapped, or a run of columns inserted
// or removed.
// Everything keyed by real column follows the change through this one remap: the column
// space's flags, every stored row's cells, the sort column.
class TColumnRemap {
public:
    static TColumnRemap Moved(int From, int To) { return {kMove, From, To}; }
    static TColumnRemap Swapped(int A, int B) { return {kSwap, A, B}; }
    static TColumnRemap Inserted(int At, int Count) { return {kInsert, At, Count}; }
    static TColumnRemap Removed(int At, int Count) { return {kRemove, At, Count}; }

    // Where the column Index goes; -1 for a removed one.
    int Map(int Index) const;
    bool IsMove() const { return FKind == kMove; }
    // Whether a move's columns both lie below Count.
    bool MovesWithin(int Count) const { return IsMove() && FA >= 0 && FB >= 0 && FA < Count && FB < Count; }

    // Rearranges one row's values over the real columns. A row shorter than a move's or a
    // swap's columns is filled with Blank first; inserted places take Blank; each removed value
    // goes to Dropped before it leaves.
    template <typename T, typename TDropped>
    void Apply(std::vector<T>& Values, const T& Blank, TDropped Dropped) const;
    template <typename T> void Apply(std::vector<T>& Values, const T& Blank) const
    {
        Apply(Values, Blank, [](const T&) {});
    }

private:
    enum TKind { kMove, kSwap, kInsert, kRemove };
    TColumnRemap(TKind Kind, int A, int B) : FKind(Kind), FA(A), FB(B) {}

    TKind FKind;
    // A move: from, to. A swap: the two columns. An insert or remove: the first column,
    // the count.
    int FA;
    int FB;
};

inline int TColumnRemap::Map(int Index) const
{
    switch (FKind) {
    case kMove:
        if (Index == FA) return FB;
        if (FA < FB && Index > FA && Index <= FB) return Index - 1;
        if (FA > FB && Index >= FB && Index < FA) return Index + 1;
        return Index;
    case kSwap: return Index == FA ? FB : Index == FB ? FA : Index;
    case kInsert: return Index >= FA ? Index + FB : Index;
    case kRemove:
        if (Index < FA) return Index;
        return Index < FA + FB ? -1 : Index - FB;
    }
    return Index;
}

template <typename T, typename TDropped>
void TColumnRemap::Apply(std::vector<T>& Values, const T& Blank, TDropped Dropped) const
{
    const int size = static_cast<int>(Values.size());
    switch (FKind) {
    case kMove:
    case kSwap: {
        if (FA == FB || FA < 0 || FB < 0) return;
        const int needed = std::max(FA, FB) + 1;
        if (size < needed) {
            if (FA >= size && FB >= size) return; // both beyond the row: blank to blank
            Values.resize(static_cast<size_t>(needed), Blank);
        }
        if (FKind == kSwap) {
            T kept = std::move(Values[static_cast<size_t>(FA)]);
            Values[static_cast<size_t>(FA)] = std::move(Values[static_cast<size_t>(FB)]);
            Values[static_cast<size_t>(FB)] = std::move(kept);
            return;
        }
        T moved = std::move(Values[static_cast<size_t>(FA)]);
        Values.erase(Values.begin() + FA);
        Values.insert(Values.begin() + FB, std::move(moved));
        return;
    }
    case kInsert:
        if (FA < 0 || FA >= size || FB <= 0) return;
        Values.insert(Values.begin() + FA, static_cast<size_t>(FB), Blank);
        return;
    case kRemove: {
        if (FA < 0 || FA >= size || FB <= 0) return;
        const int end = std::min(FA + FB, size);
        for (int c = FA; c < end; ++c)
            Dropped(Values[static_cast<size_t>(c)]);
        Values.erase(Values.begin() + FA, Values.begin() + end);
        return;
    }
    }
}
