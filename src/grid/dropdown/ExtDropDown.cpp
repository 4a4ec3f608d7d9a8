#include "grid/dropdown/ExtDropDown.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ButtonAppearance.h"
#include "grid/dropdown/DropDownBars.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownDrawing.h"
#include "grid/foundation/painting/SelectionCell.h"
#include "platform/rtl/Ticks.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Hints.h"
#include "platform/ui/ImgList.h"

namespace {
// The popup is never made smaller than this.
constexpr int kMinPopupWidth = 80, kMinPopupHeight = 50;
// A press within this time after the popup closed by a press outside does not reopen it.
constexpr uint64_t kReopenGuardMs = 250;
} // namespace

TExtCustomDropDown::TExtCustomDropDown(TComponent* owner)
    : TCustomMaskEdit(owner), TAttachedLabelProperties(this, {.HidePrefix = true, .TakesControlFont = true}),
      FDropDownHeader(std::make_unique<THeaderAppearance>()), FDropDownFooter(std::make_unique<TFooterAppearance>()),
      FButtonAppearance(std::make_unique<TExtButtonAppearance>())
{
    TCustomMaskEdit::SetBounds(Left(), Top(), 200, 21);
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject*, TMouseButton) { ToggleFromButton(); };
    FButton->SetButtonWidth(FButtonWidth);
    SetControlStyle(ControlStyle() - csSetCaption);
    TExtCustomDropDown::SetText("");
    FOldText.clear();
    const auto Rebuild = [this](TObject*) { PrepareAgainWhenOpen(); };
    FDropDownHeader->OnChange = Rebuild;
    FDropDownHeader->OnButtonsChanged = Rebuild;
    FDropDownFooter->OnChange = Rebuild;
    FDropDownFooter->OnButtonsChanged = Rebuild;
    TExtCustomDropDown::SetSelectionColorStyle(scOffice2007);
    TExtCustomDropDown::SetComponentStyle(tsOffice2007Luna);
    TExtCustomDropDown::ResizeControl();
}

TExtCustomDropDown::~TExtCustomDropDown() = default;

std::string TExtCustomDropDown::Version()
{
    return std::to_string(VersionNr >> 24) + "." + std::to_string((VersionNr >> 16) & 0xFF) + "." +
           std::to_string((VersionNr >> 8) & 0xFF) + "." + std::to_string(VersionNr & 0xFF);
}

// ---- properties ----

void TExtCustomDropDown::SetDropDownWidth(int Value)
{
    FDropDownWidth = Value;
    FUserDropDownWidth = -1;
}

void TExtCustomDropDown::SetDropDownHeight(int Value)
{
    FDropDownHeight = Value;
    FUserDropDownHeight = -1;
}

void TExtCustomDropDown::SetDropDownButtonWidth(int Value)
{
    if (!FButton || Value == FButtonWidth) return;
    FButtonWidth = Value;
    FButton->SetButtonWidth(Value);
    ResizeControl();
}

void TExtCustomDropDown::SetDropDownButtonHint(const std::string& Value)
{
    if (Value == FButtonHint) return;
    FButtonHint = Value;
    FButton->SetHint(Value);
    FButton->SetShowHint(!Value.empty());
}

void TExtCustomDropDown::SetImages(TCustomImageList* Value)
{
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

void TExtCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    TControlStyle Style = ControlStyle();
    SetControlStyle(Value ? Style + csDoubleClicks : Style - csDoubleClicks);
}

void TExtCustomDropDown::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    FButton->EditBorderColor = Value;
    Invalidate();
    FButton->Invalidate();
}

void TExtCustomDropDown::SetDisabledBorder(bool Value)
{
    if (Value == FDisabledBorder) return;
    FDisabledBorder = Value;
    Invalidate();
}

void TExtCustomDropDown::SetLabelAlwaysEnabled(bool Value)
{
    label_.SetAlwaysEnabled(Value);
    label_.FollowEnabled(Enabled());
    label_.Place();
}

void TExtCustomDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    FSuiteStyle = AStyle;
    LoadDropDownStyle(AStyle, FPopupColors, *FDropDownHeader, *FDropDownFooter, *FButtonAppearance);
}

void TExtCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    FButton->Colors.ButtonColor = ATones.Background.BrushColor;
    FButton->Colors.ButtonColorHot = ATones.Hover.BrushColor;
    FButton->Colors.ButtonColorDown = ATones.Selected.BrushColor;
    FButton->Colors.ButtonBorderColor = ATones.Background.BorderColor;
    SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Style)
{
    FSelectionColorStyle = Style;
    FSelection = SelectionColorsOf(Style, FSelection);
}

void TExtCustomDropDown::DrawSelection(TCanvas* Canvas, const TRect& R, int Part, TColor Color)
{
    if (FSelectionColorStyle == scCustom) {
        Canvas->Brush()->SetColor(FSelection.Color);
        Canvas->FillRect(R);
        return;
    }
    const TSelectionCellColors C = SelectionCellColorsOf(FSelectionColorStyle);
    DrawSelectionCell(Canvas, FSelection.Color, FSelection.ColorTo, C.Mirror, C.MirrorTo, C.BorderTop, C.BorderBottom,
                      C.Border, C.Edge, Color, R, Part);
}

void TExtCustomDropDown::PaintGradient(TCanvas* Canvas, TColor Color, TGradientDirection Direction, const TRect& R,
                                       int Steps, TColor ColorTo)
{
    DrawDropDownGradient(Canvas, Color, ColorTo, Direction == gdHorizontal, R, Steps);
}

void TExtCustomDropDown::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TExtCustomDropDown*>(&Source);
    if (!Other) return;
    FFocusDraw = Other->FFocusDraw;
    FDropDownEnabled = Other->FDropDownEnabled;
    FPopupColors = Other->FPopupColors;
    FDropDownGradient = Other->FDropDownGradient;
    FDropDownBorderWidth = Other->FDropDownBorderWidth;
    FDropDownShadow = Other->FDropDownShadow;
    FDropDownWidth = Other->FDropDownWidth;
    FDropDownHeight = Other->FDropDownHeight;
    FDropDownSizeable = Other->FDropDownSizeable;
    FInput = Other->FInput;
    FReturnIsTab = Other->FReturnIsTab;
    FDefaultHandling = Other->FDefaultHandling;
    FCanUndo = Other->FCanUndo;
    FDropDownHeader->Assign(*Other->FDropDownHeader);
    FDropDownFooter->Assign(*Other->FDropDownFooter);
    FButtonAppearance->Assign(*Other->FButtonAppearance);
    FDropPosition = Other->FDropPosition;
    FFlat = Other->FFlat;
    SetDropDownButtonWidth(Other->FButtonWidth);
    SetDropDownButtonHint(Other->FButtonHint);
    FEditorEnabled = Other->FEditorEnabled;
    FButton->SetGlyph(Other->FButton->Glyph());
    FButton->SetButtonCaption(Other->FButton->ButtonCaption());
    FSelectionColorStyle = Other->FSelectionColorStyle;
    FSelection = Other->FSelection;
    SetImages(Other->FImages);
}

// ---- layout ----

int TExtCustomDropDown::GetMinHeight() const
{
    TBitmap Measure(1, 1);
    Measure.Canvas()->Font()->Assign(*Font());
    const int FontHeight = Measure.Canvas()->TextHeight("Wg");
    Measure.Canvas()->Font()->Assign(TFont());
    const int SystemHeight = Measure.Canvas()->TextHeight("Wg");
    return FontHeight + std::min(FontHeight, SystemHeight) / 4;
}

void TExtCustomDropDown::SetBounds(int left, int top, int width, int height)
{
    TCustomMaskEdit::SetBounds(left, top, width, height);
    ResizeControl();
    if (!ComponentState().Contains(csDestroying)) label_.Place();
}

