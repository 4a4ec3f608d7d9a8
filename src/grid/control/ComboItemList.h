#pragma once
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

class TObject;

// The one item list of the grid's in-place combo editor, shared by every cell whose editor
// is a combo: texts with an optional object each (not owned).
class TComboItemList {
public:
    void Clear();
    void Add(const std::string& S, TObject* AObject = nullptr);
    // Deletes the first item equal to S by the list's comparison; false when there is none.
    bool Remove(const std::string& S);
    int IndexOf(const std::string& S) const { return FItems.IndexOf(S); }
    int Count() const { return FItems.Count(); }
    // Both raise the list's index error outside the list.
    const std::string& Strings(int Index) const { return FItems[Index]; }
    TObject* Objects(int Index) const;
    const TStringList& Items() const { return FItems; }

private:
    TStringList FItems;
    std::vector<TObject*> FObjects;
};
