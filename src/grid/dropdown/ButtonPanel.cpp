#include "grid/dropdown/ButtonPanel.h"

#include <array>

#include "platform/ui/Themes.h"

namespace {
struct TDefaultButton {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
    int Row, Col; // Row 0 beyond the first column is shared by "Back", "CE" and "C"
};

const std::array<TDefaultButton, 28> kCalculatorButtons{{
    {"", "BTN_ON", 30, false, 0, 0},      {"Back", "BTN_BACK", 31, true, 0, 1}, {"CE", "BTN_CE", 32, true, 0, 2},
    {"C", "BTN_C", 16, true, 0, 3},       {"MC", "BTN_MC", 33, true, 1, 0},     {"MR", "BTN_MR", 34, true, 2, 0},
    {"MS", "BTN_MS", 35, true, 3, 0},     {"M+", "BTN_M+", 36, true, 4, 0},     {"0", "BTN_0", 0, false, 4, 1},
    {"1", "BTN_1", 1, false, 3, 1},       {"4", "BTN_4", 4, false, 2, 1},       {"7", "BTN_7", 7, false, 1, 1},
    {"8", "BTN_8", 8, false, 1, 2},       {"5", "BTN_5", 5, false, 2, 2},       {"2", "BTN_2", 2, false, 3, 2},
    {"+/-", "BTN_+/-", 14, false, 4, 2},  {".", "BTN_.", 15, false, 4, 3},      {"3", "BTN_3", 3, false, 3, 3},
    {"6", "BTN_6", 6, false, 2, 3},       {"9", "BTN_9", 9, false, 1, 3},       {"/", "BTN_/", 13, true, 1, 4},
    {"*", "BTN_*", 12, true, 2, 4},       {"-", "BTN_-", 11, true, 3, 4},       {"+", "BTN_+", 10, true, 4, 4},
    {"=", "BTN_=", 17, true, 4, 5},       {"1/x", "BTN_1/x", 38, false, 3, 5},  {"%", "BTN_%", 18, false, 2, 5},
    {"sqrt", "BTN_sqrt", 37, true, 1, 5},
}};
} // namespace

TButtonItem::TButtonItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TButtonItem*>(&Source);
    if (!Other) return;
    Caption = Other->Caption;
    CaptionColor = Other->CaptionColor;
    Tag = Other->Tag;
    ImageIndex = Other->ImageIndex;
    FImage->Assign(*Other->FImage);
    Enabled = Other->Enabled;
    Name = Other->Name;
}

