#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Component.h"

enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };

enum TFilterMethod { fmExpression, fmLiteral };

// The plain values of one filter condition.
struct TFilterDataValues {
    int16_t Column = 0;
    std::string Condition; // empty: the item always matches
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    std::string Prefix;
    std::string Suffix;
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
};

// One condition of the grid's filter: a column, a condition text and how its result
// combines with the conditions before it.
class TFilterData : public TPersistent, public TFilterDataValues {
public:
    void Assign(const TPersistent& Source) override;
};

// The grid's filter conditions, in order. The filter itself runs elsewhere; this is the
// list it reads and the drop-down writes.
class TFilter : public TPersistent {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index out of range.
    TFilterData& Items(int Index) const;
    void SetItems(int Index, const TFilterData& Value) { Items(Index).Assign(Value); }

    // The first item combines with nothing; every later one is ANDed by default.
    TFilterData& Add();
    // Appends an item whose operation stays foSHORT; the index is not used.
    TFilterData& Insert(int Index);
    void Delete(int Index);
    void Clear() { FItems.clear(); }

    // The first item of the column; one is added when there is none.
    TFilterData& ColumnFilter(int Col);
    // Deletes every item of the column and tells the grid (OnColumnFilterRemoved) to
    // repaint that column's header cell.
    void RemoveColumnFilter(int Col);
    bool HasFilter(int Col) const;

    std::function<void(int Col)> OnColumnFilterRemoved;

    // From another filter: its items, copied; the event stays.
    void Assign(const TPersistent& Source) override;

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};
