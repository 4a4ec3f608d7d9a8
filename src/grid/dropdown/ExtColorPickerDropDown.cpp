#include "grid/dropdown/ExtColorPickerDropDown.h"

#include <algorithm>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/ColorPalette.h"
#include "grid/dropdown/ColorPanels.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/WindowCanvas.h"

namespace {
constexpr int kVerticalScrollBarWidth = 17;
constexpr unsigned kTypeAheadMs = 500;

struct TNamedColor {
    const char* Name;
    TColor Color;
};

const TNamedColor kDefaultColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
};

// The web's named colours that this system knows: the sixteen basic ones.
const char* WebName(TColor Color)
{
    static const TNamedColor kWeb[] = {
        {"black", 0x000000}, {"maroon", 0x000080}, {"green", 0x008000}, {"olive", 0x008080},
        {"navy", 0x800000},  {"purple", 0x800080}, {"teal", 0x808000},  {"gray", 0x808080},
        {"silver", 0xC0C0C0}, {"red", 0x0000FF},   {"lime", 0x00FF00},  {"yellow", 0x00FFFF},
        {"blue", 0xFF0000},  {"fuchsia", 0xFF00FF}, {"aqua", 0xFFFF00}, {"white", 0xFFFFFF},
    };
    for (const TNamedColor& Named : kWeb)
        if (Named.Color == Color) return Named.Name;
    return nullptr;
}

std::string HtmlColor(TColor C) { return "#" + IntToHex(GetRValue(C), 2) + IntToHex(GetGValue(C), 2) + IntToHex(GetBValue(C), 2); }
} // namespace

void TColorItem::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TColorItem*>(&Source);
    if (!Other) return;
    Caption = Other->Caption;
    Color = Other->Color;
    Hint = Other->Hint;
}

TExtColorPickerDropDown::TExtColorPickerDropDown(TComponent* owner)
    : TExtCustomDropDown(owner), FColors(std::make_unique<TColorItems>()), FItemAppearance(std::make_unique<TItemAppearance>())
{
    SetComponentStyle(GetComponentStyle());
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    FKeyTimer = new TTimer(this);
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(kTypeAheadMs);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
}

TExtColorPickerDropDown::~TExtColorPickerDropDown() = default;

void TExtColorPickerDropDown::AddDefaultColors()
{
    for (const TNamedColor& Named : kDefaultColors) {
        TColorItem* Item = FColors->Add();
        Item->Caption = Named.Name;
        Item->Color = Named.Color;
    }
}

void TExtColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= FColors->Count()) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors->Items(Value)->Color;
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    for (int I = 0; I < FColors->Count(); ++I)
        if (FColors->Items(I)->Color == Value) {
            SetItemIndex(I);
            return;
        }
    // No item has the colour: no caption of another colour stays beside its box.
    FItemIndex = -1;
    Invalidate();
}

void TExtColorPickerDropDown::SetShowText(bool Value)
{
    if (Value == FShowText) return;
    FShowText = Value;
    Invalidate();
}

void TExtColorPickerDropDown::SelectFirstColor()
{
    if (FColors->Count() > 0) SetItemIndex(0);
}

void TExtColorPickerDropDown::SelectLastColor()
{
    if (FColors->Count() > 0) SetItemIndex(FColors->Count() - 1);
}

void TExtColorPickerDropDown::SelectNextColor()
{
    if (FItemIndex < 0) SelectFirstColor();
    else if (FItemIndex + 1 < FColors->Count()) SetItemIndex(FItemIndex + 1);
}

void TExtColorPickerDropDown::SelectPreviousColor()
{
    if (FItemIndex < 0) SelectFirstColor();
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExtColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Style)
{
    TExtCustomDropDown::SetSelectionColorStyle(Style);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Style);
}

