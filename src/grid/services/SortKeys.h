#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/GridEnums.h"

// What a cell is compared by once the style of its column is known: a value (numbers,
// dates, times, check states, image keys) or a text compared byte by byte.
struct TSortKey {
    bool IsText = false;
    double Value = 0;
    // A number that did not convert; two of them tie, against a valid one it counts by its value.
    bool Valid = true;
    // Nothing was left to compare, which is what the blank placement looks at.
    bool Empty = false;
    std::string Text;

    static TSortKey OfValue(double AValue, bool AValid, bool AEmpty) { return {false, AValue, AValid, AEmpty, {}}; }
    static TSortKey OfText(std::string AText)
    {
        const bool empty = AText.empty();
        return {true, 0, true, empty, std::move(AText)};
    }
};

inline int SortSignOf(double Value) { return (Value > 0) - (Value < 0); }

// Values tie when neither converted; otherwise each counts by its value.
inline int CompareSortValues(double A, bool ValidA, double B, bool ValidB)
{
    return !ValidA && !ValidB ? 0 : SortSignOf(A - B);
}

// -1, 0 or 1; both keys are of the same kind.
inline int CompareSortKeys(const TSortKey& A, const TSortKey& B)
{
    return A.IsText ? SortSignOf(A.Text.compare(B.Text)) : CompareSortValues(A.Value, A.Valid, B.Value, B.Valid);
}

// The compare result with empty texts placed where the settings put them in Direction, when
// they ask for it.
int PlaceSortBlanks(int Result, bool Empty1, bool Empty2, const TSortSettings& Settings, TSortDirection Direction);

// How the keys of one column are read: its style as its format gave it, before any cell
// decided it, with the prefix and suffix a number drops. ssCustom compares every cell cell
// by cell.
struct TSortColumnFormat {
    TSortStyle Style = ssCustom;
    std::string Prefix, Suffix;
};

// The keys of one column over a run of rows, each read when a compare first needs it, so
// that most compares are a look-up instead of reading and converting two cells. A cell
// whose compare depends on the other cell (the automatic style, a check box) is compared
// cell by cell; so is a pair whose keys are of different kinds. Values and texts are kept
// apart and packed, the texts' characters in one block, since a sort walks them at random.
class TSortColumnKeys {
public:
    // What Compare gives for a pair that has to be compared cell by cell.
    static constexpr int CompareCellByCell = 2;

    TSortColumnKeys(size_t Count, TSortColumnFormat Format);

    const TSortColumnFormat& Format() const { return FFormat; }

    bool Read(size_t A) const { return FEntryOf[A] != 0; }
    void Set(size_t A, const TSortKey& Key);
    void SetCellByCell(size_t A);

    // -1, 0 or 1 as CompareSortKeys, with blanks placed after; CompareCellByCell otherwise.
    int Compare(size_t A, size_t B, const TSortSettings& Settings, TSortDirection Direction) const
    {
        const TEntry& a = FEntries[FEntryOf[A] - 1];
        const TEntry& b = FEntries[FEntryOf[B] - 1];
        if (a.Kind != b.Kind || a.Kind == kCellByCell) return CompareCellByCell;
        const int result = a.Kind == kText ? SortSignOf(TextOf(a).compare(TextOf(b)))
                                           : CompareSortValues(a.Value, a.Valid, b.Value, b.Valid);
        if (!Settings.IgnoreBlanks) return result;
        return PlaceSortBlanks(result, a.Empty, b.Empty, Settings, Direction);
    }

    // The keys of Count other rows, with no key read.
    void Restart(size_t Count);

private:
    enum : std::uint8_t { kValue, kText, kCellByCell };
    struct TEntry {
        double Value;
        size_t Text;
        size_t Length;
        std::uint8_t Kind;
        bool Valid;
        bool Empty;
    };
    struct TFree {
        void operator()(std::uint32_t* P) const;
    };
    void Add(size_t A, TEntry Entry);
    std::string_view TextOf(const TEntry& Entry) const { return {FChars.data() + Entry.Text, Entry.Length}; }

    TSortColumnFormat FFormat;
    // Per row the number of its entry, 0 while unread. Only the rows a sort reads get an
    // entry: a column read for the ties of a few rows costs what those rows cost.
    std::unique_ptr<std::uint32_t[], TFree> FEntryOf;
    size_t FRowRoom;
    std::vector<TEntry> FEntries;
    std::string FChars;
};

// The keys of a running sort over a list of rows, per column, made when a compare first
// needs the column. The rows stay in place while the keys are in use.
class TSortKeyTable {
public:
    // No rows until Restart.
    explicit TSortKeyTable(int ColCount);

    // The rows Rows, in ascending order, with no key read: one table serves run after run
    // of rows without making its columns anew.
    void Restart(const std::vector<int>& Rows);
    // Whether the row is one of the table's, and its index among them.
    bool IndexOf(int ARow, size_t& Index) const;
    int Count() const { return FCount; }
    // Null until Make.
    TSortColumnKeys* Keys(int ACol) { return FKeys[static_cast<size_t>(ACol)].get(); }
    TSortColumnKeys& Make(int ACol, TSortColumnFormat Format);

private:
    int FFirst = 0;
    int FCount = 0;
    // The rows of a list; empty where they are the run from FFirst on, found without a search.
    std::vector<int> FRows;
    std::vector<std::unique_ptr<TSortColumnKeys>> FKeys;
};
