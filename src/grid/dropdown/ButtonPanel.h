#pragma once
#include <memory>
#include <string>

#include "grid/dropdown/DropDownTypes.h"
#include "grid/dropdown/TypedCollection.h"
#include "platform/ui/Controls.h"

// One button of a keypad: its caption, function code (Tag) and place on the panel.
class TButtonItem : public TCollectionItem {
public:
    explicit TButtonItem(TCollection* Collection);
    ~TButtonItem() override;

    std::string Caption;
    TColor CaptionColor = clWhite; // kept and copied; the caption is drawn in the look's colours
    int ImageIndex = -1;
    TPicture* Image() const { return FImage.get(); }
    int Tag = 0;
    bool Enabled = true;
    std::string Name;
    bool Special = false; // the caption is drawn in SpecialTextColor
    TRect Bounds{-1, -1, -1, -1};

    // Not the place and not Special.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TPicture> FImage;
};

using TButtonItems = TTypedCollection<TButtonItem>;

// The keypad's look. The buttons are drawn as the platform's push buttons, so only the font
// and the two text colours show; the other colours are kept for the styles.
class TButtonAppearance : public TPersistent {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;

    TColor BorderColor = clBlack;
    TColor BorderColorHot = clBlack;
    TColor BorderColorDown = clBlack;
    TColor Color = 0x9A915F;
    TColor ColorTo = 0xB0A170;
    TColor ColorDown = 0x4B2F08;
    TColor ColorDownTo = 0xADB514;
    TColor ColorHot = 0x9F6F1C;
    TColor ColorHotTo = 0xD5C244;
    TColor GlowColorHot = 0xD5C244;
    TColor GlowColorDown = 0xD5C244;
    TColor ShineColor = clWhite;
    TColor TextColor = clBlack;
    TColor SpecialTextColor = clMaroon;
    TFont* Font() const { return FFont.get(); }

    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TFont> FFont;
};

enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

// A panel of push buttons that reports clicks by button index. As a calculator it lays its
// buttons out in the keypad's grid of five rows and six columns.
class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* owner);
    ~TCustomButtonPanel() override;

    TButtonItems* Buttons() const { return FButtons.get(); }
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    TItemLayout ButtonLayout = ilCaptionRight;
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    // Held by a drop-down: no frame of its own.
    bool InDropDown = false;
    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }

    TCalculatorButtonClickEvent OnButtonClick;

    virtual void GetButtonArea(TRect& R) const;
    virtual void ClearButtons() { FButtons->Clear(); }
    virtual void ResetButtons();
    virtual void CreateDefaultButtons();
    virtual void LayoutButtons();
    // The button at a client point, -1 for none.
    int ButtonAt(int X, int Y) const;

protected:
    virtual void PaintButton(int Index, TCanvas* Canvas);
    virtual void InvalidateButton(int Index);
    virtual void DoButtonClick(int Index);
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseLeave(TMessage& message) override;

private:
    void SetHot(int Index);
    void SetDown(int Index);
    void ChangeIndex(int& Field, int Index);

    std::unique_ptr<TButtonItems> FButtons;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    TButtonPanelType FButtonPanelType = plCalculator;
    int FButtonHot = -1;
    int FButtonDown = -1;
    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
};