void TExtColorPickerDropDown::SetComponentStyle(TSuiteStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (FItemAppearance) ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

std::string TExtColorPickerDropDown::GetSelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0) return FColors->Items(FItemIndex)->Caption;
    const TColor C = ColorToRGB(FSelectedColor);
    switch (ColorValueText) {
    case cvtNone: return "";
    case cvtHex: return IntToHex(static_cast<int64_t>(FSelectedColor), 6);
    case cvtWebName: {
        const char* Name = WebName(C);
        return Name ? Name : HtmlColor(C);
    }
    case cvtRGB:
        return "Red:" + std::to_string(GetRValue(C)) + ",Green:" + std::to_string(GetGValue(C)) + ",Blue:" +
               std::to_string(GetBValue(C));
    case cvtHTML: return HtmlColor(C);
    }
    return "";
}

// ---- the popup ----

TControl* TExtColorPickerDropDown::StylePanel() const
{
    switch (FColorSelectionStyle) {
    case csList: return FItemSelector;
    case csDiscrete: return FColorSelector;
    case csColorCube: return FColorCubePanel;
    case csSpectrum: return FSpectrumPanel;
    }
    return nullptr;
}

// The panel of the current style, made once on the popup and kept.
void TExtColorPickerDropDown::MakePanel()
{
    TDropDownForm* Form = EnsureDropDownForm();
    TControl* Made = nullptr;
    switch (FColorSelectionStyle) {
    case csList:
        if (FItemSelector) return;
        FItemSelector = new TExtCustomItemSelector(this);
        FItemSelector->SetSelectorType(stColor);
        FItemSelector->SetHeight(150);
        Made = FItemSelector;
        break;
    case csDiscrete:
        if (FColorSelector) return;
        FColorSelector = new TCustomColorSelector(this);
        FColorSelector->AddPaletteColors();
        FColorSelector->LayoutItems();
        Made = FColorSelector;
        break;
    case csColorCube:
        if (FColorCubePanel) return;
        FColorCubePanel = new TExtColorCubePanel(this);
        Made = FColorCubePanel;
        break;
    case csSpectrum:
        if (FSpectrumPanel) return;
        FSpectrumPanel = new TExtColorSpectrumPanel(this);
        Made = FSpectrumPanel;
        break;
    }
    Made->SetParent(Form);
    Made->SetLeft(0);
    Made->SetTop(0);
    Made->SetColor(DropDownColor());
}

void TExtColorPickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    MakePanel();
    SetDropDownControl(StylePanel());
}

void TExtColorPickerDropDown::LoadItemSelector()
{
    TExtCustomItemSelector& List = *FItemSelector;
    List.OnItemSelect = nullptr;
    List.SetColumns(Columns);
    List.ItemLayout = Layout;
    List.SetColor(DropDownColor());
    List.Items()->BeginUpdate();
    List.Items()->Clear();
    for (int I = 0; I < FColors->Count(); ++I) {
        const TColorItem& Color = *FColors->Items(I);
        TSelectorItem* Item = List.Items()->Add();
        Item->SetCaption(Color.Caption);
        Item->SetColor(Color.Color);
        Item->Hint = Color.Hint;
    }
    List.Items()->EndUpdate();
    List.SetColorBoxHeight(ColorBoxHeight);
    List.SetColorBoxWidth(ColorBoxWidth);
    List.ItemAppearance()->Assign(*FItemAppearance);
    List.UpdateSelectorPanel();
    List.SetItemIndex(FItemIndex);
    List.OnItemSelect = [this](TObject*) {
        SetItemIndex(FItemSelector->ItemIndex());
        if (!FInternalCall) DoDropUp(false);
    };
    List.SetShowHint(ShowHint());
    if (OnDrawColor) List.OnDrawItem = [this](TObject*, TCanvas* Canvas, const TRect& R, int Index) { OnDrawColor(this, Canvas, R, Index); };
    else List.OnDrawItem = nullptr;
    FOldItemIndex = FItemIndex;
}

