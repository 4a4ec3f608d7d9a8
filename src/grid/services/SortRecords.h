#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "grid/control/settings/SortSettings.h"

struct TSortKey;

// The keys of a sort's first column, each kept with its row in a small record, so that the
// sort moves the records themselves and a compare reads the two records and nothing else.
// It takes only keys whose compare orders every row: all values or all texts, and values
// either all converted or none (two numbers that did not convert tie whatever their
// digits, which against a third, valid one would order no longer). Rows that tie come out
// as runs, for the further columns to settle.
class TSortRecords {
public:
    explicit TSortRecords(size_t Count);

    // The key of the next row (the first is row 0); false once the keys no longer qualify.
    bool Add(const TSortKey& Key);

    // Stably sorts the rows: a row goes first where the keys' compare gives Before, blanks
    // placed as the settings say in Direction. Order gets the rows; Runs the ranges
    // [first, last) of Order whose rows tie, each with two rows or more.
    void Sort(const TSortSettings& Settings, TSortDirection Direction, int Before, std::vector<int>& Order,
              std::vector<std::pair<size_t, size_t>>& Runs);

private:
    enum class TKind { None, Value, Text };
    struct TValue {
        double Value;
        std::uint32_t Row;
        bool Empty;
    };
    // The first eight bytes, read as one big-endian number, order two texts as their bytes
    // do wherever they differ there, which decides most compares without the characters.
    struct TText {
        std::uint64_t Head;
        std::uint32_t At;  // of the text's length and characters in FChars
        std::uint32_t Row;
    };
    int CompareTexts(const TText& A, const TText& B) const;
    bool EmptyText(const TText& A) const;

    TKind FKind = TKind::None;
    bool FValid = true;
    std::vector<TValue> FValues;
    std::vector<TText> FTexts;
    // Per text its length in four bytes, then its characters.
    std::string FChars;
    size_t FCount;
};
