#include "platform/rtl/Classes.h"

#include <algorithm>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStringList::operator[](int index) const
{
    CheckIndex(index);
    return items_[index];
}

TStringList& TStringList::operator=(const TStringList& other)
{
    if (this == &other) return *this;
    items_ = other.items_;
    sorted_ = other.sorted_;
    caseSensitive_ = other.caseSensitive_;
    Changed();
    return *this;
}

void TStringList::Clear()
{
    items_.clear();
    Changed();
}

void TStringList::Put(int index, const std::string& s)
{
    CheckIndex(index);
    items_[index] = s;
    Changed();
}

int TStringList::Compare(const std::string& a, const std::string& b) const
{
    return caseSensitive_ ? a.compare(b) : AnsiCompareText(a, b);
}

bool TStringList::Find(const std::string& s, int& index) const
{
    int lo = 0;
    int hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = Compare(items_[mid], s);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) found = true;
        }
    }
    index = lo;
    return found;
}

int TStringList::Add(const std::string& s)
{
    int index = Count();
    if (sorted_) Find(s, index);
    items_.insert(items_.begin() + index, s);
    Changed();
    return index;
}

void TStringList::Insert(int index, const std::string& s)
{
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, s);
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Exchange(int a, int b)
{
    CheckIndex(a);
    CheckIndex(b);
    std::swap(items_[a], items_[b]);
    Changed();
}

int TStringList::IndexOf(const std::string& s) const
{
    if (sorted_) {
        int index = 0;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(items_[i], s) == 0) return i;
    return -1;
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted && !sorted_) {
        sorted_ = true;
        Sort();
    }
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive)
{
    caseSensitive_ = caseSensitive;
    if (sorted_) Sort();
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const std::string& a, const std::string& b) { return Compare(a, b) < 0; });
    Changed();
}

std::string TStringList::Text() const
{
    std::string out;
    for (const auto& line : items_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(const std::string& text)
{
    items_.clear();
    for (const std::string_view line : SplitLines(text))
        items_.emplace_back(line);
    if (sorted_) Sort();
    Changed();
}

void TStringList::SetCommaText(const std::string& text)
{
    items_.clear();
    const auto blank = [&](size_t i) {
        return i < text.size() && static_cast<unsigned char>(text[i]) <= ' ';
    };
    size_t i = 0;
    while (blank(i)) ++i;
    while (i < text.size()) {
        std::string item;
        if (text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] != '"') {
                    item += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    item += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            const size_t start = i;
            while (i < text.size() && !blank(i) && text[i] != ',') ++i;
            item = text.substr(start, i - start);
        }
        items_.push_back(item);
        while (blank(i)) ++i;
        if (i < text.size() && text[i] == ',') {
            if (i + 1 == text.size()) items_.push_back("");
            do ++i;
            while (blank(i));
        }
    }
    if (sorted_) Sort();
    Changed();
}

void TStringList::LoadFromFile(const std::string& path)
{
    SetText(DecodeTextFile(ReadFileBytes(path)));
}

void TStringList::SaveToFile(const std::string& path, TTextEncoding encoding) const
{
    const std::string text = Text();
    WriteFileBytes(path, encoding == TTextEncoding::ANSI ? Utf8ToWin1252(text) : text);
}
