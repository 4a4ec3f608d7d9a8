#pragma once
#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/DropDownStyles.h"
#include "grid/dropdown/DropDownTypes.h"
#include "grid/dropdown/TextCompletion.h"
#include "grid/dropdown/TypedInput.h"
#include "grid/foundation/editors/LabelPlacement.h"
#include "grid/foundation/painting/OfficeTheme.h"
#include "platform/ui/MaskEdit.h"

class TCustomImageList;
class TDropDownEditButton;
class TDropDownForm;
class TExtButtonAppearance;
class THeaderAppearance;
class TFooterAppearance;

// The base of every drop-down editor: a one-line edit with a drop-down button at its right
// edge. The button, Alt+Down, F4 or a click on a pick-only edit opens a popup below or above
// the edit that shows the control a descendant chooses, between an optional header and
// footer bar. A descendant writes the picked value when the popup closes; a cancelled close
// restores the value last given to SetText. The edit is also a typed input field (Input()).
//
// The popup never takes the keyboard: the edit keeps the focus and hands the keys that the
// popup's control wants (ControlTakesKey) on to it.
class TExtCustomDropDown : public TCustomMaskEdit, public TAttachedLabelProperties, public ISuiteStyle, public ISuiteTones {
public:
    explicit TExtCustomDropDown(TComponent* owner);
    ~TExtCustomDropDown() override;

