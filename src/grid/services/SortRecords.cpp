#include "grid/services/SortRecords.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

#include "grid/services/SortKeys.h"
#include "grid/services/StableOrder.h"

namespace {

std::uint64_t TextHead(const std::string& Text, size_t From)
{
    std::uint64_t head = 0;
    for (size_t i = From; i < From + 8; ++i)
        head = head << 8 | (i < Text.size() ? static_cast<unsigned char>(Text[i]) : 0u);
    return head;
}

// Lists up to this long are sorted by insertion: most lists of ties are that short, and a
// radix sort's counts would cost more than their compares.
constexpr size_t kShortList = 32;


// Negative values have every bit turned, so that they order backwards below the positive
// ones, which get the sign bit set.
std::uint64_t OrderedBits(double Value)
{
    constexpr std::uint64_t sign = std::uint64_t{1} << 63;
    const auto bits = std::bit_cast<std::uint64_t>(Value == 0 ? 0.0 : Value);
    return bits & sign ? ~bits : bits | sign;
}

} // namespace

void TSortRecords::Clear(size_t Count)
{
    FRoom = Count;
    FKind = TKind::None;
    FValid = FSameAsFirst = FSameEmpty = true;
    FValues.clear();
    FTexts.clear();
    FChars.clear();
}

bool TSortRecords::Add(const TSortKey& Key, int Row)
{
    const TKind kind = Key.IsText ? TKind::Text : TKind::Value;
    if (FKind == TKind::None) {
        FKind = kind;
        // Room for every row of the list up front, the characters guessed from the first
        // text within bounds: memory is only touched as the keys come, and is never copied
        // to grow.
        if (kind == TKind::Value) {
            FValues.reserve(FRoom);
        } else {
            FTexts.reserve(FRoom);
            const size_t guess = std::min<size_t>(Key.Text.size(), 64);
            FChars.reserve(FRoom * (sizeof(std::uint32_t) + guess + guess / 2));
        }
    }
    if (kind != FKind || Row < 0) return false;
    const auto row = static_cast<std::uint32_t>(Row);
    if (kind == TKind::Value) {
        // A value that is no number ties with every other, which orders nothing.
        if (std::isnan(Key.Value)) return false;
        if (FValues.empty()) FValid = Key.Valid;
        if (Key.Valid != FValid) return false;
        // Numbers that did not convert all tie.
        const TValue value{FValid ? OrderedBits(Key.Value) : 0, row, Key.Empty};
        if (!FValues.empty()) {
            FSameAsFirst = FSameAsFirst && value.Bits == FValues.front().Bits;
            FSameEmpty = FSameEmpty && value.Empty == FValues.front().Empty;
        }
        FValues.push_back(value);
        return true;
    }
    const auto length = static_cast<std::uint32_t>(Key.Text.size());
    if (Key.Text.size() > std::numeric_limits<std::uint32_t>::max() - sizeof length ||
        FChars.size() > std::numeric_limits<std::uint32_t>::max() - sizeof length - Key.Text.size())
        return false;
    const TText text{{TextHead(Key.Text, 0), TextHead(Key.Text, 8)}, static_cast<std::uint32_t>(FChars.size()), row};
    FChars.append(reinterpret_cast<const char*>(&length), sizeof length);
    FChars += Key.Text;
    if (!FTexts.empty()) FSameAsFirst = FSameAsFirst && CompareTexts(text, FTexts.front()) == 0;
    FTexts.push_back(text);
    return true;
}

int TSortRecords::CompareTexts(const TText& A, const TText& B) const
{
    for (size_t i = 0; i < 2; ++i)
        if (A.Head[i] != B.Head[i]) return A.Head[i] < B.Head[i] ? -1 : 1;
    std::uint32_t lengthA = 0, lengthB = 0;
    std::memcpy(&lengthA, FChars.data() + A.At, sizeof lengthA);
    std::memcpy(&lengthB, FChars.data() + B.At, sizeof lengthB);
    const std::string_view a(FChars.data() + A.At + sizeof lengthA, lengthA);
    const std::string_view b(FChars.data() + B.At + sizeof lengthB, lengthB);
    return SortSignOf(a.compare(b));
}

bool TSortRecords::EmptyText(const TText& A) const
{
    if (A.Head[0] != 0 || A.Head[1] != 0) return false;
    std::uint32_t length = 0;
    std::memcpy(&length, FChars.data() + A.At, sizeof length);
    return length == 0;
}

