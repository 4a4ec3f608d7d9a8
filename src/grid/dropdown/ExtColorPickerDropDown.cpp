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
    : TExtSelectorDropDown(owner), FColors(std::make_unique<TColorItems>())
{
    SetEditorEnabled(false);
    SetDropDownHeight(200);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
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
    case csList: return ItemSelector();
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
        MakeSelector();
        return;
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
    TExtSelectorDropDown::CreateDropDownForm();
    MakePanel();
    SetDropDownControl(StylePanel());
}

void TExtColorPickerDropDown::FillSelectorItems(TSelectorItems& Items) const
{
    for (int I = 0; I < FColors->Count(); ++I) {
        const TColorItem& Color = *FColors->Items(I);
        TSelectorItem* Item = Items.Add();
        Item->SetCaption(Color.Caption);
        Item->SetColor(Color.Color);
        Item->Hint = Color.Hint;
    }
}

void TExtColorPickerDropDown::PreparePanel()
{
    MakePanel();
    for (TControl* Panel : {static_cast<TControl*>(ItemSelector()), static_cast<TControl*>(FColorSelector),
                            static_cast<TControl*>(FColorCubePanel), static_cast<TControl*>(FSpectrumPanel)})
        if (Panel && Panel != StylePanel()) Panel->SetVisible(false);
    switch (FColorSelectionStyle) {
    case csList:
        LoadItemSelector();
        ItemSelector()->SetColorBoxHeight(ColorBoxHeight);
        ItemSelector()->SetColorBoxWidth(ColorBoxWidth);
        break;
    case csDiscrete:
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->LayoutItems();
        FColorSelector->OnItemSelect = [this](TObject*) {
            SetSelectedColor(FColorSelector->SelectedColor());
            FItemIndex = -1;
            if (!FPaletteInternal) DoDropUp(false);
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
    TExtSelectorDropDown::PlaceControl();
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
    TExtSelectorDropDown::UpdateDropDownSize();
}

void TExtColorPickerDropDown::DoDropUp(bool Cancelled)
{
    const bool WasOpen = DroppedDown();
    TExtSelectorDropDown::DoDropUp(Cancelled);
    if (WasOpen && Cancelled && FColorSelectionStyle == csDiscrete && FColorSelector)
        FColorSelector->SetSelectedColor(FOldSelectedColor);
}

// ---- keys and the wheel ----

void TExtColorPickerDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    bool PickedHot = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN) {
        if (FColorSelectionStyle == csList && ItemSelector() && ItemSelector()->ItemHot() >= 0) {
            ItemSelector()->SetItemIndex(ItemSelector()->ItemHot());
            PickedHot = true;
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            PickedHot = true;
        }
    }
    TExtCustomDropDown::KeyDown(key, shift);
    if (!Enabled() || shift.Contains(ssAlt)) return;
    if (FColorSelectionStyle == csList) {
        if (Pressed == VK_RETURN) {
            if (!PickedHot && OnSelect) OnSelect(this);
        } else {
            NavigateKey(Pressed, shift.Contains(ssCtrl), false);
        }
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        FPaletteInternal = true;
        FColorSelector->HandleKey(Pressed, EditorEnabled(), DroppedDown());
        FPaletteInternal = false;
        if (Pressed == VK_RETURN && !PickedHot && OnSelect) OnSelect(this);
    }
}

void TExtColorPickerDropDown::SelectNextValue()
{
    TExtSelectorDropDown::SelectNextValue();
    if (FColorSelectionStyle != csDiscrete || !FColorSelector || !Enabled() || ReadOnly()) return;
    FPaletteInternal = true;
    DroppedDown() ? FColorSelector->HotNext() : FColorSelector->SelectNext();
    FPaletteInternal = false;
}

void TExtColorPickerDropDown::SelectPreviousValue()
{
    TExtSelectorDropDown::SelectPreviousValue();
    if (FColorSelectionStyle != csDiscrete || !FColorSelector || !Enabled() || ReadOnly()) return;
    FPaletteInternal = true;
    DroppedDown() ? FColorSelector->HotPrevious() : FColorSelector->SelectPrevious();
    FPaletteInternal = false;
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
