#pragma once
#include <memory>
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

// The standard controls: label, edit, check box, combo box, list box and push button.

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return ControlStyle().Contains(csParentBackground); }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    // The control that an accelerator of the caption focuses.
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control) { focusControl_ = control; }
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void Loaded() override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void AdjustBounds();

private:
    unsigned TextFlags() const;
    void DrawCaption(TRect& rect, unsigned flags);

    bool autoSize_ = true;
    bool wordWrap_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};

// An edit box of one line.
class TEditWindow;

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    std::string Text() const override;
    void SetText(const std::string& text) override;
    int MaxLength() const;
    void SetMaxLength(int length);  // 0: no limit of our own
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    // Only digits can be typed (pasted text is not checked, as in Windows).
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool numbersOnly) { numbersOnly_ = numbersOnly; }
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t ch);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    bool Modified() const;
    void SetModified(bool modified);

    // Selection in characters, from 0.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::string SelText() const;
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection();
    // The position of the character nearest to a client point, for a caret put there.
    int CharAtPoint(TPoint clientPoint) const;
    // Where the character at an index starts, in client coordinates.
    TPoint PosFromChar(int index) const;
    void Clear() { SetText(""); }
    void CutToClipboard() { Perform(WM_CUT); }
    void CopyToClipboard() { Perform(WM_COPY); }
    void PasteFromClipboard() { Perform(WM_PASTE); }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void DoEnter() override;
    void CMColorChanged(TMessage& message) override;
    // A multi-line window keeps line breaks (CR LF, typed as Ctrl+Enter) and may wrap
    // words; switching re-creates the window with the same text and selection.
    bool MultiLine() const;
    bool WordWrap() const { return MultiLine() && wordWrap_; }
    void SetMultiLine(bool multiLine, bool wordWrap);
    void SetWindowScrollBars(bool horizontal, bool vertical);
    // Where the text sits in the client area: `origin` is the formatting rectangle's top left
    // ((0, 0): where the platform puts it), its Y also the bottom margin of bottom-aligned
    // text; the alignments place the lines across and the whole text up and down. Lines that
    // are neither wrapped nor single keep to the left.
    void SetTextPlacement(TPoint origin, TAlignment horizontal, TTextLayout vertical);

private:
    bool WindowDefault(TMessage& message);
    std::function<void()> EditedHandler();
    void ApplyBaseColor();
    void ApplyTextPlacement();

    std::unique_ptr<TEditWindow> window_;
    bool wordWrap_ = false;
    TPoint textOrigin_{0, 0};
    TAlignment textAlignment_ = taLeftJustify;
    TTextLayout textLayout_ = tlTop;

    bool numbersOnly_ = false;
    char32_t passwordChar_ = 0;
    bool autoSelect_ = true;
    TFormBorderStyle borderStyle_ = bsSingle;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// An edit of several lines. Enter breaks the line when WantReturns is set (as it is at
// first); the text reads with CR LF between the lines.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);

    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool want) { wantReturns_ = want; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);

protected:
    void WMChar(TMessage& message) override;
    void WMGetDlgCode(TMessage& message) override;

private:
    bool wantReturns_ = true;
    TScrollStyle scrollBars_ = ssNone;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. OnClick fires whenever its state changes, also when the program sets it.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const;
    void SetAllowGrayed(bool allow);
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight alignment);
    void SetText(const std::string& text) override;

protected:
    void CMDialogChar(TMessage& message) override;

private:
    TLeftRight alignment_ = taRightJustify;
};

struct TItemBackend;

// The items of a combo box or list box, kept in the control's window.
class TItemStrings {
public:
    explicit TItemStrings(std::unique_ptr<TItemBackend> backend);
    ~TItemStrings();

    int Count() const;
    std::string Strings(int index) const;
    std::string operator[](int index) const { return Strings(index); }
    void Put(int index, const std::string& s);
    int Add(const std::string& s);  // the index it went to
    void Insert(int index, const std::string& s);
    void Delete(int index);
    void Clear();
    int IndexOf(const std::string& s) const;  // letter case ignored
    void Assign(const TStringList& list);
    void AddStrings(const TStringList& list);
    std::string Text() const;
    void SetText(const std::string& text);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

private:
    std::unique_ptr<TItemBackend> backend_;
    bool sorted_ = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TItemStrings* Items() const { return items_.get(); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const;
    void SetDropDownCount(int count);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool sorted) { items_->SetSorted(sorted); }
    bool DroppedDown() const;
    void SetDroppedDown(bool down);

    // OnChange fires when the user edits the text or picks an item (picking also fires
    // OnClick and OnSelect; with OnSelect set, a pick fires OnSelect instead of OnChange).
    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;

protected:
    virtual void Change();
    virtual void Select();

private:
    std::unique_ptr<TItemStrings> items_;
    TComboBoxStyle style_ = csDropDown;
};

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    TItemStrings* Items() const { return items_.get(); }
    int Count() const { return items_->Count(); }
    // The selected item, -1 when none; the user's choice is settled by the time OnClick runs.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Where the item is drawn, in client pixels; empty for an index out of range.
    TRect ItemRect(int index) const;
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool sorted) { items_->SetSorted(sorted); }
    int TopIndex() const;
    void SetTopIndex(int index);

private:
    std::unique_ptr<TItemStrings> items_;
    bool settingIndex_ = false;
};

// A list box whose items carry check boxes. OnClickCheck follows a check the user changed,
// never one set through SetChecked.
class TCheckListBox : public TListBox {
public:
    explicit TCheckListBox(TComponent* owner);

    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    TNotifyEvent OnClickCheck;

private:
    bool settingCheck_ = false;
};

// A push button. Its ModalResult closes a modal form; Default takes Enter and Cancel
// takes Escape for the whole form.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    void SetText(const std::string& text) override;
    void Click() override;

protected:
    void CMDialogKey(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;  // Enter presses this button
    TModalResult modalResult_ = mrNone;
};

enum TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar control over Min..Max, whose thumb covers PageSize positions. Like its
// window's own bars it never moves by itself: a user's action sends WM_VSCROLL (or
// WM_HSCROLL) with the scroll code and the position to the parent, with the bar itself in
// LParam, and the parent sets the position.
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int Position() const;
    // Kept within Min and the last position the page allows.
    void SetPosition(int value);

private:
    void ApplyRange();

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int pageSize_ = 0;
};
