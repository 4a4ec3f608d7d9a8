#pragma once
#include <memory>

#include "grid/foundation/model/SettingsNotify.h"
#include "platform/ui/Graphics.h"

// The look of the push buttons on a drop-down's header and footer bars. Every colour and
// the gradient tell the owner (OnChange) only when they really change.
class TExtButtonAppearance : public TPersistent {
public:
    TExtButtonAppearance();
    ~TExtButtonAppearance() override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Change(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { Change(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { Change(FBorderColorDown, Value); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor Value) { Change(FBorderColorDisabled, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { Change(FBorderColorChecked, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Change(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Change(FColorTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { Change(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { Change(FColorDisabledTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { Change(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { Change(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { Change(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { Change(FColorHotTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { Change(FColorChecked, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { Change(FColorCheckedTo, Value); }
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection Value) { Change(FGradient, Value); }
    // Owned; the writer copies and tells nobody.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }

    TNotifyEvent OnChange;

    // From another button look: the colours and the gradient through their writers (one
    // OnChange per changed value), not the font. Any other source is a conversion error.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Change(T& Field, T Value) { StoreChanged(Field, Value, OnChange, this); }

    TColor FBorderColor = clNone;
    TColor FBorderColorHot = clGray;
    TColor FBorderColorDown = clNavy;
    TColor FBorderColorDisabled = clGray;
    TColor FBorderColorChecked = clBlue;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorChecked = 0xF5D8CA;
    TColor FColorCheckedTo = 0xF9BDA0;
    TGradientDirection FGradient = gdVertical;
    std::unique_ptr<TFont> FFont;
};
