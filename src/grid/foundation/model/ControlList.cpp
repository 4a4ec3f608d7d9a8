#include "grid/foundation/model/ControlList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

void TControlList::AddControl(int X, int Y, TControl* AObject)
{
    items_.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i]->X == X && items_[i]->Y == Y) return i;
    return -1;
}

void TControlList::RemoveControl(int i)
{
    if (i < 0 || i >= Count()) throw EListError(Format("List index out of bounds (%d)", {i}));
    items_.erase(items_.begin() + i);
}

bool TControlList::HasHandle(const TWinControl* Handle) const
{
    if (!Handle) return false;
    const TControl* window = Handle;
    for (const auto& item : items_)
        if (item->Control == window) return true;
    return false;
}
