#include <gtest/gtest.h>

#include "grid/control/settings/BarAppearance.h"
#include "grid/control/settings/ButtonAppearance.h"
#include "grid/dropdown/DropDownStyles.h"

namespace {
struct Styled {
    TDropDownPopupColors Popup;
    THeaderAppearance Header;
    TFooterAppearance Footer;
    TExtButtonAppearance Buttons;
    void Load(TSuiteStyle Style) { LoadDropDownStyle(Style, Popup, Header, Footer, Buttons); }
};
} // namespace

TEST(DropDownStyles, LoadThePresets)
{
    Styled S;
    S.Load(tsOffice2007Luna);
    EXPECT_EQ(S.Popup.Color, TColor(0xF3E5DA));
    EXPECT_EQ(S.Popup.ColorTo, TColor(0xF0DED0));
    EXPECT_EQ(S.Header.Color, TColor(0xFFEFE3));
    EXPECT_EQ(S.Footer.ColorTo, TColor(0xFFD2AF));
    EXPECT_EQ(S.Footer.Font()->Color(), TColor(0x723708));
    EXPECT_EQ(S.Buttons.ColorTo(), TColor(0xFFDDC4));
    EXPECT_EQ(S.Buttons.BorderColorChecked(), TColor(0x45667B));

    // Office 2003 blue keeps the frame colour Vista set; its footer has its own border.
    S.Load(tsWindowsVista);
    EXPECT_EQ(S.Footer.Color, TColor(0xFFFAF0));
    EXPECT_EQ(S.Header.Color, TColor(0xFFFDF9));
    S.Load(tsOffice2003Blue);
    EXPECT_EQ(S.Popup.BorderColor, TColor(0x979797));
    EXPECT_EQ(S.Header.BorderColor, TColor(0x000000));
    EXPECT_EQ(S.Footer.BorderColor, TColor(0x962D00));

    S.Load(tsOffice2010Black);
    EXPECT_EQ(S.Buttons.BorderColor(), TColor(0xD7D7D6));
    EXPECT_EQ(S.Buttons.ColorHotTo(), clNone);

    // The custom style changes nothing.
    const TColor Before = S.Header.Color;
    S.Load(tsCustom);
    EXPECT_EQ(S.Header.Color, Before);
}

TEST(DropDownStyles, SelectionColours)
{
    const TSelectionColors Hand{0x123456, 0x654321};
    EXPECT_EQ(SelectionColorsOf(scCustom, Hand).Color, TColor(0x123456));
    EXPECT_EQ(SelectionColorsOf(scWindows7, Hand).ColorTo, TColor(0xFCDBC1));
    EXPECT_EQ(SelectionCellColorsOf(scWindowsVista).Mirror, clNone);
    EXPECT_EQ(SelectionCellColorsOf(scOffice2007).MirrorTo, TColor(0x58D4FC));
}
