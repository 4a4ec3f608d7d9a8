#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "grid/foundation/model/GridEvents.h"

// A list of integers that belongs to one cell. Add, Delete and the writer of Items tell
// OnChange which cell changed; Insert does not.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}

    int Count() const { return static_cast<int>(items_.size()); }
    // Indexes out of range raise EListError.
    int32_t Items(int Index) const;
    void SetItems(int Index, int32_t Value);

    void Add(int32_t Value);
    void Delete(int Index);
    void Insert(int Index, int32_t Value);
    // Deletes the first entry equal to Value, when there is one.
    void DeleteValue(int32_t Value);
    bool HasValue(int32_t Value) const;
    void Clear() { items_.clear(); }

    // The entries as decimal numbers joined by "," without blanks.
    std::string StrValue() const;
    // Reads a comma text (commas and blanks separate, quotes group): the list is emptied
    // quietly, then every item is added. An item that is not a number raises EConvertError
    // and leaves the items before it.
    void SetStrValue(const std::string& Value);

    TImageChangeEvent OnChange;

private:
    void Changed();
    void CheckIndex(int Index, int Limit) const;

    int FCol;
    int FRow;
    std::vector<int32_t> items_;
};

// The columns of a sort over several columns, most significant first. An entry holds the
// column in bits 0 to 30 and sets bit 31 for a descending column.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(0, 0) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    // The index of the first entry for the column, whatever its direction; -1 when none.
    int FindIndex(int ColumnIndex) const;
    int SortColumns(int i) const;
    void SetSortColumns(int i, int Column);
    bool SortDirections(int i) const; // true: ascending
    void SetSortDirections(int i, bool Ascending);
    void ToggleIndex(int ColumnIndex);

    // "u" (ascending) or "d" (descending) and the column number per entry, joined by ";":
    // "u2;d5".
    std::string SaveToString() const;
    // The reverse; items shorter than two characters and items whose number is not a
    // plain decimal column number are skipped.
    void LoadFromString(const std::string& S);
};
