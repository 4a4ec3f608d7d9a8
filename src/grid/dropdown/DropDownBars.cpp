#include "grid/dropdown/DropDownBars.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ButtonAppearance.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDropDown.h"
#include "platform/ui/ImgList.h"

namespace {
// Results that close the popup, and whether they count as cancelled.
bool ClosesPopup(TModalResult Result, bool& Cancelled)
{
    switch (Result) {
    case mrOk: case 6 /* Yes */: case 12 /* All */: case 14 /* Yes to all */:
        Cancelled = false;
        return true;
    case mrCancel: case mrAbort: case 5 /* Ignore */: case 7 /* No */: case 13 /* No to all */:
        Cancelled = true;
        return true;
    default:
        return false;
    }
}

} // namespace

TExtButton* TDbgList::GetItemsEx(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list read access");
    return FItems[Index];
}

void TDbgList::SetItemsEx(int Index, TExtButton* Value)
{
    if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list write access");
    FItems[Index] = Value;
}

// ---- TExtButton ----

TExtButton::TExtButton(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() + csDoubleClicks);
    SetBounds(0, 0, 23, 22);
    Font()->SetName("Tahoma");
}

void TExtButton::ApplyModalResult()
{
    bool Cancelled = false;
    if (ExtDropDown && ClosesPopup(ModalResult, Cancelled)) ExtDropDown->HideDropDown(Cancelled);
}

void TExtButton::Click()
{
    TWeakRef<TControl> Self(this);
    ApplyModalResult();
    if (Self && !FInternalClick) TCustomControl::Click();
}

void TExtButton::KeyDown(Word& key, TShiftState shift)
{
    if (key == VK_RETURN || key == VK_SPACE) {
        FInternalClick = true;
        Click();
        FInternalClick = false;
    }
    TCustomControl::KeyDown(key, shift);
}