void TExtColorPickerDropDown::PreparePanel()
{
    MakePanel();
    for (TControl* Panel : {static_cast<TControl*>(FItemSelector), static_cast<TControl*>(FColorSelector),
                            static_cast<TControl*>(FColorCubePanel), static_cast<TControl*>(FSpectrumPanel)})
        if (Panel && Panel != StylePanel()) Panel->SetVisible(false);
    switch (FColorSelectionStyle) {
    case csList:
        LoadItemSelector();
        break;
    case csDiscrete:
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->LayoutItems();
        FColorSelector->OnItemSelect = [this](TObject*) {
            SetSelectedColor(FColorSelector->SelectedColor());
            FItemIndex = -1;
            if (!FInternalCall) DoDropUp(false);
        };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->InitCells();
        FColorCubePanel->ResetHotCell();
        FColorCubePanel->OnSelect = [this](TObject*) {
            SetSelectedColor(FColorCubePanel->SelectedColor());
            FItemIndex = -1;
            DoDropUp(false);
        };
        break;
    case csSpectrum:
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->UpdateLayout();
        FSpectrumPanel->OnSelect = [this](TObject*) {
            SetSelectedColor(FSpectrumPanel->SelectedColor());
            FItemIndex = -1;
            DoDropUp(false);
        };
        break;
    }
    StylePanel()->SetVisible(true);
    SetDropDownControl(StylePanel());
}

void TExtColorPickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    PreparePanel();
    FOldSelectedColor = FSelectedColor;
}

void TExtColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (Value == FColorSelectionStyle) return;
    FColorSelectionStyle = Value;
    if (ComponentState().Contains(csDesigning)) return;
    PreparePanel();
    FOldSelectedColor = FSelectedColor;
    UpdateDropDownSize();
    PlaceControl();
}

void TExtColorPickerDropDown::PlaceControl()
{
    TExtCustomDropDown::PlaceControl();
    if (DropDownForm() && FColorSelectionStyle != csList) DropDownForm()->Sizeable = false;
}

void TExtColorPickerDropDown::UpdateDropDownSize()
{
    TDropDownForm* Form = DropDownForm();
    TControl* Panel = StylePanel();
    if (!Form) return;
    if (FColorSelectionStyle != csList) {
        const int Border = 2 * DropDownBorderWidth();
        const bool Shows = Panel && Panel->Visible();
        const int Height = Border + Form->BarsHeight() + (Shows ? Panel->Height() : 0);
        Form->SetBounds(Form->Left(), Form->Top(), Shows ? Panel->Width() + Border : Width(), Height);
        return;
    }
    if (FItemSelector) {
        const TSize Size = FItemSelector->GetSelectorPanelSize();
        if (DropDownWidth() < 1) FItemSelector->SetWidth(Size.cx);
        if (DropDownHeight() < 1) FItemSelector->SetHeight(Size.cy);
    }
    TExtCustomDropDown::UpdateDropDownSize();
    if (FItemSelector && FItemSelector->ScrollBarShown(SB_VERT))
        Form->SetWidth(Form->Width() + kVerticalScrollBarWidth);
}

void TExtColorPickerDropDown::DoDropUp(bool Cancelled)
{
    TExtCustomDropDown::DoDropUp(Cancelled);
    if (!Cancelled) return;
    if (FColorSelectionStyle == csList) SetItemIndex(FOldItemIndex);
    else if (FColorSelectionStyle == csDiscrete && FColorSelector) FColorSelector->SetSelectedColor(FOldSelectedColor);
}

// ---- keys and the wheel ----

void TExtColorPickerDropDown::MoveInList(int Index)
{
    FInternalCall = true;
    FItemSelector->SetItemIndex(Index);
    FInternalCall = false;
}