TButtonAppearance::TButtonAppearance() : FFont(std::make_unique<TFont>())
{
    FFont->SetSize(10);
    FFont->SetStyle({fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TButtonAppearance*>(&Source);
    if (!Other) return;
    BorderColor = Other->BorderColor;
    BorderColorHot = Other->BorderColorHot;
    BorderColorDown = Other->BorderColorDown;
    Color = Other->Color;
    ColorTo = Other->ColorTo;
    ColorDown = Other->ColorDown;
    ColorDownTo = Other->ColorDownTo;
    ColorHot = Other->ColorHot;
    ColorHotTo = Other->ColorHotTo;
    GlowColorHot = Other->GlowColorHot;
    GlowColorDown = Other->GlowColorDown;
    ShineColor = Other->ShineColor;
    TextColor = Other->TextColor;
    SpecialTextColor = Other->SpecialTextColor;
    FFont->Assign(*Other->FFont);
}

TCustomButtonPanel::TCustomButtonPanel(TComponent* owner)
    : TCustomControl(owner), FButtons(std::make_unique<TButtonItems>()),
      FButtonAppearance(std::make_unique<TButtonAppearance>())
{
    SetBounds(0, 0, 200, 150);
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value)
{
    if (Value == FButtonPanelType) return;
    FButtonPanelType = Value;
    LayoutButtons();
}

void TCustomButtonPanel::GetButtonArea(TRect& R) const
{
    R = TRect{FOffSetX, FOffSetY, Width() - FOffSetX, Height() - FOffSetY};
}

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    CreateDefaultButtons();
}

void TCustomButtonPanel::CreateDefaultButtons()
{
    if (FButtons->Count() == 0 && FButtonPanelType == plCalculator) {
        for (const TDefaultButton& Default : kCalculatorButtons) {
            TButtonItem* Item = FButtons->Add();
            Item->Caption = Default.Caption;
            Item->Name = Default.Name;
            Item->Tag = Default.Tag;
            Item->Special = Default.Special;
            Item->CaptionColor = Default.Special ? clMaroon : clWhite;
        }
    }
    LayoutButtons();
}

// The keypad's grid: a gap of 4 pixels after the first column and before the operators and
// after the first row; the other neighbours share their border line. Only the buttons the
// collection holds are placed, whatever their number.
void TCustomButtonPanel::LayoutButtons()
{
    if (FButtons->Count() == 0 || FButtonPanelType != plCalculator) return;
    TRect Area;
    GetButtonArea(Area);
    const int W = (Area.Right - Area.Left - 8) / 6, H = (Area.Bottom - Area.Top - 4) / 5;
    std::array<int, 5> RowTop{Area.Top, Area.Top + H + 4};
    for (int Row = 2; Row < 5; ++Row)
        RowTop[Row] = RowTop[Row - 1] + H - 1;
    std::array<int, 6> ColLeft{Area.Left, Area.Left + W + 4};
    ColLeft[2] = ColLeft[1] + W - 1;
    ColLeft[3] = ColLeft[2] + W - 1;
    ColLeft[4] = ColLeft[3] + W + 4;
    ColLeft[5] = ColLeft[4] + W - 1;
    const int SharedLeft = Area.Left + W + 4, SharedRight = ColLeft[5] + W;
    const int Third = (SharedRight - SharedLeft - 8) / 3;
    const int Count = std::min(FButtons->Count(), static_cast<int>(kCalculatorButtons.size()));
    for (int Index = 0; Index < Count; ++Index) {
        const TDefaultButton& Place = kCalculatorButtons[Index];
        TRect& R = FButtons->Items(Index)->Bounds;
        if (Place.Row > 0 || Place.Col == 0) {
            R = TRect{ColLeft[Place.Col], RowTop[Place.Row], ColLeft[Place.Col] + W, RowTop[Place.Row] + H};
            continue;
        }
        const int Left = SharedLeft + (Place.Col - 1) * (Third + 4);
        R = TRect{Left, Area.Top, Place.Col == 3 ? SharedRight : Left + Third, Area.Top + H};
    }
    Invalidate();
}

void TCustomButtonPanel::Resize()
{
    TCustomControl::Resize();
    LayoutButtons();
}

int TCustomButtonPanel::ButtonAt(int X, int Y) const
{
    for (int Index = 0; Index < FButtons->Count(); ++Index)
        if (FButtons->Items(Index)->Bounds.Contains(TPoint{X, Y})) return Index;
    return -1;
}

void TCustomButtonPanel::Paint()
{
    TCanvas* Canvas = this->Canvas();
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(TRect{0, 0, Width(), Height()});
    if (!InDropDown) {
        Canvas->Brush()->SetColor(clBlack);
        Canvas->FrameRect(TRect{0, 0, Width(), Height()});
    }
    // The hot button last, so that it lies over the borders it shares.
    for (int Index = 0; Index < FButtons->Count(); ++Index)
        if (Index != FButtonHot) PaintButton(Index, Canvas);
    if (FButtonHot >= 0) PaintButton(FButtonHot, Canvas);
}

void TCustomButtonPanel::PaintButton(int Index, TCanvas* Canvas)
{
    if (Index < 0 || Index >= FButtons->Count() || !Canvas) return;
    const TButtonItem& Item = *FButtons->Items(Index);
    const TRect R = Item.Bounds;
    if (R.Left < 0 && R.Right < 0) return;
    Canvas->FillRect(R);
    TThemedState State;
    if (!Enabled()) State = State + tsDisabled;
    else if (Index == FButtonDown) State = State + tsPressed;
    else if (Index == FButtonHot) State = State + tsHot;
    DrawThemedPart(Canvas, tpPushButton, State, R);
    Canvas->Font()->Assign(*FButtonAppearance->Font());
    Canvas->Font()->SetColor(Item.Special ? FButtonAppearance->SpecialTextColor : FButtonAppearance->TextColor);
    Canvas->Brush()->SetStyle(bsClear);
    TRect Text{R.Left + FButtonOffSetX, R.Top + FButtonOffSetY, R.Right - FButtonOffSetX, R.Bottom - FButtonOffSetY};
    DrawText(Canvas, Item.Caption, Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TCustomButtonPanel::InvalidateButton(int Index)
{
    if (Index >= 0 && Index < FButtons->Count()) Invalidate();
}

void TCustomButtonPanel::DoButtonClick(int Index)
{
    if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::ChangeIndex(int& Field, int Index)
{
    if (Index == Field || (Index >= 0 && !FButtons->Items(Index)->Enabled)) return;
    InvalidateButton(Field);
    Field = Index;
    InvalidateButton(Index);
}

void TCustomButtonPanel::SetHot(int Index) { ChangeIndex(FButtonHot, Index); }

void TCustomButtonPanel::SetDown(int Index) { ChangeIndex(FButtonDown, Index); }

void TCustomButtonPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    const int Index = ButtonAt(x, y);
    if (Index >= 0 && FButtons->Items(Index)->Enabled) SetDown(Index);
}

void TCustomButtonPanel::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    const int Index = ButtonAt(x, y);
    SetHot(Index >= 0 && FButtons->Items(Index)->Enabled ? Index : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    const int Down = FButtonDown;
    if (Down < 0) return;
    SetDown(-1);
    if (ButtonAt(x, y) == Down) DoButtonClick(Down);
}

void TCustomButtonPanel::CMMouseLeave(TMessage& message)
{
    TCustomControl::CMMouseLeave(message);
    SetHot(-1);
}
