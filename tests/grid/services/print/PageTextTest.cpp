#include <gtest/gtest.h>

#include "grid/control/settings/PrintSettings.h"
#include "grid/control/GridPrinting.h"
#include "grid/services/print/PageText.h"

namespace {

TEST(PageTextTest, ItemsJoinTheirSlotWithOneBlank)
{
    struct Case {
        TPrintPosition Time, Date, PageNr;
        int Slot;
        std::string Expected;
    };
    const Case cases[] = {
        {ppTopLeft, ppTopLeft, ppNone, ppTopLeft, "11/12/2026 02:05 "},
        {ppTopRight, ppTopRight, ppNone, ppTopRight, " 02:05 11/12/2026"},
        {ppNone, ppNone, ppBottomCenter, ppBottomCenter, "  1/2 "},
        {ppNone, ppBottomLeft, ppBottomLeft, ppBottomLeft, " 1/2  11/12/2026 "},
    };
    for (const Case& c : cases) {
        TPrintSettingsValues settings;
        settings.Time = c.Time;
        settings.Date = c.Date;
        settings.PageNr = c.PageNr;
        const TPageSlots slots = HeaderFooterSlots(settings, {"02:05", "11/12/2026", "1/2", ""});
        EXPECT_EQ(slots[c.Slot - 1], c.Expected) << c.Expected;
        for (int i = 0; i < 6; ++i) {
            if (i != c.Slot - 1) {
                EXPECT_EQ(slots[i], "");
            }
        }
    }
}

TEST(PageTextTest, TitleJoinsItsSlot)
{
    TPrintSettingsValues settings;
    settings.Title = ppTopCenter;
    EXPECT_EQ(HeaderFooterSlots(settings, {"", "", "", "Erste Zeile"})[ppTopCenter - 1], "Erste Zeile");
    settings.PageNr = ppTopCenter;
    EXPECT_EQ(HeaderFooterSlots(settings, {"", "", "3", "Liste"})[ppTopCenter - 1], "  3  Liste");
    settings.TitleText = "Geräte";
    EXPECT_EQ(HeaderFooterSlots(settings, {"", "", "3", "Liste"})[ppTopCenter - 1], "  3  Geräte");
}

TEST(PageTextTest, PageNumbers)
{
    struct Case {
        TPageNumbering Numbering;
        std::string Separator;
        int Offset, TotalOffset;
        std::string Expected;
    };
    const Case cases[] = {
        {{0, 0, 0, 1, 2}, "/", 0, 0, "1/2"},
        {{2, 2, 0, 1, 7}, "/", 0, 0, "3/7"},
        {{0, 0, 0, 1, 1}, "/", 0, 0, "1"},
        {{0, 0, 0, 1, 2}, "", 0, 0, "1"},
        {{1, 1, 0, 1, 2}, " of ", 10, 20, "12 of 22"},
        {{0, 0, 0, 2, 3}, "/", 0, 0, "1-1"},
        {{1, 1, 0, 2, 3}, "/", 0, 0, "2-1"},
        {{2, 0, 1, 2, 3}, "/", 0, 0, "1-2"},
        // Fast printing counts no pages: the number stands alone.
        {{4, 4, 0, 1, kUnknownPageTotal}, "/", 0, 0, "5"},
    };
    for (const Case& c : cases) {
        TPrintSettingsValues settings;
        settings.PageNumSep = c.Separator;
        settings.PageNumberOffset = c.Offset;
        settings.MaxPagesOffset = c.TotalOffset;
        EXPECT_EQ(PageNumberText(settings, c.Numbering), c.Expected);
    }
}

TEST(PageTextTest, FontHeightsInPageUnits)
{
    EXPECT_EQ(MapFontHeight(10, 1.0), -35);   // 35.28 tenths of a millimetre
    EXPECT_EQ(MapFontHeight(72, 1.0), -254);
    EXPECT_EQ(MapFontHeight(36, 0.5), -64);   // 63.5 rounds to the even 64
    EXPECT_EQ(MapFontHeight(0, 1.0), 0);
    EXPECT_EQ(MapFontSize(254), 72);
    EXPECT_EQ(MapFontSize(35), 10);
}

TEST(PageTextTest, JoinWithBlank)
{
    EXPECT_EQ(JoinWithBlank("a", "b"), "a b");
    EXPECT_EQ(JoinWithBlank("", "b"), "b");
    EXPECT_EQ(JoinWithBlank("a", ""), "a");
}

} // namespace
