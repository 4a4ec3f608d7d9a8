#include "grid/services/SortRecords.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#include "grid/services/SortKeys.h"

namespace {

std::uint64_t TextHead(const std::string& Text)
{
    std::uint64_t head = 0;
    for (size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < Text.size() ? static_cast<unsigned char>(Text[i]) : 0u);
    return head;
}

// Sorts the records by Compare (-1, 0, 1), then gives their rows and the runs that tie. The
// keys order every row, so any stable sort gives the one order they allow.
template <class TRecord, class TCompare>
void SortByCompare(std::vector<TRecord>& Records, TCompare Compare, int Before, std::vector<int>& Order,
                   std::vector<std::pair<size_t, size_t>>& Runs)
{
    std::stable_sort(Records.begin(), Records.end(),
                     [&](const TRecord& A, const TRecord& B) { return Compare(A, B) == Before; });
    Order.resize(Records.size());
    Runs.clear();
    size_t runStart = 0;
    for (size_t k = 0; k < Records.size(); ++k) {
        Order[k] = static_cast<int>(Records[k].Row);
        if (k > 0 && Compare(Records[k - 1], Records[k]) == 0) continue;
        if (k - runStart > 1) Runs.emplace_back(runStart, k);
        runStart = k;
    }
    if (Records.size() - runStart > 1) Runs.emplace_back(runStart, Records.size());
}

} // namespace

TSortRecords::TSortRecords(size_t Count) : FCount(Count) {}

bool TSortRecords::Add(const TSortKey& Key)
{
    const TKind kind = Key.IsText ? TKind::Text : TKind::Value;
    const size_t row = FValues.size() + FTexts.size();
    if (FKind == TKind::None) {
        FKind = kind;
        // Room for every row up front, the characters guessed from the first text within
        // bounds: memory is only touched as the keys come, and is never copied to grow.
        if (kind == TKind::Value) {
            FValues.reserve(FCount);
        } else {
            FTexts.reserve(FCount);
            const size_t guess = std::min<size_t>(Key.Text.size(), 64);
            FChars.reserve(FCount * (sizeof(std::uint32_t) + guess + guess / 2));
        }
    }
    if (kind != FKind || row > std::numeric_limits<std::uint32_t>::max()) return false;
    if (kind == TKind::Value) {
        if (row == 0) FValid = Key.Valid;
        if (Key.Valid != FValid) return false;
        FValues.push_back({Key.Value, static_cast<std::uint32_t>(row), Key.Empty});
        return true;
    }
    const auto length = static_cast<std::uint32_t>(Key.Text.size());
    if (Key.Text.size() > std::numeric_limits<std::uint32_t>::max() - sizeof length ||
        FChars.size() > std::numeric_limits<std::uint32_t>::max() - sizeof length - Key.Text.size())
        return false;
    FTexts.push_back({TextHead(Key.Text), static_cast<std::uint32_t>(FChars.size()), static_cast<std::uint32_t>(row)});
    FChars.append(reinterpret_cast<const char*>(&length), sizeof length);
    FChars += Key.Text;
    return true;
}

int TSortRecords::CompareTexts(const TText& A, const TText& B) const
{
    if (A.Head != B.Head) return A.Head < B.Head ? -1 : 1;
    std::uint32_t lengthA = 0, lengthB = 0;
    std::memcpy(&lengthA, FChars.data() + A.At, sizeof lengthA);
    std::memcpy(&lengthB, FChars.data() + B.At, sizeof lengthB);
    const std::string_view a(FChars.data() + A.At + sizeof lengthA, lengthA);
    const std::string_view b(FChars.data() + B.At + sizeof lengthB, lengthB);
    return SortSignOf(a.compare(b));
}

bool TSortRecords::EmptyText(const TText& A) const
{
    if (A.Head != 0) return false;
    std::uint32_t length = 0;
    std::memcpy(&length, FChars.data() + A.At, sizeof length);
    return length == 0;
}

void TSortRecords::Sort(const TSortSettings& Settings, TSortDirection Direction, int Before, std::vector<int>& Order,
                        std::vector<std::pair<size_t, size_t>>& Runs)
{
    const bool placeBlanks = Settings.IgnoreBlanks;
    if (FKind == TKind::Text) {
        const auto compare = [&](const TText& A, const TText& B) {
            const int result = CompareTexts(A, B);
            return placeBlanks ? PlaceSortBlanks(result, EmptyText(A), EmptyText(B), Settings, Direction) : result;
        };
        SortByCompare(FTexts, compare, Before, Order, Runs);
        return;
    }
    const auto compare = [&](const TValue& A, const TValue& B) {
        const int result = CompareSortValues(A.Value, FValid, B.Value, FValid);
        return placeBlanks ? PlaceSortBlanks(result, A.Empty, B.Empty, Settings, Direction) : result;
    };
    SortByCompare(FValues, compare, Before, Order, Runs);
}
