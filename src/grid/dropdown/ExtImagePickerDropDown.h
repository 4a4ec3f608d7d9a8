#pragma once
#include <memory>
#include <string>

#include "grid/dropdown/ExtSelectorDropDown.h"

class TImageItem : public TCollectionItem {
public:
    explicit TImageItem(TCollection* Collection);
    ~TImageItem() override;
    std::string Caption;
    int ImageIndex = -1;
    TPicture* Image() const { return FImage.get(); }
    std::string Hint;
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TPicture> FImage;
};

using TImageItems = TTypedCollection<TImageItem>;

// A drop-down whose value is one image of a list: the edit shows the selected image centred;
// the popup shows the entries in an item selector.
class TExtImagePickerDropDown : public TExtSelectorDropDown {
public:
    explicit TExtImagePickerDropDown(TComponent* owner);
    ~TExtImagePickerDropDown() override;

    TImageItems* Items() const { return FItems.get(); }
    void SetItemIndex(int Value) override;
    // The selected entry's image index; writing selects the first entry with it, or none.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    void AddImagesFromImageList();
    // Entries for the files a path with a mask matches; a file that is no picture gives an
    // entry with an empty picture.
    void AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption);

    TNotifyEvent OnSelect;
    TDrawSelectedEvent OnDrawSelectedImage;

protected:
    int ItemCount() const override { return FItems->Count(); }
    void FillSelectorItems(TSelectorItems& Items) const override;
    void KeyDown(Word& key, TShiftState shift) override;
    void WMPaint(TMessage& message) override;

private:
    std::unique_ptr<TImageItems> FItems;
};
