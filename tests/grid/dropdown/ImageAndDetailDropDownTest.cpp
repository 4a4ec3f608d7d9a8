#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "grid/control/settings/BarAppearance.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtDetailDropDown.h"
#include "grid/dropdown/ExtImagePickerDropDown.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Input.h"

namespace {
template <class T> class THost : public TForm {
public:
    explicit THost(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 320, 300);
        Edit = new T(this);
        Edit->SetParent(this);
        Edit->SetBounds(10, 10, 150, 21);
        Show();
        Edit->SetFocus();
    }
    T* Edit;
};
} // namespace

TEST(ImagePickerDropDown, ImageIndexAndKeys)
{
    THost<TExtImagePickerDropDown> Host(nullptr);
    TExtImagePickerDropDown& Picker = *Host.Edit;
    TCustomImageList Images(nullptr);
    for (int I = 0; I < 5; ++I)
        Images.Add(TBitmap(16, 16));
    Picker.SetImages(&Images);
    Picker.AddImagesFromImageList();
    ASSERT_EQ(Picker.Items()->Count(), 5);
    int Changes = 0;
    Picker.OnSelect = [&](TObject*) { ++Changes; };
    Picker.SetImageIndex(3);
    EXPECT_EQ(Picker.ItemIndex(), 3);
    EXPECT_EQ(Picker.ImageIndex(), 3);
    Picker.SetImageIndex(9);
    EXPECT_EQ(Picker.ItemIndex(), -1);
    EXPECT_EQ(Changes, 2);
    Picker.SetImageIndex(9);
    EXPECT_EQ(Changes, 2) << "an unchanged result fires nothing";

    Picker.SetItemIndex(1);
    Picker.ShowDropDown();
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    EXPECT_EQ(Picker.ItemIndex(), 3);
    SendKey(VK_ESCAPE);
    EXPECT_EQ(Picker.ItemIndex(), 1);
}

TEST(ImagePickerDropDown, FolderEntriesForFilesThatAreNoPictures)
{
    THost<TExtImagePickerDropDown> Host(nullptr);
    const std::string Folder = testing::TempDir() + "image_picker_folder";
    std::filesystem::create_directories(Folder);
    { std::ofstream(Folder + "/not_a_picture.bmp") << "text"; }
    Host.Edit->AddImagesFromFolder(Folder + "/*.bmp", true);
    ASSERT_EQ(Host.Edit->Items()->Count(), 1);
    EXPECT_EQ(Host.Edit->Items()->Items(0)->Caption, "");
    std::filesystem::remove_all(Folder);
}

namespace {
void AddFruit(TExtDetailDropDown& Edit)
{
    for (const char* Caption : {"Apple", "Apricot", "Banana"})
        Edit.Items()->Add()->Caption = Caption;
}
} // namespace

TEST(DetailDropDown, TypingCompletesToACaption)
{
    THost<TExtDetailDropDown> Host(nullptr);
    TExtDetailDropDown& Edit = *Host.Edit;
    AddFruit(Edit);
    int Selected = 0;
    Edit.OnSelect = [&](TObject*) { ++Selected; };
    SendText("ap");
    EXPECT_EQ(Edit.Text(), "apple");
    EXPECT_EQ(Edit.SelStart(), 2);
    EXPECT_EQ(Edit.SelLength(), 3);
    EXPECT_EQ(Edit.ItemIndex(), 0);
    EXPECT_EQ(Selected, 0);
    SendText("r");
    EXPECT_EQ(Edit.Text(), "apricot");
    SendKey(VK_BACK);
    EXPECT_EQ(Edit.Text(), "apr");
    Edit.SetText("");
    SendText("x");
    EXPECT_EQ(Edit.Text(), "x");
}

TEST(DetailDropDown, EnterTakesAnExactCaption)
{
    THost<TExtDetailDropDown> Host(nullptr);
    TExtDetailDropDown& Edit = *Host.Edit;
    AddFruit(Edit);
    int Selected = 0;
    Edit.OnSelect = [&](TObject*) { ++Selected; };
    Edit.SetText("banana");
    SendKey(VK_RETURN);
    EXPECT_EQ(Edit.ItemIndex(), -1) << "captions compare with case";
    Edit.SetText("Banana");
    SendKey(VK_RETURN);
    EXPECT_EQ(Edit.ItemIndex(), 2);
    EXPECT_EQ(Selected, 1);
    Edit.SetItemIndex(5);
    EXPECT_EQ(Edit.ItemIndex(), 2);
    Edit.SetItemIndex(-1);
    EXPECT_EQ(Edit.Text(), "");
}

TEST(DetailDropDown, PopupSizeAndEscape)
{
    THost<TExtDetailDropDown> Host(nullptr);
    TExtDetailDropDown& Edit = *Host.Edit;
    AddFruit(Edit);
    Edit.DropDownHeader()->SetVisible(false);
    Edit.DropDownFooter()->SetVisible(false);
    Edit.SetItemIndex(0);
    Edit.ShowDropDown();
    EXPECT_EQ(Edit.DropDownForm()->Width(), 150);
    EXPECT_EQ(Edit.DropDownForm()->Height(), 100 + 2);
    EXPECT_EQ(Edit.ItemSelector()->Items()->Items(0)->Bounds.Height(), 22);
    EXPECT_GT(Edit.ItemSelector()->Items()->Items(0)->Bounds.Width(), 100) << "the first opening's entries span the list";
    SendKey(VK_DOWN);
    EXPECT_EQ(Edit.ItemIndex(), 1);
    SendKey(VK_ESCAPE);
    EXPECT_EQ(Edit.ItemIndex(), 0);
}
