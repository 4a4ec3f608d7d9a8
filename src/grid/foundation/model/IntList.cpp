#include "grid/foundation/model/IntList.h"

#include "grid/foundation/text/TextUtils.h"

#include <algorithm>

#include "platform/rtl/Classes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace {
constexpr uint32_t kDescending = 0x80000000u;
constexpr uint32_t kColumnBits = 0x7FFFFFFFu;

uint32_t Bits(int32_t entry) { return static_cast<uint32_t>(entry); }
int32_t Entry(uint32_t bits) { return static_cast<int32_t>(bits); }
} // namespace

void TIntList::CheckIndex(int Index, int Limit) const
{
    if (Index < 0 || Index > Limit) throw EListError(Format("List index out of bounds (%d)", {Index}));
}

int32_t TIntList::Items(int Index) const
{
    CheckIndex(Index, Count() - 1);
    return items_[Index];
}

void TIntList::Changed()
{
    if (OnChange) OnChange(this, FCol, FRow);
}

void TIntList::SetItems(int Index, int32_t Value)
{
    CheckIndex(Index, Count() - 1);
    items_[Index] = Value;
    Changed();
}

void TIntList::Add(int32_t Value)
{
    items_.push_back(Value);
    Changed();
}

void TIntList::Delete(int Index)
{
    CheckIndex(Index, Count() - 1);
    items_.erase(items_.begin() + Index);
    Changed();
}

void TIntList::Insert(int Index, int32_t Value)
{
    CheckIndex(Index, Count());
    items_.insert(items_.begin() + Index, Value);
}

void TIntList::DeleteValue(int32_t Value)
{
    const auto it = std::find(items_.begin(), items_.end(), Value);
    if (it != items_.end()) Delete(static_cast<int>(it - items_.begin()));
}

bool TIntList::HasValue(int32_t Value) const
{
    return std::find(items_.begin(), items_.end(), Value) != items_.end();
}

std::string TIntList::StrValue() const
{
    std::string s;
    for (size_t i = 0; i < items_.size(); ++i)
        s += (i ? "," : "") + IntToStr(items_[i]);
    return s;
}

void TIntList::SetStrValue(const std::string& Value)
{
    TStringList parts;
    parts.SetCommaText(Value);
    items_.clear();
    for (const std::string& part : parts.Items())
        Add(StrToInt(part));
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    Add(Entry(Bits(ColumnIndex) | (Ascending ? 0 : kDescending)));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if ((Bits(Items(i)) & kColumnBits) == Bits(ColumnIndex)) return i;
    return -1;
}

int TSortIndexList::SortColumns(int i) const { return Entry(Bits(Items(i)) & kColumnBits); }

void TSortIndexList::SetSortColumns(int i, int Column)
{
    SetItems(i, Entry((Bits(Items(i)) & kDescending) | (Bits(Column) & kColumnBits)));
}

bool TSortIndexList::SortDirections(int i) const { return (Bits(Items(i)) & kDescending) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Ascending)
{
    SetItems(i, Entry((Bits(Items(i)) & kColumnBits) | (Ascending ? 0 : kDescending)));
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int i = FindIndex(ColumnIndex);
    if (i >= 0) SetItems(i, Entry(Bits(Items(i)) ^ kDescending));
}

std::string TSortIndexList::SaveToString() const
{
    std::string s;
    for (int i = 0; i < Count(); ++i)
        s += (i ? ";" : "") + std::string(SortDirections(i) ? "u" : "d") + IntToStr(Bits(Items(i)) & 0xFFFF);
    return s;
}

void TSortIndexList::LoadFromString(const std::string& S)
{
    Clear();
    size_t start = 0;
    while (start <= S.size()) {
        size_t end = S.find(';', start);
        if (end == std::string::npos) end = S.size();
        const std::string item = S.substr(start, end - start);
        int column = 0;
        if (Length(item) >= 2 && IsDigitsOnly(item.substr(1)) && TryStrToInt(item.substr(1), column))
            AddIndex(column, item[0] == 'u');
        start = end + 1;
    }
}
