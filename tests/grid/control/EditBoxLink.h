#pragma once
#include "grid/control/EditLink.h"
#include "platform/ui/StdCtrls.h"

// A custom editor that wraps a plain edit box and hands its keys to the link.
class TEditBoxLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return FEdit; }
    void CreateEditor(TWinControl* AParent) override
    {
        ++created;
        if (!FEdit) {
            FEdit = new TEdit(this);
            FEdit->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) {
                EditKeyDown(Sender, Key, Shift);
            };
        }
        FEdit->SetParent(AParent);
    }
    void DestroyEditor() override { ++destroyed; }
    std::string GetEditorValue() override { return FEdit->Text(); }
    void SetEditorValue(const std::string& s) override { FEdit->SetText(s); }
    TEdit* Edit() const { return FEdit; }

    int created = 0;
    int destroyed = 0;

private:
    TEdit* FEdit = nullptr;
};
