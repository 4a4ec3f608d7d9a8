#include <gtest/gtest.h>

#include "SettingsCase.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/foundation/dragdrop/DragDropFormats.h"
#include "grid/foundation/model/IntList.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

namespace {

TEST(HTMLSettingsTest, DefaultsAndAssignThatKeepsTheColumnWidths)
{
    THTMLSettings h;
    ExpectCases({
        {"AutoPreview", h.AutoPreview, false},
        {"BorderSize", h.BorderSize, 1},
        {"CellSpacing", h.CellSpacing, 0},
        {"CellPadding", h.CellPadding, 0},
        {"ConvertSpecialChars", h.ConvertSpecialChars, false},
        {"ExportImages", h.ExportImages, true},
        {"NonBreakingText", h.NonBreakingText, false},
        {"SaveColor", h.SaveColor, true},
        {"SaveFonts", h.SaveFonts, true},
        {"Width", h.Width, 100},
        {"XHTML", h.XHTML, false},
        {"ColWidths", h.ColWidths()->Count(), 0},
    });
    EXPECT_TRUE(h.FooterFile.empty() && h.HeaderFile.empty() && h.PrefixTag.empty());
    EXPECT_TRUE(h.SuffixTag.empty() && h.Summary.empty() && h.TableStyle.empty());

    THTMLSettings source;
    source.BorderSize = 0;
    source.ExportImages = false;
    source.PrefixTag = "<p>";
    source.TableStyle = "class=\"t\"";
    source.XHTML = true;
    source.ColWidths()->Add(40);
    h.ColWidths()->Add(10);
    h.ColWidths()->Add(20);
    h.Assign(source);
    ExpectCases({
        {"BorderSize", h.BorderSize, 0},
        {"ExportImages", h.ExportImages, false},
        {"XHTML", h.XHTML, true},
        {"ColWidths kept", h.ColWidths()->Count(), 2},
    });
    EXPECT_EQ(h.PrefixTag, "<p>");
    EXPECT_EQ(h.TableStyle, "class=\"t\"");
    h.Assign(TGrouping());
    EXPECT_TRUE(h.XHTML);
}

TEST(PrintSettingsTest, StartWithTheDocumentedDefaults)
{
    const TPrintSettings p;
    ExpectCases({
        {"Time", p.Time, ppNone},
        {"Date", p.Date, ppNone},
        {"PageNr", p.PageNr, ppNone},
        {"Title", p.Title, ppNone},
        {"Borders", p.Borders, pbSingle},
        {"BorderStyle", p.BorderStyle, psSolid},
        {"BorderColor", p.BorderColor, clBlack},
        {"Centered", p.Centered, true},
        {"RepeatFixedRows", p.RepeatFixedRows, false},
        {"Orientation", p.Orientation, poPortrait},
        {"FitToPage", p.FitToPage, fpNever},
        {"UseDisplayFont", p.UseDisplayFont, true},
        {"UseDefaultOrientation", p.UseDefaultOrientation, false},
        {"PrintGraphics", p.PrintGraphics, false},
        {"FixedCellsAlways", p.FixedCellsAlways, false},
        {"FooterSize", p.FooterSize, 0},
        {"MaxPagesOffset", p.MaxPagesOffset, 0},
        {"TitleLines", p.TitleLines()->Count(), 0},
    });
    EXPECT_EQ(p.DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(p.PageNumSep, "/");
    EXPECT_TRUE(p.TitleText.empty() && p.JobName.empty() && p.PagePrefix.empty());
}

TEST(PrintSettingsTest, AssignCopiesFontsAndTitleLinesByValueAndKeepsFixedCellsAlways)
{
    TPrintSettings source;
    source.Time = ppBottomRight;
    source.DateFormat = "yyyy-mm-dd";
    source.Borders = pbAroundVertical;
    source.BorderStyle = psDot;
    source.Orientation = poLandscape;
    source.FitToPage = fpShrink;
    source.PageNumSep = "";
    source.JobName = "Règles";
    source.UseDefaultOrientation = true;
    source.FixedCellsAlways = true;
    source.HeaderFont()->SetName("Arial");
    source.FooterFont()->SetSize(14);
    source.TitleLines()->Add("Line 1");
    source.TitleLines()->Add("Line 2");

    TPrintSettings copy;
    copy.Assign(source);
    ExpectCases({
        {"Time", copy.Time, ppBottomRight},
        {"Borders", copy.Borders, pbAroundVertical},
        {"BorderStyle", copy.BorderStyle, psDot},
        {"Orientation", copy.Orientation, poLandscape},
        {"FitToPage", copy.FitToPage, fpShrink},
        {"UseDefaultOrientation", copy.UseDefaultOrientation, true},
        {"FixedCellsAlways stays", copy.FixedCellsAlways, false},
        {"FooterFont size", copy.FooterFont()->Size(), 14},
        {"TitleLines", copy.TitleLines()->Count(), 2},
    });
    EXPECT_EQ(copy.DateFormat, "yyyy-mm-dd");
    EXPECT_EQ(copy.PageNumSep, "");
    EXPECT_EQ(copy.JobName, "Règles");
    EXPECT_EQ(copy.HeaderFont()->Name(), "Arial");

    source.HeaderFont()->SetName("Courier New");
    source.TitleLines()->Put(0, "changed");
    EXPECT_EQ(copy.HeaderFont()->Name(), "Arial");
    EXPECT_EQ((*copy.TitleLines())[0], "Line 1");
    EXPECT_NE(copy.HeaderFont(), source.HeaderFont());
}

TEST(PrintSettingsTest, AssignFromAnotherKindIsAConversionError)
{
    TPrintSettings p;
    EXPECT_THROW(p.Assign(TGrouping()), EConvertError);
}

TEST(DragDropSettingsTest, DefaultsAndAssignOfAllFifteenFlags)
{
    TDragDropSettings d;
    ExpectCases({
        {"OleDropRTF", d.OleDropRTF(), false},
        {"OleAcceptText", d.OleAcceptText, true},
        {"OleEntireRows", d.OleEntireRows, false},
        {"OleDropSource", d.OleDropSource, false},
        {"OleRemoveRows", d.OleRemoveRows, false},
        {"OleAcceptFiles", d.OleAcceptFiles, true},
        {"OleAcceptURLs", d.OleAcceptURLs, true},
        {"OleDropTarget", d.OleDropTarget(), false},
        {"OleInsertRows", d.OleInsertRows, false},
        {"OleAppendRows", d.OleAppendRows, false},
        {"OleCopyAlways", d.OleCopyAlways, false},
        {"OleColumnDragDrop", d.OleColumnDragDrop, false},
        {"OleColumnReorder", d.OleColumnReorder, false},
        {"OleColumnsOnly", d.OleColumnsOnly, false},
        {"ShowCells", d.ShowCells, true},
    });

    TDragDropSettings source;
    source.OleAcceptText = false;
    source.OleColumnsOnly = true;
    source.ShowCells = false;
    source.SetOleDropTarget(true);
    int targetChanges = 0;
    d.OnDropTargetChange = [&targetChanges](TObject*) { ++targetChanges; };
    d.Assign(source);
    ExpectCases({
        {"OleAcceptText", d.OleAcceptText, false},
        {"OleColumnsOnly", d.OleColumnsOnly, true},
        {"ShowCells", d.ShowCells, false},
        {"OleDropTarget", d.OleDropTarget(), true},
        {"no registration on copy", targetChanges, 0},
    });
    d.SetOleDropTarget(false);
    EXPECT_EQ(targetChanges, 1);
}

TEST(DragDropSettingsTest, RichTextFlagIsSharedByEveryGrid)
{
    TDragDropSettings d;
    d.SetOleDropRTF(true);
    EXPECT_TRUE(DragDropActive());
    d.SetOleDropRTF(false);
    EXPECT_FALSE(DragDropActive());
}

} // namespace
