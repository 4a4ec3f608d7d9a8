#include <algorithm>
#include <utility>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/FilterDropLists.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"

// The filter button at the right of a header cell opens the column's values under it: a
// list that applies one value, or a check list that applies every checked one at each click.

namespace {

// Where a release counts as a press on a header's filter button.
constexpr int kFilterButtonWidth = 16;
constexpr int kFilterButtonInset = 3;
constexpr int kFilterButtonHeight = 19;
// The list opens this far below the header cell's top, and this far left of its right edge.
constexpr int kFilterListOffset = 16;
constexpr int kFilterListTextMargin = 8;
constexpr int kFilterListEdge = 2;
// The check list's box and its gap come before the text.
constexpr int kFilterCheckBoxRoom = 20;

std::string FilterEntryName(const std::string& Entry) { return Entry.substr(0, Entry.find('=')); }

} // namespace

void TExtStringGrid::CreateFilterDropLists()
{
    FDropList = new TDropList(this);
    FDropCheckList = new TDropCheckList(this);
    for (TListBox* list : {static_cast<TListBox*>(FDropList), static_cast<TListBox*>(FDropCheckList)}) {
        list->SetParent(this);
        list->SetVisible(false);
        list->SetBounds(0, 0, 0, 0);
    }
    FDropList->OnSelect = [this](TObject*, int ItemIndex) { FilterListSelect(ItemIndex); };
    FDropCheckList->OnSelect = [this](TObject*, int) { FilterCheckListDone(CheckedFilterEntries()); };
    // A click elsewhere closes the list; one on the same button must not open it again.
    const auto cancel = [this](TObject*) {
        FFilterListClosedCol = FilterCol;
        FilterCol = -1;
    };
    FDropList->OnCancel = cancel;
    FDropCheckList->OnCancel = cancel;
}

void TExtStringGrid::SetFilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= FixedRows()) return;
    FilterDropDownRow = Value;
    Invalidate();
}

std::vector<bool> TExtStringGrid::CheckedFilterEntries() const
{
    std::vector<bool> checked(static_cast<size_t>(FDropCheckList->Count()));
    for (int i = 0; i < FDropCheckList->Count(); ++i)
        checked[static_cast<size_t>(i)] = FDropCheckList->Checked(i);
    return checked;
}

void TExtStringGrid::ReleaseFilterButton(int X, int Y)
{
    const int closedCol = std::exchange(FFilterListClosedCol, -1);
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const int realCol = ACol >= 0 ? RealColIndex(ACol) : -1;
    const TRect rect = ACol >= 0 && ARow >= 0 ? CellRect(ACol, ARow) : TRect();
    const bool onButton = ARow >= 0 && ARow == FilterDropDownRow && realCol >= 0 && realCol != FilterCol &&
                          realCol != closedCol && X > rect.Right - kFilterButtonWidth &&
                          X < rect.Right - kFilterButtonInset && Y < rect.Top + kFilterButtonHeight;
    if (onButton && GetColumnFilter(realCol)) {
        OpenFilterList(realCol, rect);
        return;
    }
    FDropList->SetVisible(false);
    FDropCheckList->SetVisible(false);
    FilterCol = -1;
}

void TExtStringGrid::OpenFilterList(int RealCol, const TRect& HeaderCell)
{
    FilterCol = RealCol;
    TListBox& list = FilterDropDownCheck ? static_cast<TListBox&>(*FDropCheckList) : *FDropList;
    const TFilterDropDown& look = *FilterDropDown();
    list.SetColor(look.Color);
    list.Font()->Assign(*look.Font());
    list.Items()->Clear();
    TBitmap measure;
    measure.Canvas()->Font()->Assign(*look.Font());
    int widest = 0;
    for (int i = 0; i < FilterEntries()->Count(); ++i) {
        const std::string name = FilterEntryName(FilterEntries()->Strings(i));
        list.Items()->Add(name);
        widest = std::max(widest, measure.Canvas()->TextWidth(name));
        if (!FilterDropDownCheck) continue;
        const std::string condition = name.find(' ') != std::string::npos ? "\"" + name + "\"" : name;
        bool checked = false;
        for (int f = 0; f < Filter()->Count(); ++f)
            checked = checked || (Filter()->Items(f).Column == RealCol && Filter()->Items(f).Condition == condition);
        FDropCheckList->SetChecked(i, checked);
    }
    if (FilterDropDownCheck)
        widest += kFilterCheckBoxRoom;
    else
        FDropList->SetItemIndex(0);

    int width = widest + kFilterListTextMargin, height = look.Height;
    if (look.AutoSize) {
        const int itemHeight = list.Count() > 0 && list.ItemRect(0).Height() > 0 ? list.ItemRect(0).Height()
                                                                                : measure.Canvas()->TextHeight("Wg") + 2;
        height = list.Count() * itemHeight + 2 * kFilterListEdge;
        width += 2 * kFilterListEdge;
    } else {
        width = look.Width;
    }
    int left = HeaderCell.Right - kFilterListOffset;
    if (look.ColumnWidth) {
        left = HeaderCell.Left;
        width = HeaderCell.Width();
    }
    if (left + width > ClientWidth()) left = std::max(0, HeaderCell.Right - width);
    list.SetBounds(left, HeaderCell.Top + kFilterListOffset, width, height);
    list.SetVisible(true);
    list.BringToFront();
    if (list.CanFocus()) list.SetFocus();
}
