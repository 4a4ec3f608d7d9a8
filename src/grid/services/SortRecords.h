#pragma once
#include <cstdint>
#include <memory_resource>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "grid/control/settings/SortSettings.h"
#include "platform/rtl/BulkMemory.h"

struct TSortKey;

// The keys of one sort column over a list of rows, each kept with its row in a small record,
// so that the sort moves the records themselves and a compare reads the two records and
// nothing else. It takes only keys whose compare orders every row: all values or all texts,
// and values either all converted or none (two numbers that did not convert tie whatever
// their digits, which against a third, valid one would order no longer). Rows that tie come
// out as runs, for the further columns to settle. One set of records serves list after list.
class TSortRecords {
public:
    using TRuns = std::vector<std::pair<size_t, size_t>>;

    TSortRecords() = default;

    // No keys, with room for the Count keys of the next list made as its first key comes;
    // more are taken all the same. The memory of lists before is kept.
    void Clear(size_t Count);
    // The key of Row, the next of the list; false once the keys no longer qualify.
    bool Add(const TSortKey& Key, int Row);
    // Whether every key ties with the first as Sort compares them, blanks placed or not.
    bool AllTie(const TSortSettings& Settings) const { return FSameAsFirst && (!Settings.IgnoreBlanks || FSameEmpty); }

    // Stably sorts the rows by their keys in Direction, with empty keys first or last as the
    // settings say when they ask for it. Order, one entry for each key, gets the rows; Runs the
    // ranges [first, last) of Order whose rows tie, each with two rows or more.
    void Sort(const TSortSettings& Settings, TSortDirection Direction, std::span<int> Order, TRuns& Runs);

private:
    enum class TKind { None, Value, Text };
    // The value's bits turned so that they order as the values do, -0 as 0.
    struct TValue {
        std::uint64_t Bits;
        std::uint32_t Row;
        bool Empty;
    };
    // The first sixteen bytes, read as two big-endian numbers, order two texts as their
    // bytes do wherever they differ there, which decides most compares without the
    // characters. A shorter text is padded with zeros.
    struct TText {
        std::uint64_t Head[2];
        std::uint32_t At;  // of the text's length and characters in FChars
        std::uint32_t Row;
    };
    int CompareTexts(const TText& A, const TText& B) const;
    bool EmptyText(const TText& A) const;
    void SortValues(bool Ascending);
    void SortTexts(bool Ascending);
    // A stable radix sort a byte at a time from the lowest of Bytes, ByteOf giving byte b
    // of a record's key, skipping the bytes that every key shares.
    template <class TRecord, class TByteOf>
    static void RadixSort(std::pmr::vector<TRecord>& Records, std::pmr::vector<TRecord>& Spare, size_t Bytes,
                          TByteOf ByteOf);
    // Moves the empty keys to the front or the back, each part keeping its order.
    template <class TRecord, class TEmpty>
    static void PlaceBlanks(std::pmr::vector<TRecord>& Records, bool First, TEmpty Empty);
    template <class TRecord, class TTie>
    static void Collect(const std::pmr::vector<TRecord>& Records, TTie Tie, std::span<int> Order, TRuns& Runs);

    size_t FRoom = 0;
    TKind FKind = TKind::None;
    bool FValid = true;
    bool FSameAsFirst = true;
    bool FSameEmpty = true;
    // Filled right after they are taken, so they come from the bulk memory.
    std::pmr::vector<TValue> FValues{BulkMemory()}, FValueSpare{BulkMemory()};
    std::pmr::vector<TText> FTexts{BulkMemory()}, FTextSpare{BulkMemory()};
    // Per text its length in four bytes, then its characters.
    std::pmr::string FChars{BulkMemory()};
};
