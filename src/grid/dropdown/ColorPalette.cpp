#include "grid/dropdown/ColorPalette.h"

#include <algorithm>

namespace {
constexpr int kMargin = 4;

const TColor kPalette[6][10] = {
    {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
    {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
    {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
    {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
    {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
    {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
};
} // namespace

void TColorBoxItem::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Changed(false);
}

void TColorBoxItem::Assign(const TPersistent& Source)
{
    if (const auto* Other = dynamic_cast<const TColorBoxItem*>(&Source)) FColor = Other->FColor;
}

TCustomColorSelector::TCustomColorSelector(TComponent* owner)
    : TExtCustomColorSelectorPanel(owner), FItems(std::make_unique<TColorBoxItems>())
{
    SetParentColor(true);
    LayoutItems();
}

void TCustomColorSelector::SetColumns(int Value)
{
    if (Value == FColumns || Value < 1) return;
    FColumns = Value;
    LayoutItems();
}

void TCustomColorSelector::SetColumnGap(int Value)
{
    if (Value == FColumnGap) return;
    FColumnGap = Value;
    LayoutItems();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Style)
{
    if (Style == FItemColorStyle) return;
    FItemColorStyle = Style;
    if (Style != scCustom) ColorBoxAppearance = TColorBoxAppearance();
}

void TCustomColorSelector::AddPaletteColors()
{
    FItems->Clear();
    for (int Row = 0; Row < 6; ++Row)
        for (const TColor Color : kPalette[Row]) {
            TColorBoxItem* Box = FItems->Add();
            Box->SetColor(Color);
            Box->ColorBoxPos = Row == 0 ? ipStandAlone : Row == 1 ? ipTop : Row == 5 ? ipBottom : ipMiddle;
        }
}

// Rows holding a stand-alone box are followed by a gap; rows of shades touch.
void TCustomColorSelector::LayoutItems()
{
    if (Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    int X = kMargin, Y = kMargin, Column = 0, Widest = 0;
    bool RowGap = false;
    for (int I = 0; I < Count(); ++I) {
        TColorBoxItem& Box = *FItems->Items(I);
        Box.Bounds = TRect{X, Y, X + FBoxWidth, Y + FBoxHeight};
        ++Column;
        if (I == Count() - 1) break;
        if (Box.ColorBoxPos == ipStandAlone) RowGap = true;
        if (Column < FColumns) {
            X += FBoxWidth + FColumnGap;
            continue;
        }
        Widest = std::max(Widest, X);
        X = kMargin;
        Y += FBoxHeight + (RowGap ? FColumnGap : 0);
        RowGap = false;
        Column = 0;
    }
    SetBounds(Left(), Top(), std::max(X, Widest) + FBoxWidth + kMargin + 1, Y + FBoxHeight + kMargin);
    Invalidate();
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const
{
    for (int I = 0; I < Count(); ++I)
        if (FItems->Items(I)->Bounds.Contains(TPoint{X, Y})) return I;
    return -1;
}

TRect TCustomColorSelector::GetItemRect(int Index) const
{
    return Index >= 0 && Index < Count() ? FItems->Items(Index)->Bounds : TRect{-1, -1, -1, -1};
}

void TCustomColorSelector::SetItemIndex(int Index)
{
    if (Index != FItemIndex && FItemIndex >= 0) Invalidate();
    FItemIndex = Index;
    if (Index < 0) return;
    FSelectedColor = FItems->Items(Index)->Color();
    Invalidate();
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int Index)
{
    if (Index == FItemHot) return;
    FItemHot = Index;
    Invalidate();
}

void TCustomColorSelector::SetSelectedColor(TColor Color)
{
    if (Color == FSelectedColor) return;
    FSelectedColor = Color;
    int Found = -1;
    for (int I = 0; I < Count() && Color != clNone && Found < 0; ++I)
        if (FItems->Items(I)->Color() == Color) Found = I;
    if (Found >= 0) SetItemIndex(Found);
    else FItemIndex = -1;
}

void TCustomColorSelector::SelectFirst()
{
    if (Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (Count() > 0) SetItemIndex(Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex < 0 && Count() > 0) SetItemIndex(0);
    else if (FItemIndex >= 0 && FItemIndex + 1 < Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot < 0 && Count() > 0) SetItemHot(0);
    else if (FItemHot >= 0 && FItemHot + 1 < Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot > 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(Word Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled()) return;
    const bool Sideways = !(EditorEnabled && !DroppedDown);
    const auto Vertical = [&](int Delta) {
        const int Target = FItemIndex < 0 ? 0 : FItemIndex + Delta;
        if (Target >= 0 && Target < Count()) SetItemIndex(Target);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
        if (Sideways) SelectPrevious();
        break;
    case VK_RIGHT:
        if (Sideways) SelectNext();
        break;
    case VK_UP:
        if (DroppedDown) Vertical(-FColumns);
        else SelectPrevious();
        break;
    case VK_DOWN:
        if (DroppedDown) Vertical(FColumns);
        else SelectNext();
        break;
    default: break;
    }
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* Canvas)
{
    if (Index < 0 || Index >= Count() || !Canvas) return;
    const TColorBoxItem& Box = *FItems->Items(Index);
    TRect R = Box.Bounds;
    if (R.Left < 0 && R.Right < 0) return;
    if (Box.Color() != clNone) {
        Canvas->Brush()->SetColor(Box.Color());
        Canvas->Pen()->SetColor(Box.Color());
        Canvas->Rectangle(R);
    }
    const TColorBoxAppearance& A = ColorBoxAppearance;
    const bool Selected = Index == FItemIndex, Hot = Index == FItemHot;
    if (Selected || Hot) {
        const TColor Outer = Selected ? A.OuterBorderColorSelected : A.OuterBorderColorHot;
        const TColor Inner = Selected ? A.InnerBorderColorSelected : A.InnerBorderColorHot;
        Canvas->Brush()->SetStyle(bsClear);
        if (Outer != clNone) {
            Canvas->Pen()->SetColor(Outer);
            Canvas->Rectangle(R);
            R = InflateRect(R, -1, -1);
        }
        if (Inner != clNone) {
            Canvas->Pen()->SetColor(Inner);
            Canvas->Rectangle(R);
        }
        Canvas->Brush()->SetStyle(bsSolid);
        return;
    }
    Canvas->Pen()->SetColor(A.BorderColor);
    const auto Edge = [&](int X1, int Y1, int X2, int Y2) {
        Canvas->MoveTo(X1, Y1);
        Canvas->LineTo(X2, Y2);
    };
    const bool Top = Box.ColorBoxPos == ipStandAlone || Box.ColorBoxPos == ipTop;
    const bool Bottom = Box.ColorBoxPos == ipStandAlone || Box.ColorBoxPos == ipBottom;
    Edge(R.Left, R.Top, R.Left, R.Bottom + 1);
    Edge(R.Right, R.Top, R.Right, R.Bottom + 1);
    if (Top) Edge(R.Left, R.Top, R.Right + 1, R.Top);
    if (Bottom) Edge(R.Left, R.Bottom, R.Right + 1, R.Bottom);
}

void TCustomColorSelector::Paint()
{
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(TRect{0, 0, Width(), Height()});
    for (int I = 0; I < Count(); ++I)
        DrawItem(I, Canvas());
}

void TCustomColorSelector::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomColorSelectorPanel::MouseDown(button, shift, x, y);
    const int Index = ItemAtPos(x, y);
    if (Index >= 0) SetItemIndex(Index);
}

void TCustomColorSelector::MouseMove(TShiftState shift, int x, int y)
{
    TExtCustomColorSelectorPanel::MouseMove(shift, x, y);
    SetItemHot(ItemAtPos(x, y));
}

void TCustomColorSelector::CMMouseLeave(TMessage& message)
{
    TExtCustomColorSelectorPanel::CMMouseLeave(message);
    SetItemHot(-1);
}
