#pragma once
#include <string>

#include "grid/foundation/editors/DropButtonMouse.h"
#include "grid/foundation/editors/ExtTimerSpeedButton.h"
#include "grid/foundation/editors/LabelPlacement.h"
#include "platform/ui/CustomComboBox.h"

// A combo box that paints its own frame and drop-down button in several looks (standard,
// flat, coloured button, coloured frame, focus frame, themed), takes another background
// colour while it has the focus and can carry a caption label beside it. The grid's combo
// editors derive from it.
class TEsgCustomCombo : public TCustomComboBox, public TAttachedLabelProperties {
public:
    explicit TEsgCustomCombo(TComponent* owner);
    ~TEsgCustomCombo() override;

    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool on) { autoFocus_ = on; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width); // only 14 to 32 are taken
    bool DisabledBorder() const { return disabledBorder_; }
    void SetDisabledBorder(bool on);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor color);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool on);
    bool Etched() const { return etched_; }
    void SetEtched(bool on);
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool on);
    TColor FocusBorderColor() const { return focusBorderColor_; }
    void SetFocusBorderColor(TColor color);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor color) { focusColor_ = color; }
    int DropWidth() const { return dropWidth_; }
    void SetDropWidth(int width);

    // Also places the label again.
    void SetLabelAlwaysEnabled(bool on);
    TLabel* ComboLabel() const { return label_.Label(); }

    // The coloured-button look, off while ButtonColor is clNone.
    TButtonColors Colors;
    // The owner sets them where the platform has those looks.
    bool IsWinXP = false;
    bool IsVista = false;

    TNotifyEvent OnDropUp;

    // Picks the item equal to the text (letter case ignored); nothing changes without one.
    void SelectItem(const std::string& text);
    void Init();
    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool enabled) override;
    void SetParent(TWinControl* parent) override;

    // Platform use by tests and painters: the state the looks depend on.
    bool MouseInControl() const { return mouse_.InControl(); }
    bool ButtonHover() const { return mouse_.OverButton(); }
    bool HasFocus() const { return hasFocus_; }
    // True when this control, not the platform alone, paints the frame and button.
    bool PaintsItself() const;

protected:
    void Loaded() override;
    void CMEnter(TMessage& message) override;
    void CMExit(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void WMMouseMove(TMessage& message) override;
    void WMLButtonDown(TMessage& message) override;
    void WMLButtonUp(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void CMParentFontChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    void WMPaint(TMessage& message) override;
    void CNCommand(TMessage& message) override;

private:
    bool ThemeActive() const;
    bool BorderWanted() const;
    bool IsActiveControl() const;
    void FocusArrived();
    void FocusLeft();
    void PaintButton(TCanvas* canvas);
    void DrawBorder(TCanvas* canvas);
    void InvalidateButton();

    bool autoFocus_ = false;
    TColor borderColor_ = clNone;
    int buttonWidth_ = 19;
    bool disabledBorder_ = true;
    bool flat_ = false;
    TColor flatLineColor_ = clNone;
    bool flatParentColor_ = true;
    bool etched_ = false;
    bool focusBorder_ = false;
    TColor focusBorderColor_ = clNone;
    TColor focusColor_ = clNone;
    int dropWidth_ = 0;
    TDropButtonMouse mouse_;
    bool hasFocus_ = false;
    TColor normalColor_ = clNone; // set by Init, or by the first focus when Init never ran
    TColor loadedColor_ = clWindow;
    TColor oldColor_ = clWindow;
    bool oldParentColor_ = false;
    bool isThemed_;
};

class TEsgComboBox : public TEsgCustomCombo {
public:
    using TEsgCustomCombo::TEsgCustomCombo;
};
