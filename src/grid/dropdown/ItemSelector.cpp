#include "grid/dropdown/ItemSelector.h"

#include <algorithm>

#include "grid/dropdown/DropDownDrawing.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/painting/SelectionCell.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"

// ---- items ----

TSelectorItem::TSelectorItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::SetCaption(const std::string& Value)
{
    if (Value == FCaption) return;
    FCaption = Value;
    Changed(false);
}

void TSelectorItem::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Changed(false);
}

void TSelectorItem::SetImageIndex(int Value)
{
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Changed(false);
}

void TSelectorItem::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TSelectorItem*>(&Source);
    if (!Other) return;
    FCaption = Other->FCaption;
    FColor = Other->FColor;
    FImageIndex = Other->FImageIndex;
    FImage->Assign(*Other->FImage);
    Hint = Other->Hint;
}

// ---- the selector ----

TExtCustomItemSelector::TExtCustomItemSelector(TComponent* owner)
    : TCustomControl(owner), FItems(std::make_unique<TSelectorItems>()), FItemAppearance(std::make_unique<TItemAppearance>())
{
    SetColor(clWindow);
    FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    FPanel = new TCustomItemSelector(this);
    FPanel->SetParent(this);
    FPanel->OnItemSelect = [this](TObject*) {
        if (OnItemSelect) OnItemSelect(this);
    };
    UpdateSelectorPanel();
}

TExtCustomItemSelector::~TExtCustomItemSelector() { FItems->OnChange = nullptr; }

