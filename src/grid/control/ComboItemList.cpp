#include "grid/control/ComboItemList.h"

void TComboItemList::Clear()
{
    FItems.Clear();
    FObjects.clear();
}

void TComboItemList::Add(const std::string& S, TObject* AObject)
{
    const int index = FItems.Add(S);
    FObjects.insert(FObjects.begin() + index, AObject);
}

bool TComboItemList::Remove(const std::string& S)
{
    const int index = FItems.IndexOf(S);
    if (index < 0) return false;
    FItems.Delete(index);
    FObjects.erase(FObjects.begin() + index);
    return true;
}

TObject* TComboItemList::Objects(int Index) const
{
    static_cast<void>(FItems[Index]);
    return FObjects[Index];
}
