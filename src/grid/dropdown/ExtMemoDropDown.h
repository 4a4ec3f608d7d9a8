#pragma once
#include "grid/dropdown/ExtDropDown.h"
#include "platform/rtl/Classes.h"
#include "platform/ui/StdCtrls.h"

// A drop-down for text of several lines: the popup holds a memo in which the lines are
// edited; the edit shows the whole text, or (pick-only) the first line with an ellipsis.
// While the memo is open it takes every key but Escape, F4 and those with Alt, which close it.
class TExtMemoDropDown : public TExtCustomDropDown {
public:
    explicit TExtMemoDropDown(TComponent* owner);

    const TStringList& MemoText() const { return FMemoText; }
    void SetMemoText(const TStringList& Value);
    TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }
    TMemo* Memo() const { return FMemo; }

    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoDropUp(bool Cancelled) override;
    void AfterDropUp() override;
    bool ControlTakesKey(Word Key, TShiftState Shift) const override;
    bool ControlTakesChar(char32_t Ch, TShiftState Shift) const override;
    void Change() override;
    void DoEnter() override;

private:
    void UpdateEditFromMemo();

    TStringList FMemoText;
    TMemo* FMemo = nullptr;
    TScrollStyle FMemoScrollBars = ssNone;
    bool FMemoReadOnly = false;
    bool FAutoDrop = false;
    bool FUpdating = false;
};
