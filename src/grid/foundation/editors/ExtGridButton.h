#pragma once
#include <memory>

#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/ButtonTypes.h"
#include "platform/ui/Controls.h"

class TExtGridButtonActionLink;

// A flat tool button of the grid's search bar (find next, find previous, close,
// highlight): glyphs, hot and down colours, gradients, an optional drop-down part, a
// check style and radio groups.
class TExtGridButton : public TGraphicControl {
public:
    explicit TExtGridButton(TComponent* AOwner);
    ~TExtGridButton() override;

    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // The bitmaps are the button's own; the setters copy.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(const TBitmap* Value) { FGlyphHot->Assign(*Value); }
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(const TBitmap* Value) { FGlyphDown->Assign(*Value); }
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(const TBitmap* Value) { FGlyphDisabled->Assign(*Value); }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool Value);
    bool Shaded() const { return FShaded; }
    void SetShaded(bool Value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TExtGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TExtGridButtonStyle Value);
    // Writing 0 to 6 applies a colour set; other values change nothing.
    int Look() const { return FLook; }
    void SetLook(int Value);

    // Plain values.
    bool AutoXPStyle = false; // a button that is not flat takes the platform's push-button style
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;
    TColor ColorDown = 0xD8D3D2;
    TColor ColorDownTo = clNone;
    TColor ColorHot = 0xCAC7C7;
    TColor ColorHotTo = clNone;
    TNotifyEvent OnDropDown;

    // The action whose caption, state and command the button shows; nullptr for none.
    TAction* Action() const;
    void SetAction(TAction* Value);

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    // OnClick, or the action's command when the button has no OnClick.
    void Click() override;

protected:
    void Paint() override;
    void Loaded() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    void UpdateExclusive();
    void ButtonPressed(TMessage& Message);
    void UpdateTracking();
    void ApplyThemeLook();
    void RebuildShade();
    bool Inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
    // Painting steps.
    bool Hot() const;
    void PaintFlatFace(TRect& R);
    void PaintRaisedFace(TRect& R);
    void PaintContent(TRect R, TPoint Offset);
    TBitmap* ChosenGlyph() const;

    std::unique_ptr<TBitmap> FGlyph, FGlyphHot, FGlyphDown, FGlyphDisabled, FGlyphShade;
    std::unique_ptr<TExtGridButtonActionLink> FActionLink;
    bool FAllowAllUp = false;
    bool FAutoThemeAdapt = false;
    TColor FBorderColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorChecked = clGray;
    TColor FColorCheckedTo = clNone;
    bool FDown = false;
    bool FDropDownButton = false;
    bool FFlat = true;
    int FGroupIndex = 0;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    bool FRounded = false;
    bool FShaded = true;
    bool FShowCaption = true;
    int FSpacing = 4;
    TExtGridButtonStyle FStyle = tasButton;
    int FLook = 0;

    TButtonState FState = bsUp;
    bool FDragging = false;
    bool FMouseInControl = false;
    TPoint FLastMouse{-1, -1};
    bool FIsComCtl6;
};

// Links an action to a grid button: besides what every control takes, the checked state
// becomes Down for a button of a group that may be all up, and the group index its own.
class TExtGridButtonActionLink : public TControlActionLink {
public:
    explicit TExtGridButtonActionLink(TExtGridButton* client) : TControlActionLink(client), FClient(client) {}

protected:
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void WriteChecked(bool Value) override { FClient->SetDown(Value); }
    void WriteGroupIndex(int Value) override { FClient->SetGroupIndex(Value); }

private:
    TExtGridButton* FClient;
};
