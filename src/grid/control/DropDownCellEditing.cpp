#include "grid/control/DropDownCellEditing.h"

#include "grid/control/ExtStringGrid.h"

namespace {
TDropDownCellEditingMaker& Maker()
{
    static TDropDownCellEditingMaker maker = nullptr;
    return maker;
}
} // namespace

void SetDropDownCellEditingMaker(TDropDownCellEditingMaker AMaker) { Maker() = AMaker; }

TDropDownCellEditingMaker DropDownCellEditingMaker() { return Maker(); }

IDropDownCellEditing* TExtStringGrid::DropDownCellEditing()
{
    if (!FDropDownCellEditing && Maker()) FDropDownCellEditing = Maker()(*this);
    return FDropDownCellEditing;
}
