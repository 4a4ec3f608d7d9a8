#include <gtest/gtest.h>

#include "grid/dropdown/ColorPanels.h"
#include "grid/dropdown/ExtColorPickerDropDown.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {
class TColorForm : public TForm {
public:
    explicit TColorForm(TComponent* owner) : TForm(owner)
    {
        SetBounds(100, 100, 320, 300);
        Picker = new TExtColorPickerDropDown(this);
        Picker->SetParent(this);
        Picker->SetBounds(10, 10, 150, 21);
        Show();
        Picker->SetFocus();
    }
    TExtColorPickerDropDown* Picker;
};
} // namespace

TEST(ColorPickerDropDown, NamedColoursAndValueTexts)
{
    TColorForm Form(nullptr);
    TExtColorPickerDropDown& Picker = *Form.Picker;
    EXPECT_EQ(Picker.ItemIndex(), -1);
    EXPECT_EQ(Picker.SelectedColor(), clNone);
    Picker.AddDefaultColors();
    ASSERT_EQ(Picker.Colors()->Count(), 16);
    int Selected = 0;
    Picker.OnSelect = [&](TObject*) { ++Selected; };
    Picker.SetSelectedColor(0x008080);
    EXPECT_EQ(Picker.ItemIndex(), 3);
    EXPECT_EQ(Picker.SelectedColorText(), "Olive");
    EXPECT_EQ(Selected, 1);
    // A colour no item has leaves no item selected, and no caption of another colour.
    Picker.SetSelectedColor(0x123456);
    EXPECT_EQ(Picker.ItemIndex(), -1);
    EXPECT_EQ(Picker.SelectedColorText(), "");

    Picker.SetColorSelectionStyle(csDiscrete);
    Picker.SetSelectedColor(0x0000FF);
    const std::pair<TColorValueText, std::string> Texts[] = {
        {cvtRGB, "Red:255,Green:0,Blue:0"}, {cvtHTML, "#FF0000"}, {cvtHex, "0000FF"}, {cvtWebName, "red"}, {cvtNone, ""}};
    for (const auto& [Kind, Text] : Texts) {
        Picker.ColorValueText = Kind;
        EXPECT_EQ(Picker.SelectedColorText(), Text);
    }
    Picker.SetSelectedColor(0x123456);
    Picker.ColorValueText = cvtWebName;
    EXPECT_EQ(Picker.SelectedColorText(), "#563412");
}

TEST(ColorPickerDropDown, ListKeysTypeAheadAndEscape)
{
    TColorForm Form(nullptr);
    TExtColorPickerDropDown& Picker = *Form.Picker;
    Picker.AddDefaultColors();
    Picker.SetItemIndex(2);
    Picker.ShowDropDown();
    ASSERT_TRUE(Picker.DroppedDown());
    SendKey(VK_DOWN);
    SendKey(VK_DOWN);
    EXPECT_TRUE(Picker.DroppedDown()) << "keys move the selection with the popup open";
    EXPECT_EQ(Picker.ItemIndex(), 4);
    SendKey(VK_ESCAPE);
    EXPECT_FALSE(Picker.DroppedDown());
    EXPECT_EQ(Picker.ItemIndex(), 2);

    Picker.ShowDropDown();
    SendKey('R');
    SendKey('E');
    EXPECT_EQ(Picker.ItemIndex(), 9) << "Red";
    SendKey(VK_RETURN);
    EXPECT_FALSE(Picker.DroppedDown());
    EXPECT_EQ(Picker.SelectedColor(), TColor(0x0000FF));
}

TEST(ColorPickerDropDown, CubeAndSpectrumPanelsAreKept)
{
    TColorForm Form(nullptr);
    TExtColorPickerDropDown& Picker = *Form.Picker;
    Picker.SetColorSelectionStyle(csColorCube);
    Picker.ShowDropDown();
    TExtColorCubePanel* Cube = Picker.Cube();
    ASSERT_NE(Cube, nullptr);
    const TPoint White = Cube->Cell(64).Centre;
    SendClick(Cube, White.X, White.Y);
    EXPECT_FALSE(Picker.DroppedDown());
    EXPECT_EQ(Picker.SelectedColor(), clWhite);
    Picker.ShowDropDown();
    SendKey(VK_ESCAPE);
    EXPECT_EQ(Picker.SelectedColor(), clWhite) << "a cancel keeps the cube's colour";
    Picker.SetColorSelectionStyle(csSpectrum);
    Picker.SetColorSelectionStyle(csColorCube);
    EXPECT_EQ(Picker.Cube(), Cube);
    EXPECT_NE(Picker.Spectrum(), nullptr);
}