void TExtColorPickerDropDown::ListKey(Word Key, bool Ctrl)
{
    const bool Open = DroppedDown();
    TExtCustomItemSelector& List = *FItemSelector;
    if (Open && List.Items()->Count() != FColors->Count()) LoadItemSelector();
    const int Last = FColors->Count() - 1, Current = Open ? List.ItemIndex() : FItemIndex;
    const int Page = Open ? List.GetVisibleItemCount() : 10;
    switch (Key) {
    case VK_PRIOR:
        if (Open) MoveInList(std::max(Current - Page, 0));
        else if (Last >= 0) SetItemIndex(std::max(Current - Page, 0));
        break;
    case VK_NEXT:
        if (Open) MoveInList(std::min(Current + Page, Last));
        else if (Last >= 0) SetItemIndex(std::min(Current + Page, Last));
        break;
    case VK_END:
        if (Open) MoveInList(Last);
        else SelectLastColor();
        break;
    case VK_HOME:
        if (Open) MoveInList(0);
        else SelectFirstColor();
        break;
    case VK_LEFT:
        if (Open && !EditorEnabled()) MoveInList(Current > 0 ? Current - 1 : 0);
        break;
    case VK_RIGHT:
        if (Open && !EditorEnabled()) MoveInList(Current < 0 ? 0 : std::min(Current + 1, Last));
        break;
    case VK_UP:
        if (!Open) SelectPreviousColor();
        else if (Current < 0) MoveInList(0);
        else if (Current - Columns >= 0) MoveInList(Current - Columns);
        break;
    case VK_DOWN:
        if (!Open) SelectNextColor();
        else if (Current < 0) MoveInList(0);
        else if (Current + Columns <= Last) MoveInList(Current + Columns);
        break;
    default:
        if (Ctrl || Key < '0' || Key > 'Z') break;
        FCurSearch += static_cast<char>(Key);
        FInternalCall = true;
        List.LookupItem(FCurSearch);
        FInternalCall = false;
        if (!FKeyTimer->Enabled()) FKeyTimer->SetEnabled(true);
        break;
    }
}

void TExtColorPickerDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    bool PickedHot = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN) {
        if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            PickedHot = true;
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            PickedHot = true;
        }
    }
    TExtCustomDropDown::KeyDown(key, shift);
    if (!Enabled() || shift.Contains(ssAlt)) return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (Pressed == VK_RETURN) {
            if (!PickedHot && OnSelect) OnSelect(this);
        } else {
            ListKey(Pressed, shift.Contains(ssCtrl));
        }
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        FInternalCall = true;
        FColorSelector->HandleKey(Pressed, EditorEnabled(), DroppedDown());
        FInternalCall = false;
        if (Pressed == VK_RETURN && !PickedHot && OnSelect) OnSelect(this);
    }
}

void TExtColorPickerDropDown::SelectNextValue()
{
    if (!Enabled() || ReadOnly()) return;
    FInternalCall = true;
    if (FColorSelectionStyle == csList && FItemSelector) DroppedDown() ? FItemSelector->HotNext() : FItemSelector->SelectNext();
    if (FColorSelectionStyle == csDiscrete && FColorSelector) DroppedDown() ? FColorSelector->HotNext() : FColorSelector->SelectNext();
    FInternalCall = false;
}

void TExtColorPickerDropDown::SelectPreviousValue()
{
    if (!Enabled() || ReadOnly()) return;
    FInternalCall = true;
    if (FColorSelectionStyle == csList && FItemSelector) DroppedDown() ? FItemSelector->HotPrevious() : FItemSelector->SelectPrevious();
    if (FColorSelectionStyle == csDiscrete && FColorSelector) DroppedDown() ? FColorSelector->HotPrevious() : FColorSelector->SelectPrevious();
    FInternalCall = false;
}

// ---- painting ----

void TExtColorPickerDropDown::WMPaint(TMessage& message)
{
    TExtCustomDropDown::WMPaint(message);
    PaintSelectedColor();
}

void TExtColorPickerDropDown::PaintSelectedColor()
{
    TWindowCanvas Canvas(this);
    const TRect R{1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2};
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, &Canvas, R);
        return;
    }
    if (FSelectedColor == clNone) return;
    const int Top = R.Top + (Height() - ColorBoxHeight) / 2;
    const TRect Box{R.Left + 4, Top, R.Left + 4 + ColorBoxWidth, Top + ColorBoxHeight};
    Canvas.Pen()->SetColor(clBlack);
    Canvas.Brush()->SetColor(FSelectedColor);
    Canvas.Rectangle(Box);
    if (!FShowText) return;
    const bool Highlight = Focused() && !EditorEnabled();
    Canvas.Font()->Assign(*Font());
    if (Highlight) Canvas.Font()->SetColor(clHighlightText);
    TRect Text{Box.Right + 4, R.Top, R.Right, R.Bottom};
    Canvas.Brush()->SetColor(Focused() ? clHighlight : Color());
    DrawText(&Canvas, GetSelectedColorText(), Text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
