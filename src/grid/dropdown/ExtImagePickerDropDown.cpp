#include "grid/dropdown/ExtImagePickerDropDown.h"

#include "grid/control/settings/BarAppearance.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/WindowCanvas.h"

TImageItem::TImageItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TImageItem::~TImageItem() = default;

void TImageItem::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TImageItem*>(&Source);
    if (!Other) return;
    Caption = Other->Caption;
    ImageIndex = Other->ImageIndex;
    FImage->Assign(*Other->FImage);
    Hint = Other->Hint;
}

TExtImagePickerDropDown::TExtImagePickerDropDown(TComponent* owner)
    : TExtSelectorDropDown(owner), FItems(std::make_unique<TImageItems>())
{
    SetEditorEnabled(false);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
}

TExtImagePickerDropDown::~TExtImagePickerDropDown() = default;

void TExtImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value >= FItems->Count()) return;
    FItemIndex = Value;
    Invalidate();
    if (OnChange) OnChange(this);
    if (OnSelect) OnSelect(this);
}

int TExtImagePickerDropDown::ImageIndex() const { return FItemIndex < 0 ? -1 : FItems->Items(FItemIndex)->ImageIndex; }

void TExtImagePickerDropDown::SetImageIndex(int Value)
{
    for (int I = 0; I < FItems->Count(); ++I)
        if (FItems->Items(I)->ImageIndex == Value) {
            SetItemIndex(I);
            return;
        }
    SetItemIndex(-1);
}

void TExtImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images()) return;
    for (int I = 0; I < Images()->Count(); ++I)
        FItems->Add()->ImageIndex = I;
}

void TExtImagePickerDropDown::AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption)
{
    const size_t Slash = AFolder.find_last_of('/');
    const std::string Folder = Slash == std::string::npos ? std::string() : AFolder.substr(0, Slash + 1);
    const std::string Mask = Slash == std::string::npos ? AFolder : AFolder.substr(Slash + 1);
    for (const TSearchRec& Entry : FindFiles(Folder.empty() ? "." : Folder, Mask)) {
        TImageItem* Item = FItems->Add();
        try {
            Item->Image()->LoadFromFile(Folder + Entry.Name);
            if (SetImageCaption) Item->Caption = Entry.Name;
        } catch (const Exception&) {
            // Not a picture: the entry stays, empty.
        }
    }
}

void TExtImagePickerDropDown::FillSelectorItems(TSelectorItems& Items) const
{
    for (int I = 0; I < FItems->Count(); ++I) {
        const TImageItem& Image = *FItems->Items(I);
        TSelectorItem* Item = Items.Add();
        Item->SetCaption(Image.Caption);
        Item->Image()->Assign(*Image.Image());
        Item->SetImageIndex(Image.ImageIndex);
        Item->Hint = Image.Hint;
    }
}

void TExtImagePickerDropDown::KeyDown(Word& key, TShiftState shift)
{
    const Word Pressed = key;
    bool PickedHot = false;
    if (Enabled() && DroppedDown() && key == VK_RETURN && ItemSelector() && ItemSelector()->ItemHot() >= 0) {
        ItemSelector()->SetItemIndex(ItemSelector()->ItemHot());
        PickedHot = true;
    }
    TExtSelectorDropDown::KeyDown(key, shift);
    if (!Enabled() || shift.Contains(ssAlt)) return;
    if (Pressed == VK_RETURN) {
        if (!PickedHot && OnSelect) OnSelect(this);
        return;
    }
    NavigateKey(Pressed, shift.Contains(ssCtrl), false);
}

void TExtImagePickerDropDown::WMPaint(TMessage& message)
{
    TExtSelectorDropDown::WMPaint(message);
    TWindowCanvas Canvas(this);
    const TRect R = GetEditRectangle();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, &Canvas, R);
        return;
    }
    if (FItemIndex < 0) return;
    const TImageItem& Item = *FItems->Items(FItemIndex);
    const TGraphic* Picture = Item.Image()->Graphic();
    if (Picture && !Picture->Empty()) {
        Canvas.Draw(R.Left + (R.Width() - Picture->Width()) / 2, R.Top + (R.Height() - Picture->Height()) / 2, Picture);
    } else if (Images() && Item.ImageIndex >= 0) {
        Images()->Draw(&Canvas, R.Left + (R.Width() - Images()->Width()) / 2, R.Top + (R.Height() - Images()->Height()) / 2,
                       Item.ImageIndex);
    }
}
