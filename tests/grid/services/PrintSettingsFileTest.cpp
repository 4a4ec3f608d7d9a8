#include <gtest/gtest.h>

#include <string>

#include "../control/GridOnForm.h"
#include "grid/control/settings/PrintSettings.h"
#include "platform/os/FileSystem.h"
#include "platform/os/IniFiles.h"
#include "platform/rtl/Classes.h"
#include "support/TestFiles.h"

namespace {

class PrintSettingsFileTest : public GridOnForm {
protected:
    TPrintSettings& Settings() { return *grid->PrintSettings(); }
    TempDir dir;
    const std::string file = dir.File("print.ini");
};

TEST_F(PrintSettingsFileTest, EveryKeyIsWrittenInItsOrderAndReadBack)
{
    TPrintSettings& p = Settings();
    p.ColumnSpacing = 5;
    p.RowSpacing = 6;
    p.TitleSpacing = 7;
    p.FixedHeight = 8;
    p.FixedWidth = 9;
    p.Centered = false;
    p.UseFixedWidth = true;
    p.Borders = pbAroundVertical;
    p.BorderColor = clRed;
    p.BorderStyle = psDashDot;
    p.Date = ppTopLeft;
    p.PageNr = ppBottomCenter;
    p.Title = ppTopCenter;
    p.Time = ppBottomRight;
    p.DateFormat = "yyyy-mm-dd";
    p.TitleText = "Rules";
    p.FooterSize = 150;
    p.HeaderSize = 160;
    p.LeftSize = 170;
    p.RightSize = 180;
    p.FitToPage = fpShrink;
    p.Font()->SetName("Courier New");
    p.Font()->SetSize(12);
    p.Font()->SetStyle({fsBold, fsUnderline});
    p.Font()->SetColor(clBlue);
    p.HeaderFont()->SetName("Arial");
    p.HeaderFont()->SetSize(14);
    p.HeaderFont()->SetStyle({fsItalic});
    p.HeaderFont()->SetColor(static_cast<TColor>(0xFF000008));
    p.FooterFont()->SetName("Arial");
    p.FooterFont()->SetSize(8);
    p.FooterFont()->SetStyle({fsStrikeOut});
    p.FooterFont()->SetColor(clBlack);
    p.PageNumSep = "of";
    p.PageSuffix = "]";
    p.PagePrefix = "[";
    p.Orientation = poLandscape;
    p.TitleLines()->SetText("line1\r\nline2\r\n");
    p.PrintGraphics = true;
    grid->SavePrintSettings(file, "Print");
    EXPECT_EQ(ReadTestFile(file),
              ReadTestFile(std::string(TEST_DATA_DIR) + "/services/golden/settings/print_settings.ini"));

    auto* other = new TExtStringGrid(&form);
    other->LoadPrintSettings(file, "Print");
    other->SavePrintSettings(dir.File("again.ini"), "Print");
    EXPECT_EQ(ReadTestFile(dir.File("again.ini")), ReadTestFile(file));
    EXPECT_EQ(other->PrintSettings()->TitleLines()->Items(), (std::vector<std::string>{"line1", "line2"}));
    EXPECT_EQ(other->PrintSettings()->BorderStyle, psDashDot);
}

TEST_F(PrintSettingsFileTest, AnEmptySectionLoadsTheDefaultsAndWritesTheFile)
{
    Settings().TitleLines()->SetText("old\r\n");
    Settings().Font()->SetStyle({fsBold});
    Settings().Borders = pbDouble;
    grid->LoadPrintSettings(file, "Empty");
    const TPrintSettings& p = Settings();
    EXPECT_EQ((std::vector<int>{p.ColumnSpacing, p.RowSpacing, p.TitleSpacing}), (std::vector<int>{20, 20, 20}));
    EXPECT_EQ((std::vector<int>{p.FooterSize, p.HeaderSize, p.LeftSize, p.RightSize}),
              (std::vector<int>{100, 100, 100, 100}));
    EXPECT_TRUE(p.Centered);
    EXPECT_FALSE(p.UseDisplayFont);
    EXPECT_EQ(p.Borders, pbNoborder);
    EXPECT_EQ(p.PageNumSep, "");
    for (const TFont* font : {p.Font(), p.HeaderFont(), p.FooterFont()}) {
        EXPECT_EQ(font->Name(), "Arial");
        EXPECT_EQ(font->Size(), 10);
        EXPECT_EQ(font->Style(), TFontStyles{}) << "the saved style exactly, not added to the old one";
        EXPECT_EQ(font->Color(), clBlack);
    }
    EXPECT_EQ(p.TitleLines()->Count(), 0);
    EXPECT_TRUE(FileExists(file));
}

TEST_F(PrintSettingsFileTest, OutOfRangeNumbersFallBackOrKeepTheSetting)
{
    const struct {
        const char* key;
        const char* value;
    } lines[] = {{"Borders", "9"}, {"BorderStyle", "7"}, {"FitToPage", "-1"}, {"Orientation", "2"},
                 {"Date", "7"},    {"Time", "abc"},     {"Centered", "y"},   {"FontStyle", "5"}};
    TIniFile ini(file);
    for (const auto& line : lines)
        ini.WriteString("P", line.key, line.value);
    Settings().Borders = pbDouble;
    Settings().BorderStyle = psDot;
    Settings().FitToPage = fpAlways;
    Settings().Orientation = poLandscape;
    Settings().Date = ppTopLeft;
    Settings().Time = ppTopLeft;
    grid->LoadPrintSettings(file, "P");
    const TPrintSettings& p = Settings();
    EXPECT_EQ(p.Borders, pbDouble);
    EXPECT_EQ(p.BorderStyle, psDot);
    EXPECT_EQ(p.FitToPage, fpAlways);
    EXPECT_EQ(p.Orientation, poLandscape);
    EXPECT_EQ(p.Date, ppNone);
    EXPECT_EQ(p.Time, ppNone);
    EXPECT_FALSE(p.Centered);
    EXPECT_EQ(p.Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
}

TEST_F(PrintSettingsFileTest, EveryBorderStyleLoadsBack)
{
    for (int style = psSolid; style <= psInsideFrame; ++style) {
        Settings().BorderStyle = static_cast<TPenStyle>(style);
        grid->SavePrintSettings(file, "S");
        Settings().BorderStyle = style == psSolid ? psDot : psSolid;
        grid->LoadPrintSettings(file, "S");
        EXPECT_EQ(Settings().BorderStyle, style);
    }
}

} // namespace