    // The popup.
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    TColor DropDownColor() const { return FPopupColors.Color; }
    void SetDropDownColor(TColor Value) { FPopupColors.Color = Value; }
    TColor DropDownColorTo() const { return FPopupColors.ColorTo; }
    void SetDropDownColorTo(TColor Value) { FPopupColors.ColorTo = Value; }
    TColor DropDownBorderColor() const { return FPopupColors.BorderColor; }
    void SetDropDownBorderColor(TColor Value) { FPopupColors.BorderColor = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    const std::string& DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const std::string& Value);
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    TExtButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    TDropDownEditButton* Button() const { return FButton; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    // For the bars and the descendants' items; not owned.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool DroppedDown() const { return FDroppedDown; }

    // The edit.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool Value) { FFocusDraw = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    void SetLabelAlwaysEnabled(bool Value);
    // The caption label, or nullptr before the first caption.
    TLabel* EditLabel() const { return label_.Label(); }

    // Colours of a selected item in list-like popups.
    TColor SelectionColor() const { return FSelection.Color; }
    void SetSelectionColor(TColor Value) { FSelection.Color = Value; }
    TColor SelectionColorTo() const { return FSelection.ColorTo; }
    void SetSelectionColorTo(TColor Value) { FSelection.ColorTo = Value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }

    // Typed input: the input type and its settings. Change the type through SetInputType
    // and the decimals through SetPrecision, which re-check the value.
    const TTypedInput& Input() const { return FInput; }
    TTypedInput& InputSettings() { return FInput; }
    void SetInputType(TDropDownEditType Type);
    int Precision() const { return FInput.Precision; }
    void SetPrecision(int Value);

    // The value: the shown text without the leading and trailing text.
    std::string Text() const override;
    void SetText(const std::string& Value) override;
    // Shows Text exactly, without normalising or touching the value SetText stored.
    void SetEditText(const std::string& Value);
    void SetFloatValue(double Value);
    void SetIntValue(int Value);
    double GetFloatValue() const;
    void SetValueModified(bool Value);
    bool GetValueModified() const { return FIsModified; }
    void SelectAll();
    void SelectAfterDecimal();
    void SelectBeforeDecimal();
    TRect GetEditRectangle() const { return FEditRect; }

    void ShowDropDown() { DoDropDown(); }
    void HideDropDown(bool Cancelled) { DoDropUp(Cancelled); }

    TSuiteStyle GetComponentStyle() const { return FSuiteStyle; }
    void SetComponentStyle(TSuiteStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    virtual void SetSelectionColorStyle(TSelectionColorStyle Style);
    virtual void DrawSelection(TCanvas* Canvas, const TRect& R, int Part, TColor Color);
    virtual void PaintGradient(TCanvas* Canvas, TColor Color, TGradientDirection Direction, const TRect& R, int Steps,
                               TColor ColorTo);

    static constexpr unsigned VersionNr = 0x01020004;
    static std::string Version();

    void Assign(const TPersistent& Source) override;
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnBeforeDropDown;
    TDropDownEvent OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUpEvent OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TDropDownClipboardEvent OnClipboardCopy;
    TDropDownClipboardEvent OnClipboardCut;
    TDropDownClipboardEvent OnClipboardPaste;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    // The popup, made on first use: descendants add their control after the base's work.
    virtual void CreateDropDownForm();
    TDropDownForm* EnsureDropDownForm();
    virtual void BeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height) {}
    virtual void DoDropDown();
    virtual void DoDropUp(bool Cancelled);
    virtual void AfterDropUp();
    virtual void PlaceControl();
    virtual void UpdateDropDownSize();
    virtual void SelectNextValue() {}
    virtual void SelectPreviousValue() {}
    virtual void DropDownSizing() {}
    // Whether the open popup's control takes this key or character instead of the edit.
    virtual bool ControlTakesKey(Word Key, TShiftState Shift) const { return false; }
    virtual bool ControlTakesChar(char32_t Ch, TShiftState Shift) const { return false; }
    virtual void ResizeControl();
    virtual void SetEditRect();
    virtual void DrawFocus();
    void SetDropDownControl(TControl* Control);
    // The value shown now becomes the one a cancelled close restores.
    void RememberValue() { FOldText = Text(); }
    // Shows a value as SetText would, leaving the value a cancelled close restores.
    void ShowValue(const std::string& Value) { TCustomMaskEdit::SetText(FInput.Shown(FInput.NormalizedValue(Value))); }
    TControl* DropDownControl() const { return FControl; }
    int GetMinHeight() const;
    // The 250 ms guard: the press that closed the popup by leaving it does not reopen it.
    void ToggleFromButton();

    void KeyDown(Word& key, TShiftState shift) override;
    // Enter over the closed list of a lookup drop-down: the item whose lookup text the edit
    // holds is picked through Pick; with ReturnIsTab the key goes on as Tab, and true says so.
    bool ReturnPicksTypedItem(Word& Key, const TStringList& LookupItems, const std::function<void(int)>& Pick);
    // The caret of a typed edit is in place before the change handlers run.
    void Change() override;
    void WMChar(TMessage& message) override;
    void WMGetDlgCode(TMessage& message) override;
    void WMPaint(TMessage& message) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void CMEnabledChanged(TMessage& message) override;
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void Click() override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

    // Completes the typed part before the caret from the first candidate that begins with it
    // and selects the completed rest; the index of that candidate (-1: none) and the typed
    // length come back. Completing is off while it writes, so that its own change does not
    // complete again.
    TTextCompletion CompleteTyped(const std::vector<std::string>& Candidates, bool MatchCase, bool& Completing);

    // The whole shown text, leading and trailing text included, with its selection.
    TEditState EditState() const;
    void ApplyEditState(const TEditState& State);
    std::string ShownText() const { return TCustomMaskEdit::Text(); }

private:
    friend class TDropDownForm;
    void PopupClosed(bool Cancelled);
    void PrepareAgainWhenOpen();
    bool HandleClipboard(const TMessage& m);
    void ForwardToControl(const TMessage& m);
    void PickOnlyKeyDown(Word& key, TShiftState shift);
    void CloseKeys(Word key);
    void RefreshFrame();
    void DrawBorder();
    bool Hot() const;

    TTypedInput FInput;
    TDropDownPopupColors FPopupColors{clWhite, clNone, clBlack};
    TGradientDirection FDropDownGradient = gdHorizontal;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    int FDropDownBorderWidth = 1;
    bool FDropDownShadow = true;
    bool FDropDownSizeable = true;
    TDropPosition FDropPosition = dpAuto;
    int FButtonWidth = 17;
    std::string FButtonHint;
    bool FDropDownEnabled = false;
    bool FEditorEnabled = true;
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    bool FFocusDraw = true;
    bool FFlat = false;
    bool FReturnIsTab = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FMouseInControl = false;
    bool FButtonDown = false;
    bool FIsModified = false;
    bool FDroppedDown = false;
    bool FClosingByEdit = false;
    bool FClosingCancelled = false;
    Word FLastKeyDown = 0;
    const TEditState* FApplying = nullptr; // the edit being applied, while its text is set
    TSelectionColors FSelection{0xD7FFFD, 0x58D4FC};
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TSuiteStyle FSuiteStyle = tsOffice2007Luna;
    TRect FEditRect;
    std::string FOldText;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    std::unique_ptr<TExtButtonAppearance> FButtonAppearance;
    TDropDownEditButton* FButton = nullptr;
    TDropDownForm* FDropDownForm = nullptr;
    TControl* FControl = nullptr;
    TCustomImageList* FImages = nullptr;
};
