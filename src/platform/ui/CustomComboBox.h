#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/DateUtils.h"
#include "platform/ui/StdCtrls.h"

// The full combo box: owner-drawn items, letter case and length of the typed text, the
// typing completion of the desktop's combo boxes, the width of the opened list and the
// notifications of the list opening and closing.

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

enum TOwnerDrawStateFlag {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

// Notification codes of a combo box (HIWORD of WParam of CN_COMMAND).
constexpr Word CBN_SELCHANGE = 1;
constexpr Word CBN_EDITCHANGE = 5;
constexpr Word CBN_DROPDOWN = 7;
constexpr Word CBN_CLOSEUP = 8;
// The width of the opened list: WParam sets it in pixels; it is never narrower than the box.
constexpr UINT CB_GETDROPPEDWIDTH = 0x015F;
constexpr UINT CB_SETDROPPEDWIDTH = 0x0160;

struct TComboListWatch;
class TSimpleComboList;

class TCustomComboBox : public TComboBox {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    // The owner-drawn styles show a list to pick from, as csDropDownList does; csSimple shows
    // its list under the edit all the time, in the control's own height.
    void SetStyle(TComboBoxStyle style);
    bool IsOwnerDrawn() const { return Style() == csOwnerDrawFixed || Style() == csOwnerDrawVariable; }
    bool IsEditable() const { return Style() == csDropDown || Style() == csSimple; }

    // Typing picks the first item that starts with what was typed; in an editable box the
    // rest of the item is put in selected. In a list box the typed letters gather for
    // half a second.
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool on) { autoComplete_ = on; }
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase charCase);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length); // 0: no limit
    // The height of an owner-drawn item (csOwnerDrawFixed; csOwnerDrawVariable asks OnMeasureItem).
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    // Selection in the edit part, in characters.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    void SelectAll();
    // The character position in the edit part nearest to a client point.
    int CharAtPoint(TPoint clientPoint) const;

    // The canvas that owner drawing paints an item on.
    TCanvas* Canvas() const;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // Platform use: an item painted by owner drawing, into an image of the item's size.
    void PaintItem(int index, TBitmap& target, TOwnerDrawState state);
    int MeasuredItemHeight(int index);

protected:
    virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);
    virtual void DropDown();
    virtual void CloseUp();
    void KeyPress(char32_t& key) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void WMPaint(TMessage& message) override;
    void CMColorChanged(TMessage& message) override;
    // The list's notifications arrive here; the opening and closing ones call DropDown
    // and CloseUp.
    virtual void CNCommand(TMessage& message);

private:
    bool CompleteTo(const std::string& typed);
    char32_t FoldCase(char32_t key) const;
    void PaintOwnerDrawnEdit();

    bool autoComplete_ = true;
    TEditCharCase charCase_ = ecNormal;
    int maxLength_ = 0;
    int itemHeight_ = 16;
    int droppedWidth_ = 0;
    std::string filter_;                  // letters typed into a list box
    TDateTime lastTyped_ = 0;             // when the last of them came
    std::unique_ptr<TBitmap> itemBitmap_; // the canvas outside owner drawing, for measuring
    TCanvas* paintCanvas_ = nullptr;      // the item being painted
    std::unique_ptr<TComboListWatch> listWatch_;
    std::unique_ptr<TSimpleComboList> simpleList_; // csSimple only
};