void TExtCustomDropDown::ResizeControl()
{
    if (!FButton) return;
    const int MinHeight = GetMinHeight();
    if (Height() < MinHeight) {
        SetBounds(Left(), Top(), Width(), MinHeight);
        return;
    }
    // The platform's edit keeps its 2-pixel frame inside the window: children are placed
    // from the window's corner, not from the inside of the frame.
    const int Inset = FFlat ? 3 : 4;
    if (BorderStyle() == bsSingle)
        FButton->SetBounds(Width() - FButtonWidth - Inset - 2, (FFlat ? 2 : 0) + 2, FButtonWidth, Height() - Inset);
    else
        FButton->SetBounds(Width() - FButtonWidth, 1, FButtonWidth, Height() - 2);
    SetEditRect();
    Invalidate();
}

void TExtCustomDropDown::SetEditRect()
{
    const bool Bordered = BorderStyle() == bsSingle;
    const int Frame = Bordered ? 2 : 0;
    FEditRect = TRect{Bordered ? 1 : 2, Bordered ? 1 : 3, Width() - 2 * Frame - FButtonWidth - 3, Height() - 2 * Frame + 1};
    TCustomMaskEdit::SetEditRect(OffsetRect(FEditRect, Frame, Frame));
}

// ---- the popup ----

void TExtCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm) return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetExtDropDown(this);
    FDropDownForm->SetBounds(0, 0, std::max(FDropDownWidth, 1), std::max(FDropDownHeight, 1));
    FDropDownForm->OnSizing = [this](TObject*) { DropDownSizing(); };
    FDropDownForm->OnMouseWheelDown = [this](TObject*, TShiftState, TPoint, bool&) { SelectNextValue(); };
    FDropDownForm->OnMouseWheelUp = [this](TObject*, TShiftState, TPoint, bool&) { SelectPreviousValue(); };
}

TDropDownForm* TExtCustomDropDown::EnsureDropDownForm()
{
    if (!FDropDownForm) CreateDropDownForm();
    return FDropDownForm;
}

void TExtCustomDropDown::SetDropDownControl(TControl* Control)
{
    if (Control == FControl) return;
    if (FControl) FControl->RemoveFreeNotification(this);
    FControl = Control;
    if (!Control) return;
    Control->FreeNotification(this);
    // A closed popup keeps the control's own size: the opening sizes the popup from it.
    if (FDropDownForm) Control->SetParent(FDropDownForm);
    if (FDroppedDown) PlaceControl();
}

void TExtCustomDropDown::PlaceControl()
{
    if (!FDropDownForm || !FControl) return;
    FControl->SetParent(FDropDownForm);
    const TRect Inside = FDropDownForm->FrameInside();
    const TExtHeader* Header = FDropDownForm->Header();
    const TExtFooter* Footer = FDropDownForm->Footer();
    const int Top = Header && Header->Visible() ? Inside.Top + Header->Height() : Inside.Top;
    const int Bottom = Footer && Footer->Visible() ? Inside.Bottom - Footer->Height() : Inside.Bottom;
    FControl->SetBounds(Inside.Left, Top, Inside.Width(), std::max(Bottom - Top, 0));
}

void TExtCustomDropDown::UpdateDropDownSize()
{
    const bool ShowsControl = FControl && FControl->Visible();
    const int Width = FDropDownWidth > 0 ? FDropDownWidth : ShowsControl ? FControl->Width() : this->Width();
    int Height = FDropDownHeight;
    if (Height <= 0) Height = 2 * FDropDownBorderWidth + FDropDownForm->BarsHeight() + (ShowsControl ? FControl->Height() : 0);
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), Width, Height);
}

void TExtCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::ToggleFromButton()
{
    if (ComponentState().Contains(csDesigning)) return;
    const bool Open = FDropDownForm && FDropDownForm->IsOpen();
    const uint64_t Closed = FDropDownForm ? FDropDownForm->DeActivateTime() : 0;
    if (!Open && (Closed == 0 || TickCount() - Closed > kReopenGuardMs)) DoDropDown();
}

