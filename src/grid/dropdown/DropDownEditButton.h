#pragma once
#include "grid/foundation/editors/ExtTimerSpeedButton.h"
#include "platform/ui/SpeedButton.h"

class TDropDownEditButton;

enum TDropButtonStyle { bsButton, bsDropDown };

// The flat button inside a drop-down's button area: the drop-down arrow in the platform's
// themed combo look, or in the edit's colours when the area has its own.
class TExtDropDownSpeedButton : public TSpeedButton {
public:
    explicit TExtDropDownSpeedButton(TDropDownEditButton* owner);

    TDropButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TDropButtonStyle Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    bool Hot() const { return FHot; }
    // From now on the button never paints pressed.
    void SetUp() { FUp = true; }

protected:
    void Paint() override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

private:
    bool Pressed() const;
    void PaintArrowFace();
    void PaintPushFace();

    TDropDownEditButton* FArea;
    TDropButtonStyle FButtonStyle = bsDropDown;
    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
};

using TDropButtonClickEvent = std::function<void(TObject* Sender, TMouseButton Button)>;

// The button area at a drop-down edit's right edge. A left release over its button raises
// OnClick. With ButtonColor set the arrow is drawn in the Colors, else themed.
class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* owner);

    TExtDropDownSpeedButton* Button() const { return FButton; }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
    std::string ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Control);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    // Whether the edit behind the button can open its popup (enabled and not read-only).
    bool EditUsable() const;
    // The edit's frame colour, for the line left of a coloured button.
    TColor EditBorderColor = clNone;

    TButtonColors Colors;
    TDropButtonClickEvent OnClick;

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CMEnabledChanged(TMessage& message) override;

private:
    TExtDropDownSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    int FButtonWidth = 16;
};
