#pragma once
#include <memory>

#include "grid/dropdown/DropDownTypes.h"
#include "grid/foundation/painting/OfficeTheme.h"

// The look of the hot and the selected item of an item selector.
class TItemAppearance : public TPersistent {
public:
    TItemAppearance();
    ~TItemAppearance() override;

    TColor BorderColor = clNone;
    TColor BorderColorTop = clNone;
    TColor BorderColorBottom = clNone;
    TColor BorderColorHot = clNone;      // set: the hot item's only frame colour
    TColor BorderColorSelected = clNone; // set: the selected item's only frame colour
    TColor ColorHot = clNone;
    TColor ColorHotTo = clNone;
    TColor ColorHotText = clBlack;
    TColor ColorMirrorHot = clNone;
    TColor ColorMirrorHotTo = clNone;
    TColor ColorSelected = clNone;
    TColor ColorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone;
    TColor ColorMirrorSelectedTo = clNone;
    TColor ColorSelectedText = clBlack;
    TColor EdgeColor = clNone;
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Loads the style's colours when the style changes; scCustom keeps them.
    void SetColorStyle(TSelectionColorStyle Style);

    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TFont> FFont;
    TSelectionColorStyle FColorStyle = scCustom;
};

// The colours a drop-down's colour style gives the items of its selector; tsCustom keeps them.
void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TSuiteStyle Style);
