#pragma once
#include <functional>
#include <string>
#include <vector>

enum class TTextEncoding { UTF8, ANSI };

// An ordered list of texts, as the Parts use it: indexes from 0, an optional sorted mode
// that keeps the list ordered and finds by binary search, and whole-file load and save.
// OnChange tells the list's owner of every change; a copy has its own (none at first).
class TStringList {
public:
    TStringList() = default;
    TStringList(const TStringList& other)
        : items_(other.items_), sorted_(other.sorted_), caseSensitive_(other.caseSensitive_)
    {
    }
    TStringList& operator=(const TStringList& other);

    std::function<void()> OnChange;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const;
    const std::string& Strings(int index) const { return (*this)[index]; }
    void Put(int index, const std::string& s);

    int Add(const std::string& s);
    void Insert(int index, const std::string& s);
    void Delete(int index);
    void Clear();
    void Exchange(int a, int b);
    int IndexOf(const std::string& s) const;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive);
    void Sort();

    // Lines joined with CR LF, each line ended; setting splits at CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);
    // Splits a comma text: commas and blanks separate the items, double quotes group an
    // item (a doubled quote inside stands for one), and a comma at the very end adds an
    // empty item.
    void SetCommaText(const std::string& text);

    // Reads through the byte-order mark / UTF-8 / Windows-1252 rule; raises EFOpenError.
    void LoadFromFile(const std::string& path);
    // Writes the lines with CR LF endings; raises EFCreateError.
    void SaveToFile(const std::string& path, TTextEncoding encoding = TTextEncoding::ANSI) const;

    const std::vector<std::string>& Items() const { return items_; }

private:
    void Changed() const
    {
        if (OnChange) OnChange();
    }
    int Compare(const std::string& a, const std::string& b) const;
    bool Find(const std::string& s, int& index) const;
    void CheckIndex(int index) const;

    std::vector<std::string> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
};