void TExtCustomDropDown::DoDropDown()
{
    if (ComponentState().Contains(csDesigning) || !Enabled() || ReadOnly()) return;
    TDropDownForm* Form = EnsureDropDownForm();
    if (Form->IsOpen()) return;
    BeforeDropDown();
    Form->Shadow = FDropDownShadow;
    Form->Sizeable = FDropDownSizeable;
    Form->InitializeAndUpdate();
    UpdateDropDownSize();
    PlaceControl();
    const TPoint Anchor = Parent() ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : ClientToScreen(TPoint{0, 0});
    int Width = std::max(Form->Width(), kMinPopupWidth), Height = std::max(Form->Height(), kMinPopupHeight);
    const bool Below = FDropPosition == dpDown || (FDropPosition == dpAuto && Height + Anchor.Y < Screen->Height());
    int X = Anchor.X;
    const int Y = Below ? Anchor.Y + this->Height() - 1 : Anchor.Y - Height;
    bool Accept = true;
    if (OnDropDown) OnDropDown(this, Accept);
    if (!Accept) return;
    const TRect WorkArea = MonitorRectAt(Anchor);
    if (WorkArea.Left >= 0 && X < WorkArea.Right && X + Width > WorkArea.Right) X = WorkArea.Right - Width;
    if (FUserDropDownWidth != -1) Width = FUserDropDownWidth;
    if (FUserDropDownHeight != -1) Height = FUserDropDownHeight;
    AdjustDropDownHeight(Height);
    FDroppedDown = true;
    Form->SetBounds(X, Y, Width, Height);
    Form->Popup(X, Y);
}

void TExtCustomDropDown::DoDropUp(bool Cancelled)
{
    if (ComponentState().Contains(csDesigning) || !FDropDownForm || !FDropDownForm->IsOpen()) return;
    FClosingByEdit = true;
    FClosingCancelled = Cancelled;
    FDropDownForm->CloseUp(Cancelled);
    FClosingByEdit = false;
}

// The end of every close; closes that come from the popup's own window go through DoDropUp too.
void TExtCustomDropDown::PopupClosed(bool PopupCancelled)
{
    const bool Cancelled = FClosingByEdit ? FClosingCancelled : PopupCancelled;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    TWeakRef<TControl> Self(this);
    AfterDropUp();
    if (!Self) return;
    Application->CancelHint();
    if (Cancelled) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancelled);
}

void TExtCustomDropDown::AfterDropUp()
{
    FDroppedDown = false;
    if (TabStop() && CanFocus() && !Focused() && !ComponentState().Contains(csDestroying)) SetFocus();
}

void TExtCustomDropDown::PrepareAgainWhenOpen()
{
    if (!FDropDownForm || !FDroppedDown) return;
    FDropDownForm->InitializeAndUpdate();
    PlaceControl();
}

void TExtCustomDropDown::Notification(TComponent* component, TOperation operation)
{
    TCustomMaskEdit::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FControl) FControl = nullptr;
    if (component == FImages) FImages = nullptr;
    if (component == FDropDownForm) FDropDownForm = nullptr;
}

bool TExtCustomDropDown::ReturnPicksTypedItem(Word& Key, const TStringList& LookupItems,
                                              const std::function<void(int)>& Pick)
{
    if (Key != VK_RETURN) return false;
    const int Found = LookupItems.IndexOf(Text());
    if (Found >= 0) {
        Pick(Found);
        Change();
    }
    if (!ReturnIsTab()) return false;
    PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    Key = 0;
    return true;
}

TTextCompletion TExtCustomDropDown::CompleteTyped(const std::vector<std::string>& Candidates, bool MatchCase, bool& Completing)
{
    SetValueModified(!Text().empty());
    const TTextCompletion Done = CompleteText(Candidates, Text(), SelStart(), MatchCase);
    if (Done.TypedLength == 0) return Done;
    Completing = false;
    SetEditText(Done.Text);
    Completing = true;
    SetSelStart(Done.TypedLength);
    SetSelLength(Length(Done.Text) - Done.TypedLength);
    return Done;
}
