#pragma once
#include <string>
#include <vector>

class TExtStringGrid;
class TItemStrings;
class TObject;

// The one item list of the grid's in-place combo editor, shared by every cell whose editor
// is a combo: it is the combo editor's own items (so what is added here is what the editor
// shows), with an optional object per item (not owned).
class TComboItemList {
public:
    explicit TComboItemList(TExtStringGrid& Grid) : FGrid(Grid) {}

    void Clear();
    void Add(const std::string& S, TObject* AObject = nullptr);
    // Deletes the first item equal to S by the list's comparison; false when there is none.
    bool Remove(const std::string& S);
    int IndexOf(const std::string& S) const;
    int Count() const;
    // Both raise the list's index error outside the list.
    std::string Strings(int Index) const;
    // None for an item that came into the editor's items some other way (the column grid
    // puts its column's items there).
    TObject* Objects(int Index) const;

private:
    TItemStrings& Items() const;

    TExtStringGrid& FGrid;
    std::vector<TObject*> FObjects;
};