template <class TRecord, class TByteOf>
void TSortRecords::RadixSort(std::pmr::vector<TRecord>& Records, std::pmr::vector<TRecord>& Spare, size_t Bytes,
                             TByteOf ByteOf)
{
    std::vector<std::array<size_t, 256>> counts(Bytes);
    for (const TRecord& record : Records)
        for (size_t b = 0; b < Bytes; ++b)
            ++counts[b][ByteOf(record, b)];
    Spare.resize(Records.size());
    for (size_t b = 0; b < Bytes; ++b) {
        auto& count = counts[b];
        if (std::find(count.begin(), count.end(), Records.size()) != count.end()) continue;
        size_t at = 0;
        for (size_t& slot : count)
            at += std::exchange(slot, at);
        for (const TRecord& record : Records)
            Spare[count[ByteOf(record, b)]++] = record;
        Records.swap(Spare);
    }
}

// Descending, the bits are turned: equal values stay equal and keep their order.
void TSortRecords::SortValues(bool Ascending)
{
    if (FValues.size() <= kShortList) {
        InsertionSortRange(FValues.data(), FValues.data() + FValues.size(), [&](const TValue& A, const TValue& B) {
            return Ascending ? A.Bits < B.Bits : B.Bits < A.Bits;
        });
        return;
    }
    if (!Ascending)
        for (TValue& value : FValues)
            value.Bits = ~value.Bits;
    RadixSort(FValues, FValueSpare, 8, [](const TValue& A, size_t B) { return A.Bits >> (8 * B) & 0xff; });
}

// The heads order the texts but for those that share them; each group of those is then put
// in order by the whole texts. Descending, the heads' bits are turned, so a shorter text,
// padded with zeros, goes after the longer ones it begins.
void TSortRecords::SortTexts(bool Ascending)
{
    const auto less = [&](const TText& A, const TText& B) {
        return Ascending ? CompareTexts(A, B) < 0 : CompareTexts(B, A) < 0;
    };
    if (FTexts.size() <= kShortList) {
        InsertionSortRange(FTexts.data(), FTexts.data() + FTexts.size(), less);
        return;
    }
    const auto flip = [](TText& A) { A.Head[0] = ~A.Head[0], A.Head[1] = ~A.Head[1]; };
    if (!Ascending) std::for_each(FTexts.begin(), FTexts.end(), flip);
    RadixSort(FTexts, FTextSpare, 16,
              [](const TText& A, size_t B) { return A.Head[B < 8 ? 1 : 0] >> (8 * (B % 8)) & 0xff; });
    if (!Ascending) std::for_each(FTexts.begin(), FTexts.end(), flip);
    for (auto first = FTexts.begin(); first != FTexts.end();) {
        auto last = first + 1;
        while (last != FTexts.end() && last->Head[0] == first->Head[0] && last->Head[1] == first->Head[1])
            ++last;
        if (last - first > static_cast<std::ptrdiff_t>(kShortList))
            std::stable_sort(first, last, less);
        else if (last - first > 1)
            InsertionSortRange(&*first, &*first + (last - first), less);
        first = last;
    }
}

template <class TRecord, class TEmpty>
void TSortRecords::PlaceBlanks(std::pmr::vector<TRecord>& Records, bool First, TEmpty Empty)
{
    std::stable_partition(Records.begin(), Records.end(), [&](const TRecord& A) { return Empty(A) == First; });
}

template <class TRecord, class TTie>
void TSortRecords::Collect(const std::pmr::vector<TRecord>& Records, TTie Tie, std::span<int> Order, TRuns& Runs)
{
    Runs.clear();
    size_t runStart = 0;
    for (size_t k = 0; k < Records.size(); ++k) {
        Order[k] = static_cast<int>(Records[k].Row);
        if (k > 0 && Tie(Records[k - 1], Records[k])) continue;
        if (k - runStart > 1) Runs.emplace_back(runStart, k);
        runStart = k;
    }
    if (Records.size() - runStart > 1) Runs.emplace_back(runStart, Records.size());
}

// Blanks go first or last whatever the direction: sorting by the keys and then moving the
// blanks, each part keeping its order, gives what a stable sort by both would.
void TSortRecords::Sort(const TSortSettings& Settings, TSortDirection Direction, std::span<int> Order, TRuns& Runs)
{
    const bool ascending = Direction == sdAscending;
    const bool placeBlanks = Settings.IgnoreBlanks;
    const bool blanksFirst = Settings.BlankPos == blFirst;
    if (FKind == TKind::Text) {
        SortTexts(ascending);
        if (placeBlanks) PlaceBlanks(FTexts, blanksFirst, [&](const TText& A) { return EmptyText(A); });
        Collect(FTexts, [&](const TText& A, const TText& B) { return CompareTexts(A, B) == 0; }, Order, Runs);
        return;
    }
    SortValues(ascending);
    if (placeBlanks) PlaceBlanks(FValues, blanksFirst, [](const TValue& A) { return A.Empty; });
    Collect(FValues,
            [&](const TValue& A, const TValue& B) { return A.Bits == B.Bits && (!placeBlanks || A.Empty == B.Empty); },
            Order, Runs);
}