void TExtButton::CMDialogChar(TMessage& message)
{
    if (Enabled() && IsAccel(static_cast<char32_t>(message.WParam), Caption())) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

void TExtButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && Enabled()) {
        FMouseDownInControl = true;
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TExtButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FMouseDownInControl = false;
    FMouseInControl = x >= 0 && y >= 0 && x < Width() && y < Height();
    Invalidate();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TExtButton::CMMouseEnter(TMessage& message)
{
    TCustomControl::CMMouseEnter(message);
    FMouseInControl = true;
    if (Enabled()) Invalidate();
}

void TExtButton::CMMouseLeave(TMessage& message)
{
    TCustomControl::CMMouseLeave(message);
    FMouseInControl = false;
    if (Enabled()) Invalidate();
}

void TExtButton::CMEnabledChanged(TMessage& message)
{
    TCustomControl::CMEnabledChanged(message);
    Invalidate();
}

void TExtButton::Paint()
{
    if (PaintParentBackground) PaintParentBackground(Canvas(), TPoint{-Left(), -Top()});
    PaintFace();
}

void TExtButton::PaintFace()
{
    if (!Appearance) return;
    const TExtButtonAppearance& A = *Appearance;
    TColor From = A.Color(), To = A.ColorTo(), Border = A.BorderColor();
    if (!Enabled()) {
        From = A.ColorDisabled();
        To = A.ColorDisabledTo();
        Border = A.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        From = To = A.ColorDown();
        Border = A.BorderColorDown();
    } else if (FMouseInControl || Focused()) {
        From = To = A.ColorHot();
        Border = A.BorderColorHot();
    }
    const TRect R{0, 0, Width(), Height()};
    DrawFilledRect(Canvas(), R, From, A.Gradient() == gdVertical, Border == clNone ? 0 : 1, Border, To);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->Font()->Assign(*A.Font());
    DrawImageAndCaption(Canvas(), R, Caption(), ImageIndex, Images);
    Canvas()->Brush()->SetStyle(bsSolid);
}

// ---- TExtBar ----

TExtBar::TExtBar(TComponent* owner, bool IsFooter) : TCustomControl(owner), FIsFooter(IsFooter)
{
    SetControlStyle(ControlStyle() + csAcceptsControls + csDoubleClicks);
}

TExtBar::~TExtBar() = default;

void TExtBar::BindDropDown(TExtCustomDropDown* DropDown)
{
    FExtDropDown = DropDown;
    if (DropDown) CopyAppearance(*DropDown);
}

void TExtBar::RebuildButtons()
{
    if (FExtDropDown) CreateButtons();
}

bool TExtBar::ShowsSizeGrip() const
{
    return FIsFooter && FExtDropDown && FExtDropDown->DropDownFooter()->SizeGrip && FExtDropDown->DropDownSizeable();
}

TRect TExtBar::ButtonArea() const
{
    if (!FIsFooter) return TRect{2, 2, Width() - 2, Height() - 3};
    return TRect{2, 2, Width() - (ShowsSizeGrip() ? 14 : 2), Height() - 2};
}

void TExtBar::RemoveButtons()
{
    for (int I = FButtonList.Count() - 1; I >= 0; --I)
        delete FButtonList.GetItemsEx(I);
    FButtonList.Clear();
}

namespace {
// The items of either kind of bar, read alike.
struct TBarButtonItem {
    std::string Caption;
    bool Enabled;
    int ImageIndex, Width, Height;
    TModalResult ModalResult;
};

std::vector<TBarButtonItem> ItemsOf(const TExtCustomDropDown& DropDown, bool Footer)
{
    std::vector<TBarButtonItem> Items;
    if (Footer) {
        const TFooterButtons& Buttons = *DropDown.DropDownFooter()->Buttons();
        for (int I = 0; I < Buttons.Count(); ++I) {
            const TFooterButton& B = Buttons.Items(I);
            Items.push_back({B.Caption(), B.Enabled(), B.ImageIndex, B.Width(), B.Height(), B.ModalResult});
        }
    } else {
        const THeaderButtons& Buttons = *DropDown.DropDownHeader()->Buttons();
        for (int I = 0; I < Buttons.Count(); ++I) {
            const THeaderButton& B = Buttons.Items(I);
            Items.push_back({B.Caption(), B.Enabled(), B.ImageIndex, B.Width(), B.Height(), mrNone});
        }
    }
    return Items;
}
} // namespace

void TExtBar::CreateButtons()
{
    if (!FExtDropDown) return;
    RemoveButtons();
    const std::vector<TBarButtonItem> Items = ItemsOf(*FExtDropDown, FIsFooter);
    const int HeightLimit = ButtonArea().Height();
    TBitmap Measure(1, 1);
    Measure.Canvas()->Font()->Assign(*FExtDropDown->ButtonAppearance()->Font());
    for (int I = 0; I < static_cast<int>(Items.size()); ++I) {
        const TBarButtonItem& Item = Items[I];
        auto* Button = new TExtButton(this);
        Button->SetParent(this);
        if (FIsFooter) Button->ExtDropDown = FExtDropDown;
        Button->Appearance = FExtDropDown->ButtonAppearance();
        Button->SetCaption(Item.Caption);
        Button->ImageIndex = Item.ImageIndex;
        Button->Images = FExtDropDown->Images();
        Button->SetEnabled(Item.Enabled);
        Button->ModalResult = Item.ModalResult;
        TSize Text = MeasureText(Measure.Canvas(), Item.Caption);
        if (const TCustomImageList* Images = FExtDropDown->Images(); Images && Item.ImageIndex >= 0)
            Text = {std::max(Text.cx, Images->Width()), std::max(Text.cy, Images->Height())};
        int W = Text.cx + 8, H = Text.cy + 4;
        if (Item.Width > 0) W = Item.Width;
        if (Item.Height > 0) H = Item.Height;
        H = std::min(H, HeightLimit);
        Button->SetBounds(0, 0, W, H);
        Button->SetTag(I);
        Button->OnClick = [this, Button](TObject*) { ButtonClicked(Button); };
        Button->PaintParentBackground = [this](TCanvas* Canvas, TPoint Origin) { PaintBackground(Canvas, Origin); };
        FButtonList.Add(Button);
    }
    ArrangeButtons();
}

void TExtBar::ArrangeButtons()
{
    if (FButtonList.Count() == 0) return;
    const TRect Area = ButtonArea();
    const bool FromLeft = Look().Left;
    int Edge = FromLeft ? Area.Left : Area.Right;
    for (int I = 0; I < FButtonList.Count(); ++I) {
        TExtButton* Button = FButtonList.GetItemsEx(I);
        const int Top = std::max(Area.Top, (Area.Bottom - Button->Height()) / 2);
        const int Left = FromLeft ? Edge : Edge - Button->Width();
        Button->SetBounds(Left, Top, Button->Width(), Button->Height());
        Edge = FromLeft ? Edge + Button->Width() : Left;
    }
}

void TExtBar::Resize()
{
    TCustomControl::Resize();
    ArrangeButtons();
}

void TExtBar::ButtonClicked(TExtButton* Button)
{
    if (!FExtDropDown) return;
    const auto& Event = FIsFooter ? FExtDropDown->OnDropDownFooterButtonClick : FExtDropDown->OnDropDownHeaderButtonClick;
    if (Event) Event(FExtDropDown, static_cast<int>(Button->Tag()));
}

void TExtBar::PaintBackground(TCanvas* Canvas, TPoint Origin)
{
    const TLook L = Look();
    const TRect R = OffsetRect(TRect{0, 0, Width(), Height()}, Origin.X, Origin.Y);
    if (L.ColorTo == clNone) {
        if (L.Color != clNone) {
            Canvas->Brush()->SetColor(L.Color);
            Canvas->FillRect(R);
        }
    } else {
        DrawDropDownGradient(Canvas, L.Color, L.ColorTo, !L.Vertical, R, 80);
    }
}

void TExtBar::Paint()
{
    TCanvas* Canvas = this->Canvas();
    const TRect R{0, 0, Width(), Height()};
    if (OnDrawBackGround) {
        OnDrawBackGround(this, Canvas, R);
        return;
    }
    PaintBackground(Canvas, TPoint{0, 0});
    const TLook L = Look();
    if (L.BorderColor != clNone && L.BorderWidth > 0) {
        Canvas->Pen()->SetColor(L.BorderColor);
        Canvas->Pen()->SetWidth(L.BorderWidth);
        // The popup's frame draws the outer sides unless it has none.
        const bool AllSides = !FExtDropDown || FExtDropDown->DropDownBorderWidth() <= 0 ||
                              FExtDropDown->DropDownBorderColor() == clNone;
        if (!FIsFooter) {
            if (AllSides) Canvas->Polyline({{R.Right, R.Bottom - 1}, {R.Right, R.Top}, {R.Left, R.Top}, {R.Left, R.Bottom - 1}});
            Canvas->MoveTo(R.Left, R.Bottom - 1);
            Canvas->LineTo(R.Right, R.Bottom - 1);
        } else {
            if (AllSides) Canvas->Polyline({{R.Left, R.Top}, {R.Left, R.Bottom}, {R.Right, R.Bottom}, {R.Right, R.Top}});
            Canvas->MoveTo(R.Left, R.Top);
            Canvas->LineTo(R.Right, R.Top);
        }
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(BlendColors(L.BorderColor, clWhite, 20));
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Rectangle(FIsFooter ? TRect{R.Left, R.Top + L.BorderWidth, R.Right, R.Bottom}
                                    : TRect{R.Left, R.Top, R.Right, R.Bottom - L.BorderWidth});
        Canvas->Brush()->SetStyle(bsSolid);
    }
    TRect Content = InflateRect(R, -L.BorderWidth, -L.BorderWidth);
    if (const TCustomImageList* Images = FExtDropDown ? FExtDropDown->Images() : nullptr; Images && L.ImageIndex >= 0) {
        Images->Draw(Canvas, Content.Left + 4, Content.Top + (Content.Height() - Images->Height()) / 2, L.ImageIndex);
        Content.Left += Images->Width() + 8;
    }
    std::string Caption = L.Caption;
    if (OnGetText) OnGetText(this, Caption);
    if (!Caption.empty()) {
        if (FButtonList.Count() > 0) Content.Right = FButtonList.GetItemsEx(FButtonList.Count() - 1)->Left() - 2;
        Canvas->Font()->Assign(*L.Font);
        const TSize Size = DrawHtmlCaption(Canvas, Caption, Content, true);
        if (Size.cy < Content.Height()) Content.Top += (Content.Height() - Size.cy) / 2;
        DrawHtmlCaption(Canvas, Caption, Content, false);
    }
    if (ShowsSizeGrip()) DrawSizeGrip(Canvas);
}

// Six dots in a triangle against the bottom-right corner, each with a white shadow.
void TExtBar::DrawSizeGrip(TCanvas* Canvas)
{
    const TLook L = Look();
    const int Left = Width() - L.BorderWidth - 16, Bottom = Height();
    const TPoint Dots[] = {{4, 0}, {8, 0}, {12, 0}, {8, 1}, {12, 1}, {12, 2}};
    for (const TPoint& Dot : Dots) {
        const int X = Left + Dot.X, Y = Bottom - 5 - 4 * Dot.Y;
        Canvas->Brush()->SetColor(clWhite);
        Canvas->FillRect(TRect{X + 1, Y + 1, X + 3, Y + 3});
        Canvas->Brush()->SetColor(L.BorderColor);
        Canvas->FillRect(TRect{X, Y, X + 2, Y + 2});
    }
}

// ---- header and footer ----

TExtHeader::TExtHeader(TComponent* owner) : TExtBar(owner, false), FAppearance(std::make_unique<THeaderAppearance>()) {}

TExtHeader::~TExtHeader() { RemoveButtons(); }

TExtBar::TLook TExtHeader::Look() const
{
    const THeaderAppearance& A = *FAppearance;
    return {A.Color, A.ColorTo, A.BorderColor, A.BorderWidth, A.ImageIndex, A.GradientDirection == gdVertical,
            A.ButtonAlignment == baLeft, A.Caption, A.Font()};
}

void TExtHeader::CopyAppearance(TExtCustomDropDown& DropDown) { FAppearance->Assign(*DropDown.DropDownHeader()); }

TExtFooter::TExtFooter(TComponent* owner) : TExtBar(owner, true), FAppearance(std::make_unique<TFooterAppearance>()) {}

TExtFooter::~TExtFooter() { RemoveButtons(); }

TExtBar::TLook TExtFooter::Look() const
{
    const TFooterAppearance& A = *FAppearance;
    return {A.Color, A.ColorTo, A.BorderColor, A.BorderWidth, A.ImageIndex, A.GradientDirection == gdVertical,
            A.ButtonAlignment == baLeft, A.Caption, A.Font()};
}

void TExtFooter::CopyAppearance(TExtCustomDropDown& DropDown) { FAppearance->Assign(*DropDown.DropDownFooter()); }

bool TExtFooter::InGripCorner(int X, int Y) const
{
    return ShowsSizeGrip() && X > Width() - 12 && Y > Height() - 15;
}

void TExtFooter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtBar::MouseDown(button, shift, x, y);
    auto* Form = dynamic_cast<TDropDownForm*>(Parent());
    if (button != mbLeft || !Form || !InGripCorner(x, y)) return;
    FSizing = true;
    FSizingFrom = ClientToScreen(TPoint{x, y});
    FSizingStart = {Form->Width(), Form->Height()};
}

void TExtFooter::MouseMove(TShiftState shift, int x, int y)
{
    TExtBar::MouseMove(shift, x, y);
    auto* Form = dynamic_cast<TDropDownForm*>(Parent());
    if (FSizing && Form) {
        const TPoint Now = ClientToScreen(TPoint{x, y});
        Form->SizeTo(FSizingStart.cx + Now.X - FSizingFrom.X, FSizingStart.cy + Now.Y - FSizingFrom.Y);
        return;
    }
    Screen->SetCursor(InGripCorner(x, y) ? crSizeNWSE : FOldCursor);
}

void TExtFooter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FSizing = false;
    Screen->SetCursor(FOldCursor);
    TExtBar::MouseUp(button, shift, x, y);
}

void TExtFooter::CMMouseEnter(TMessage& message)
{
    TExtBar::CMMouseEnter(message);
    if (Screen->Cursor() != crSizeNWSE) FOldCursor = Screen->Cursor();
}

void TExtFooter::CMMouseLeave(TMessage& message)
{
    TExtBar::CMMouseLeave(message);
    Screen->SetCursor(FOldCursor);
}
