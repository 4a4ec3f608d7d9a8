#pragma once
#include <functional>
#include <memory>
#include <string>

#include "grid/foundation/editors/EsgEditButton.h"
#include "platform/rtl/Classes.h"
#include "platform/ui/MaskEdit.h"

// A one-line edit with a push button at its right edge. The button, or F4, raises
// OnClickBtn for the owner, which opens a dialog or a list for the value. The grid's
// edit-with-button editors derive from it.
class TEsgEditBtn : public TCustomMaskEdit {
public:
    explicit TEsgEditBtn(TComponent* owner);
    ~TEsgEditBtn() override;

    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }
    bool RightAlign() const { return rightAlign_; }
    void SetRightAlign(bool right);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int width);
    std::string ButtonCaption() const { return button_->ButtonCaption(); }
    void SetButtonCaption(const std::string& caption) { button_->SetButtonCaption(caption); }
    TBitmap* Glyph() const { return button_->Glyph(); }
    void SetGlyph(const TBitmap* glyph) { button_->SetGlyph(glyph); }
    bool IsWinXP() const { return button_->Button()->IsWinXP(); }
    void SetIsWinXP(bool value) { button_->Button()->SetIsWinXP(value); }
    TEsgEditButton* Button() const { return button_; }

    // The lowest height that shows the font whole.
    int MinHeight() const;
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    // Raises OnClickBtn; the button passes itself, F4 passes the edit.
    virtual void ButtonClick(TObject* Sender);

    TNotifyEvent OnClickBtn;

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void WMChar(TMessage& message) override;
    void CreateWnd() override;
    int UnitSpaceWidth() const { return unitSpace_; }
    void SetUnitSpaceWidth(int width);
    // Where the edit's client area starts inside the window: the platform's edit keeps
    // its frame in the window, where the desktop keeps it outside the client area.
    int FrameOffset() const { return BorderStyle() == bsNone ? 0 : 2; }

private:
    void PlaceButton();
    void UpdateEditRect();

    TEsgEditButton* button_ = nullptr;
    bool editorEnabled_ = true;
    bool rightAlign_ = false;
    int buttonWidth_ = 0;
    int unitSpace_ = 0;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;

// An edit for a value with a unit: the number is typed, the unit stands between the
// number and the button, and the button opens a menu of the allowed units.
class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(TComponent* owner);

    const TStringList& Units() const { return units_; }
    void SetUnits(const TStringList* units);
    const std::string& UnitID() const { return unitID_; }
    void SetUnitID(const std::string& unit);
    int UnitSpace() const { return UnitSpaceWidth(); }
    void SetUnitSpace(int width) { SetUnitSpaceWidth(width); }
    // The text followed directly by the unit. Writing it splits off the first unit of the
    // list that the text ends with, and holds nowhere earlier; without one nothing changes.
    std::string TextAndUnit() const { return Text() + unitID_; }
    void SetTextAndUnit(const std::string& value);

    // Raises OnClickBtn with the edit as Sender, then opens the unit menu.
    void ButtonClick(TObject* Sender) override;
    void WndProc(TMessage& message) override;

    TUnitChangeEvent OnUnitChanged;

protected:
    void WMPaint(TMessage& message) override;

private:
    void UnitPicked(int id);

    TStringList units_;
    std::string unitID_;
};

// The notification code of an edit whose text changed; a command with it is no menu pick.
constexpr Word EN_CHANGE = 0x300;
