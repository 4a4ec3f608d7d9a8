#include "grid/control/ComboItemList.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridCombo.h"

TItemStrings& TComboItemList::Items() const { return *FGrid.EditCombo()->Items(); }

void TComboItemList::Clear()
{
    Items().Clear();
    FObjects.clear();
}

void TComboItemList::Add(const std::string& S, TObject* AObject)
{
    // Objects line up with the items only while every item came through here.
    if (static_cast<int>(FObjects.size()) != Count()) FObjects.assign(Count(), nullptr);
    const int index = Items().Add(S);
    FObjects.insert(FObjects.begin() + index, AObject);
}

bool TComboItemList::Remove(const std::string& S)
{
    const int index = IndexOf(S);
    if (index < 0) return false;
    Items().Delete(index);
    if (index < static_cast<int>(FObjects.size())) FObjects.erase(FObjects.begin() + index);
    return true;
}

int TComboItemList::IndexOf(const std::string& S) const { return Items().IndexOf(S); }

int TComboItemList::Count() const { return Items().Count(); }

std::string TComboItemList::Strings(int Index) const { return Items().Strings(Index); }

TObject* TComboItemList::Objects(int Index) const
{
    static_cast<void>(Strings(Index));
    return static_cast<int>(FObjects.size()) == Count() ? FObjects[Index] : nullptr;
}
