#pragma once
#include <memory>
#include <string>

#include "grid/dropdown/ExtSelectorDropDown.h"

class TExtColorCubePanel;
class TExtColorSpectrumPanel;
class TCustomColorSelector;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

class TColorItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string Caption;
    TColor Color = clNone;
    std::string Hint;
    void Assign(const TPersistent& Source) override;
};

using TColorItems = TTypedCollection<TColorItem>;

// A drop-down whose value is a colour: the edit shows a box in the colour and its name or
// value; the popup picks from a list, a palette, a honeycomb or a spectrum.
class TExtColorPickerDropDown : public TExtSelectorDropDown {
public:
    explicit TExtColorPickerDropDown(TComponent* owner);
    ~TExtColorPickerDropDown() override;

    TColorItems* Colors() const { return FColors.get(); }
    // The 16 named colours, Black to White.
    void AddDefaultColors();
    void SetItemIndex(int Value) override;
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    TColorValueText ColorValueText = cvtNone;
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    int ColorBoxWidth = 14;
    int ColorBoxHeight = 14;
    std::string SelectedColorText() const { return GetSelectedColorText(); }

    void SelectFirstColor() { SelectFirst(); }
    void SelectLastColor() { SelectLast(); }
    void SelectNextColor() { SelectNext(); }
    void SelectPreviousColor() { SelectPrevious(); }

    TNotifyEvent OnSelect;
    TDrawSelectedEvent OnDrawSelectedColor;

    TCustomColorSelector* Palette() const { return FColorSelector; }
    TExtColorCubePanel* Cube() const { return FColorCubePanel; }
    TExtColorSpectrumPanel* Spectrum() const { return FSpectrumPanel; }

protected:
    virtual std::string GetSelectedColorText() const;
    int ItemCount() const override { return FColors->Count(); }
    TSelectorType SelectorType() const override { return stColor; }
    void FillSelectorItems(TSelectorItems& Items) const override;
    bool ShowsSelector() const override { return FColorSelectionStyle == csList; }
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceControl() override;
    void UpdateDropDownSize() override;
    void DoDropUp(bool Cancelled) override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void WMPaint(TMessage& message) override;

private:
    TControl* StylePanel() const;
    void MakePanel();
    void PreparePanel();
    void PaintSelectedColor();

    std::unique_ptr<TColorItems> FColors;
    TExtColorCubePanel* FColorCubePanel = nullptr;
    TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    TColor FSelectedColor = clNone;
    TColorSelectionStyle FColorSelectionStyle = csList;
    bool FShowText = true;
    bool FPaletteInternal = false;
    TColor FOldSelectedColor = clNone;
};
