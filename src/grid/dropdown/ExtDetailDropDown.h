#pragma once
#include <memory>
#include <string>

#include "grid/dropdown/ExtSelectorDropDown.h"

class TDetailItem : public TCollectionItem {
public:
    explicit TDetailItem(TCollection* Collection);
    ~TDetailItem() override;
    std::string Caption;
    int ImageIndex = -1;
    TPicture* Image() const { return FImage.get(); }
    std::string Notes; // mini-HTML
    int Tag = 0;
    TObject* ItemObject = nullptr; // not owned
    // Not the notes.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TPicture> FImage;
};

class TDetailItems : public TTypedCollection<TDetailItem> {
public:
    // The first entry whose caption is exactly AValue, or -1.
    int IndexOf(const std::string& AValue) const;
};

// A drop-down for picking one entry of a list shown in detail (image, caption and notes
// below it). The value is typed text: typing completes to the first matching caption.
class TExtDetailDropDown : public TExtSelectorDropDown {
public:
    explicit TExtDetailDropDown(TComponent* owner);
    ~TExtDetailDropDown() override;

    TDetailItems* Items() const { return FItems.get(); }
    void SetItemIndex(int Value) override;
    int ItemHeight = 22;
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    TFont* NotesFont() const { return FNotesFont.get(); }
    bool MatchCase = false;

    TNotifyEvent OnSelect;
    TDrawSelectedEvent OnDrawSelectedImage;

protected:
    int ItemCount() const override { return FItems->Count(); }
    void FillSelectorItems(TSelectorItems& Items) const override;
    void ItemSelected() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    void DropDownSizing() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void Change() override;

private:
    void DrawDetailItem(TCanvas* Canvas, TRect R, int Index);
    void SelectCaption(int Index);

    std::unique_ptr<TDetailItems> FItems;
    std::unique_ptr<TFont> FCaptionFont;
    std::unique_ptr<TFont> FNotesFont;
    bool FWorkMode = true;
    bool FItemChange = false;
};
