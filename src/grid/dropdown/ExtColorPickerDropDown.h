#pragma once
#include <memory>
#include <string>

#include "grid/dropdown/ExtDropDown.h"
#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/ItemSelector.h"

class TExtColorCubePanel;
class TExtColorSpectrumPanel;
class TCustomColorSelector;
class TTimer;

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
using TDrawSelectedColorEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

// A drop-down whose value is a colour: the edit shows a box in the colour and its name or
// value; the popup picks from a list, a palette, a honeycomb or a spectrum.
class TExtColorPickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtColorPickerDropDown(TComponent* owner);
    ~TExtColorPickerDropDown() override;

    TColorItems* Colors() const { return FColors.get(); }
    // The 16 named colours, Black to White.
    void AddDefaultColors();
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    TColorValueText ColorValueText = cvtNone;
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    int Columns = 1;
    TItemLayout Layout = ilCaptionRight;
    int ColorBoxWidth = 14;
    int ColorBoxHeight = 14;
    TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
    std::string SelectedColorText() const { return GetSelectedColorText(); }

    void SelectFirstColor();
    void SelectLastColor();
    void SelectNextColor();
    void SelectPreviousColor();

    TNotifyEvent OnSelect;
    TDrawSelectedColorEvent OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

    void SetSelectionColorStyle(TSelectionColorStyle Style) override;
    void SetComponentStyle(TSuiteStyle AStyle) override;

    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TCustomColorSelector* Palette() const { return FColorSelector; }
    TExtColorCubePanel* Cube() const { return FColorCubePanel; }
    TExtColorSpectrumPanel* Spectrum() const { return FSpectrumPanel; }

protected:
    virtual std::string GetSelectedColorText() const;
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
    void LoadItemSelector();
    void ListKey(Word Key, bool Ctrl);
    void MoveInList(int Index);
    void PaintSelectedColor();

    std::unique_ptr<TColorItems> FColors;
    std::unique_ptr<TItemAppearance> FItemAppearance;
    TExtCustomItemSelector* FItemSelector = nullptr;
    TExtColorCubePanel* FColorCubePanel = nullptr;
    TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    TTimer* FKeyTimer = nullptr;
    int FItemIndex = -1;
    TColor FSelectedColor = clNone;
    TColorSelectionStyle FColorSelectionStyle = csList;
    bool FShowText = true;
    bool FInternalCall = false;
    std::string FCurSearch;
    int FOldItemIndex = -1;
    TColor FOldSelectedColor = clNone;
};