void TExtCustomItemSelector::SetColumns(int Value)
{
    if (Value < 1 || Value == FColumns) return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    if (Value == FSelectorType) return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxHeight(int Value)
{
    if (Value == FColorBoxHeight) return;
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxWidth(int Value)
{
    if (Value == FColorBoxWidth) return;
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetImages(TCustomImageList* Value)
{
    if (Value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FImages && !ComponentState().Contains(csDestroying)) FImages = nullptr;
}

int TExtCustomItemSelector::ItemIndex() const { return FPanel ? FPanel->ItemIndex() : -1; }

int TExtCustomItemSelector::ItemHot() const { return FPanel ? FPanel->ItemHot() : -1; }

void TExtCustomItemSelector::SetItemIndex(int Value)
{
    if (!FPanel) return;
    FPanel->SetItemIndex(Value);
    ScrollItemInView(FPanel->ItemIndex());
}

void TExtCustomItemSelector::UpdateSelectorPanel()
{
    if (!FPanel) return;
    FPanel->LayoutItems();
    UpdateScrollRange();
}

void TExtCustomItemSelector::SelectFirst()
{
    FPanel->SelectFirst();
    ScrollItemInView(FPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectLast()
{
    FPanel->SelectLast();
    ScrollItemInView(FPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectNext()
{
    FPanel->SelectNext();
    ScrollItemInView(FPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectPrevious()
{
    FPanel->SelectPrevious();
    ScrollItemInView(FPanel->ItemIndex());
}

void TExtCustomItemSelector::HotNext()
{
    FPanel->HotNext();
    ScrollItemInView(FPanel->ItemHot());
}

void TExtCustomItemSelector::HotPrevious()
{
    FPanel->HotPrevious();
    ScrollItemInView(FPanel->ItemHot());
}

bool TExtCustomItemSelector::LookupItem(const std::string& Text) { return FPanel && FPanel->LookupItem(Text); }

TSize TExtCustomItemSelector::GetSelectorPanelSize() const
{
    return FPanel ? TSize{FPanel->Width(), FPanel->Height()} : TSize{100, 50};
}

int TExtCustomItemSelector::GetVisibleItemCount() const
{
    if (!FPanel || FItems->Count() == 0) return 0;
    const int ItemHeight = std::max(FItems->Items(0)->Bounds.Height(), 1);
    const int Room = Height() - (ScrollBarShown(SB_HORZ) ? 20 : 0);
    return Room / ItemHeight * FColumns;
}

void TExtCustomItemSelector::UpdateScrollRange()
{
    const int Hidden = FPanel->Height() - ClientHeight();
    ShowScrollBar(SB_VERT, Hidden > 0);
    if (Hidden <= 0) {
        ScrollTo(0);
        return;
    }
    TScrollInfo Info;
    Info.Min = 0;
    Info.Max = FPanel->Height() - 1;
    Info.Page = ClientHeight();
    Info.Pos = FScrollPos;
    SetScrollInfo(SB_VERT, Info);
    ScrollTo(std::min(FScrollPos, Hidden));
}

void TExtCustomItemSelector::ScrollTo(int Position)
{
    FScrollPos = std::max(Position, 0);
    FPanel->SetTop(-FScrollPos);
    if (ScrollBarShown(SB_VERT)) {
        TScrollInfo Info = GetScrollInfo(SB_VERT);
        Info.Pos = FScrollPos;
        SetScrollInfo(SB_VERT, Info);
    }
}

void TExtCustomItemSelector::ScrollItemInView(int Index)
{
    if (!FPanel || Index < 0 || Index >= FItems->Count() || !ScrollBarShown(SB_VERT)) return;
    TRect R = FPanel->GetItemRect(Index);
    R = OffsetRect(R, 0, FPanel->Top());
    if (R.Top < 0) {
        ScrollTo(FScrollPos + R.Top);
    } else if (R.Bottom > ClientHeight()) {
        const int Bottom = R.Height() > ClientHeight() ? R.Top + ClientHeight() : R.Bottom;
        ScrollTo(FScrollPos + Bottom - ClientHeight());
    }
}

void TExtCustomItemSelector::WMVScroll(TMessage& message)
{
    const TScrollInfo Info = GetScrollInfo(SB_VERT);
    const int Line = FItems->Count() ? std::max(FItems->Items(0)->Bounds.Height(), 1) : 10;
    int Position = FScrollPos;
    switch (LOWORD(message.WParam)) {
    case SB_LINEUP: Position -= Line; break;
    case SB_LINEDOWN: Position += Line; break;
    case SB_PAGEUP: Position -= ClientHeight(); break;
    case SB_PAGEDOWN: Position += ClientHeight(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: Position = ScrollMessagePos(message); break;
    default: return;
    }
    ScrollTo(std::clamp(Position, 0, std::max(Info.Max - std::max(Info.Page, 1) + 1, 0)));
}

void TExtCustomItemSelector::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void TExtCustomItemSelector::Resize()
{
    TCustomControl::Resize();
    if (FPanel) UpdateScrollRange();
}

// ---- the panel ----

TCustomItemSelector::TCustomItemSelector(TComponent* owner)
    : TCustomControl(owner), FOwner(dynamic_cast<TExtCustomItemSelector*>(owner))
{
    if (!FOwner) throw Exception("Invalid parent");
    SetParentColor(true);
}

int TCustomItemSelector::Count() const { return FOwner->Items()->Count(); }

void TCustomItemSelector::GetContentRect(TRect& R) const
{
    R = TRect{FContentMarginX, FContentMarginY, Width() - FContentMarginX, Height() - FContentMarginY};
}

TSize TCustomItemSelector::BoxSize(const TSelectorItem& Item) const
{
    if (FOwner->SelectorType() == stColor) return {FOwner->ColorBoxWidth(), FOwner->ColorBoxHeight()};
    if (Item.Image()->Graphic() && !Item.Image()->Graphic()->Empty()) return {Item.Image()->Width(), Item.Image()->Height()};
    if (FOwner->Images() && Item.ImageIndex() >= 0) return {FOwner->Images()->Width(), FOwner->Images()->Height()};
    return {0, 0};
}

TSize TCustomItemSelector::GetItemSize()
{
    if (FOwner->OnItemSize) {
        TSize Size{0, 0};
        FOwner->OnItemSize(this, Size);
        // A cell is never empty: the list divides by its height.
        return {Size.cx, std::max(Size.cy, 1)};
    }
    TSize Box{0, 0}, Caption{0, 0};
    TBitmap Measure(1, 1);
    Measure.Canvas()->Font()->Assign(*FOwner->ItemAppearance()->Font());
    for (int I = 0; I < Count(); ++I) {
        const TSelectorItem& Item = *FOwner->Items()->Items(I);
        const TSize B = BoxSize(Item);
        Box = {std::max(Box.cx, B.cx), std::max(Box.cy, B.cy)};
        const TSize C = DrawHtmlCaption(Measure.Canvas(), Item.Caption(), TRect{0, 0, 1000, 500}, true);
        Caption = {std::max(Caption.cx, C.cx), std::max(Caption.cy, C.cy)};
    }
    if (Caption.cx > 0) Caption.cx += 4;
    const bool Beside = FOwner->ItemLayout == ilCaptionLeft || FOwner->ItemLayout == ilCaptionRight;
    if (Beside) {
        int Width = 2 * FItemMarginX + Caption.cx;
        if (Box.cx > 0) Width += Box.cx;
        if (Box.cx > 0 && Caption.cx > 0) Width += FCaptionGap;
        return {Width, std::max(std::max(Caption.cy, Box.cy) + 2 * FItemMarginY, 1)};
    }
    int Height = 2 * FItemMarginY + Caption.cy;
    if (Box.cy > 0) Height += Box.cy;
    if (Box.cy > 0 && Caption.cy > 0) Height += FCaptionGap;
    return {std::max(Caption.cx, Box.cx) + 2 * FItemMarginX, std::max(Height, 1)};
}

void TCustomItemSelector::LayoutItems()
{
    if (Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    const TSize Cell = GetItemSize();
    TRect Content;
    GetContentRect(Content);
    int X = Content.Left, Y = Content.Top, Column = 0, Widest = 0;
    for (int I = 0; I < Count(); ++I) {
        FOwner->Items()->Items(I)->Bounds = TRect{X, Y, X + Cell.cx, Y + Cell.cy};
        ++Column;
        if (I == Count() - 1) break;
        if (Column < FOwner->Columns()) {
            X += Cell.cx;
        } else {
            Widest = std::max(Widest, X);
            X = Content.Left;
            Y += Cell.cy;
            Column = 0;
        }
    }
    Widest = std::max(Widest, X);
    SetBounds(Left(), Top(), Widest + Cell.cx + Content.Left, Y + Cell.cy + Content.Top);
    Invalidate();
}

TRect TCustomItemSelector::GetItemRect(int Index) const
{
    return Index >= 0 && Index < Count() ? FOwner->Items()->Items(Index)->Bounds : TRect{-1, -1, -1, -1};
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const
{
    for (int I = 0; I < Count(); ++I)
        if (FOwner->Items()->Items(I)->Bounds.Contains(TPoint{X, Y})) return I;
    return -1;
}

void TCustomItemSelector::Paint()
{
    TCanvas* Canvas = this->Canvas();
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(TRect{0, 0, Width(), Height()});
    for (int I = 0; I < Count(); ++I)
        DrawItem(I, Canvas);
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* Canvas)
{
    if (Index < 0 || Index >= Count() || !Canvas) return;
    const TSelectorItem& Item = *FOwner->Items()->Items(Index);
    const TRect R = Item.Bounds;
    if (R.Left < 0 && R.Right < 0) return;
    const TItemAppearance& A = *FOwner->ItemAppearance();
    TColor Border = A.BorderColor, Top = A.BorderColorTop, Bottom = A.BorderColorBottom, Edge = A.EdgeColor;
    TColor Fill = clNone, FillTo = clNone, Mirror = clNone, MirrorTo = clNone;
    const bool Hot = Index == FItemHot, Selected = Index == FItemIndex;
    const auto Take = [&](TColor F, TColor FT, TColor M, TColor MT, TColor Only) {
        Fill = F;
        FillTo = FT;
        Mirror = M;
        MirrorTo = MT;
        if (Only != clNone) {
            Border = Only;
            Top = Bottom = Edge = clNone;
        }
    };
    if (Hot) Take(A.ColorHot, A.ColorHotTo, A.ColorMirrorHot, A.ColorMirrorHotTo, A.BorderColorHot);
    if (Selected) Take(A.ColorSelected, A.ColorSelectedTo, A.ColorMirrorSelected, A.ColorMirrorSelectedTo, A.BorderColorSelected);
    if (!Hot && !Selected) {
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(R);
    } else if (Top == clNone) {
        DrawFilledRect(Canvas, R, Fill, true, 1, Border, FillTo);
    } else {
        DrawSelectionCell(Canvas, Fill, FillTo, Mirror, MirrorTo, Top, Bottom, Border, Edge, Color(), R, 0);
    }
    if (FOwner->OnDrawItem) {
        FOwner->OnDrawItem(this, Canvas, R, Index);
        return;
    }
    const TSize Box = BoxSize(Item);
    const TRect Inner = InflateRect(R, -FItemMarginX, -FItemMarginY);
    Canvas->Font()->Assign(*A.Font());
    if (Hot) Canvas->Font()->SetColor(A.ColorHotText);
    if (Selected) Canvas->Font()->SetColor(A.ColorSelectedText);
    const bool HasCaption = !Item.Caption().empty();
    const TSize Caption = HasCaption ? DrawHtmlCaption(Canvas, Item.Caption(), Inner, true) : TSize{0, 0};
    const bool ColorBox = FOwner->SelectorType() == stColor;
    const auto DrawBox = [&](int X, int Y) {
        if (ColorBox) {
            Canvas->Pen()->SetColor(clBlack);
            Canvas->Brush()->SetColor(Item.Color());
            Canvas->Brush()->SetStyle(Item.Color() == clNone ? bsClear : bsSolid);
            Canvas->Rectangle(X, Y, X + Box.cx, Y + Box.cy);
            Canvas->Brush()->SetStyle(bsSolid);
        } else if (Item.Image()->Graphic() && !Item.Image()->Graphic()->Empty()) {
            Canvas->Draw(X, Y, Item.Image()->Graphic());
        } else if (FOwner->Images()) {
            FOwner->Images()->Draw(Canvas, X, Y, Item.ImageIndex());
        }
    };
    const int MiddleY = Inner.Top + (Inner.Height() - Box.cy) / 2;
    const int CentreX = Inner.Left + (Inner.Width() - Box.cx) / 2;
    const auto CaptionAt = [&](TRect Area) {
        if (!HasCaption) return;
        if (Caption.cy < Area.Height()) Area.Top += (Area.Height() - Caption.cy) / 2;
        Canvas->Brush()->SetStyle(bsClear);
        DrawHtmlCaption(Canvas, Item.Caption(), Area, false);
        Canvas->Brush()->SetStyle(bsSolid);
    };
    switch (FOwner->ItemLayout) {
    case ilCaptionLeft:
        CaptionAt(TRect{Inner.Left, Inner.Top, Inner.Right - Box.cx, Inner.Bottom});
        DrawBox(HasCaption ? Inner.Left + Caption.cx + FCaptionGap : Inner.Left, ColorBox ? Inner.Top : MiddleY);
        break;
    case ilCaptionRight:
        CaptionAt(TRect{Box.cx > 0 ? Inner.Left + Box.cx + FCaptionGap : Inner.Left, Inner.Top, Inner.Right, Inner.Bottom});
        DrawBox(Inner.Left, ColorBox ? Inner.Top : MiddleY);
        break;
    case ilCaptionTop:
        if (HasCaption) {
            Canvas->Brush()->SetStyle(bsClear);
            DrawHtmlCaption(Canvas, Item.Caption(), TRect{Inner.Left, Inner.Top, Inner.Right, Inner.Bottom - Box.cy}, false);
            Canvas->Brush()->SetStyle(bsSolid);
        }
        DrawBox(CentreX, HasCaption ? Inner.Top + Caption.cy + FCaptionGap : MiddleY);
        break;
    case ilCaptionBottom:
        DrawBox(CentreX, HasCaption ? Inner.Top : MiddleY);
        if (HasCaption) {
            Canvas->Brush()->SetStyle(bsClear);
            DrawHtmlCaption(Canvas, Item.Caption(), TRect{Inner.Left, Inner.Top + Box.cy + FCaptionGap, Inner.Right, Inner.Bottom}, false);
            Canvas->Brush()->SetStyle(bsSolid);
        }
        break;
    }
}

void TCustomItemSelector::InvalidateItem(int Index)
{
    if (Index >= 0 && Index < Count()) Invalidate();
}

void TCustomItemSelector::SetItemIndex(int Value)
{
    if (FItemIndex != Value && FItemIndex >= 0) InvalidateItem(FItemIndex);
    FItemIndex = Value;
    if (Value < 0) return;
    InvalidateItem(Value);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Value)
{
    if (Value == FItemHot) return;
    InvalidateItem(FItemHot);
    FItemHot = Value;
    InvalidateItem(Value);
}

void TCustomItemSelector::SelectFirst()
{
    if (Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Count() > 0) SetItemIndex(Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex < Count() - 1) SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot < Count() - 1) SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot > 0) SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const std::string& Text)
{
    for (int I = 0; I < Count(); ++I) {
        const std::string Plain = AnsiUpperCase(Trim(HtmlToPlainText(FOwner->Items()->Items(I)->Caption())));
        if (Plain.rfind(Text, 0) == 0) {
            SetItemIndex(I);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    const int Index = ItemAtPos(x, y);
    if (Index >= 0) SetItemIndex(Index);
}

void TCustomItemSelector::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const int Index = ItemAtPos(x, y);
    if (Index == FItemHot) return;
    SetItemHot(Index);
    if (Index >= 0) {
        SetHint(FOwner->Items()->Items(Index)->Hint);
        Application->CancelHint();
    }
}

void TCustomItemSelector::CMMouseLeave(TMessage& message)
{
    TCustomControl::CMMouseLeave(message);
    SetItemHot(-1);
}
