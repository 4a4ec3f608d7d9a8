#include "grid/services/HtmlExport.h"

#include <algorithm>
#include <cstdio>

#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/foundation/markup/HtmlEntities.h"
#include "grid/foundation/model/IntList.h"
#include "grid/foundation/text/CellText.h"
#include "platform/jpeg/JpegEncoder.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
const char* const kHtmlEol = "\r\n";
constexpr int kMaxLinkLabel = 255;

std::string HexColour(TColor Color)
{
    const TColor rgb = ColorToRGB(Color);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(rgb & 0xFF),
                  static_cast<unsigned>((rgb >> 8) & 0xFF), static_cast<unsigned>((rgb >> 16) & 0xFF));
    return text;
}

std::string Quoted(const std::string& Text) { return "\"" + Text + "\""; }

// The part after Marker, at most 255 characters.
std::string LinkLabel(const std::string& Text, const std::string& Marker)
{
    return Copy(Text.substr(Text.find(Marker) + Marker.size()), 1, kMaxLinkLabel);
}

std::string Link(const std::string& Target, const std::string& Label, bool Encoded)
{
    // The target is quoted and escaped, so that a cell text cannot end the tag or add
    // attributes of its own.
    return "<a href=" + Quoted(Encoded ? Target : HtmlEncodeEntities(Target, false)) + ">" + Label + "</a>";
}

bool OnlySpaces(const std::string& Text)
{
    return std::all_of(Text.begin(), Text.end(), [](char c) { return c == ' '; });
}
} // namespace

std::string HtmlCellStyle(const TFont& Font, int BackgroundColor, bool SaveColor, int HAlign, int VAlign)
{
    std::vector<std::string> parts;
    if (SaveColor) {
        parts.push_back("background-color: #" + HexColour(static_cast<TColor>(BackgroundColor)));
        parts.push_back("color: #" + HexColour(Font.Color()));
    }
    parts.push_back("font-size:" + std::to_string(Font.Size()) + "pt");
    if (Font.Style().Contains(fsItalic)) parts.push_back("font-style: italic");
    if (Font.Style().Contains(fsBold)) parts.push_back("font-weight: bold");
    parts.push_back("font-family: " + Font.Name());
    if (HAlign == taRightJustify) parts.push_back("text-align: right");
    if (HAlign == taCenter) parts.push_back("text-align: center");
    parts.push_back(VAlign == vtaTop ? "vertical-align: top"
                    : VAlign == vtaCenter ? "vertical-align: middle"
                                          : "vertical-align: bottom");
    std::string style;
    for (const std::string& part : parts) style += (style.empty() ? "" : ";") + part;
    return style;
}

std::string HtmlLinkText(const std::string& Text, bool Full, bool Encoded)
{
    if (Text.find("</") != std::string::npos) return Text;
    if (Text.find("mailto:") != std::string::npos) return Link(Text, LinkLabel(Text, "mailto:"), Encoded);
    if (Text.find("://") != std::string::npos) return Link(Text, Full ? Text : LinkLabel(Text, "://"), Encoded);
    return Text;
}

std::string HtmlAsciiText(const std::string& Utf8Text)
{
    std::string ascii;
    ascii.reserve(Utf8Text.size());
    for (char32_t c : utf8::Decode(Utf8Text)) {
        if (c < 0x80)
            ascii += static_cast<char>(c);
        else
            ascii += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
    }
    return ascii;
}

THtmlExport::THtmlExport(TExtStringGrid& Grid, const std::string& Dir, bool WritePictures)
    : FGrid(Grid), FSettings(*Grid.HTMLSettings()), FMarkup(FSettings.XHTML), FDir(Dir), FWritePictures(WritePictures)
{
}

void THtmlExport::ContinueAfter(const THtmlNumbering& Numbering)
{
    FFirstStyle = Numbering.FirstStyle;
    FNextPicture = Numbering.FirstPicture;
}

std::string THtmlExport::TableTag() const
{
    std::string tag = FMarkup.Name("<TABLE BORDER=") + Quoted(std::to_string(FSettings.BorderSize)) + " ";
    tag += FMarkup.Name("CELLSPACING=") + Quoted(std::to_string(FSettings.CellSpacing)) + " ";
    tag += FMarkup.Name("CELLPADDING=") + Quoted(std::to_string(FSettings.CellPadding)) + " ";
    if (!FSettings.Summary.empty())
        tag += FMarkup.Name("SUMMARY=") + Quoted(FMarkup.PlainText(FSettings.Summary)) + " ";
    if (!FSettings.TableStyle.empty()) tag += " " + FSettings.TableStyle + " ";
    return tag + FMarkup.Name(" WIDTH=") + Quoted(std::to_string(FSettings.Width) + "%") + ">";
}

std::string THtmlExport::Prologue() const
{
    std::string text = "<?xml version=\"1.0\" encoding=\"" + FEncodingName + "\"?>" + kHtmlEol;
    text += std::string("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"") + kHtmlEol;
    text += std::string("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">") + kHtmlEol;
    return text + "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">" + kHtmlEol;
}

std::string THtmlExport::Text()
{
    const bool allCells = FGrid.SaveFixedCells;
    FFirstCol = (allCells || FGrid.SaveFixedCols) ? 0 : FGrid.FixedCols();
    int firstRow = (allCells || FGrid.SaveFixedRows) ? 0 : FGrid.FixedRows();
    const bool headerRow = FGrid.FixedRows() > 0 && (allCells || FGrid.SaveFixedRows);

    std::string rows;
    if (headerRow) {
        rows += Row(0, {true, false});
        firstRow = 1;
    }
    FGrid.ExportNotification(0, firstRow);
    for (int r = firstRow; r < FGrid.RowCount(); ++r) {
        FGrid.ExportNotification(5, r);
        rows += Row(r, {false, !headerRow});
    }
    FGrid.ExportNotification(2, -1);

    std::string text = FSettings.XHTML ? Prologue() : std::string();
    text += FSettings.PrefixTag;
    text += std::string("<style>") + kHtmlEol;
    for (size_t i = 0; i < FStyles.size(); ++i)
        text += ".c" + std::to_string(FFirstStyle + static_cast<int>(i)) + " {" + FStyles[i] + "}" + kHtmlEol;
    text += std::string("</style>") + kHtmlEol;
    text += TableTag() + kHtmlEol + rows + FMarkup.Name("</TABLE>") + kHtmlEol;
    if (!FSettings.SuffixTag.empty()) text += FSettings.SuffixTag + kHtmlEol;
    if (FSettings.XHTML) text += std::string("</html>") + kHtmlEol;
    return text;
}

std::string THtmlExport::Row(int ARow, TRowKind Kind)
{
    std::string row = FMarkup.Name("<TR>") + kHtmlEol;
    for (int c = FFirstCol; c < FGrid.ColCount(); ++c)
        if (!FGrid.IsMergedNonBaseCell(FGrid.RealColIndex(c), ARow)) row += CellLine(c, ARow, Kind) + kHtmlEol;
    return row + FMarkup.Name("</TR>") + kHtmlEol;
}

std::string THtmlExport::CellLine(int ACol, int ARow, TRowKind Kind)
{
    const int real = FGrid.RealColIndex(ACol);
    const std::string content = WithPictures(real, ARow, CellText(real, ARow, Kind.Header));
    bool wordWrap = false;
    std::string line =
        FMarkup.Name("<TD class=") + Quoted("c" + std::to_string(StyleIndex(ACol, ARow, Kind.Header, wordWrap)));
    const TPoint span = FGrid.CellSpan(real, ARow);
    if (span.X > 0) line += FMarkup.Name(" COLSPAN=") + Quoted(std::to_string(span.X + 1));
    if (span.Y > 0) line += FMarkup.Name(" ROWSPAN=") + Quoted(std::to_string(span.Y + 1));
    if (!wordWrap) line += FMarkup.NoWrap();
    const TIntList& widths = *FSettings.ColWidths();
    if (Kind.Header && ACol < widths.Count()) line += FMarkup.BareAttribute(" WIDTH=", widths.Items(ACol));
    if (Kind.WidthsOnData && ACol - FFirstCol < widths.Count())
        line += FMarkup.BareAttribute(" width=", widths.Items(ACol - FFirstCol));
    return line + ">" + content + "</td>";
}

std::string THtmlExport::CellText(int RealCol, int ARow, bool Header) const
{
    std::string text;
    FGrid.SaveCell(RealCol, ARow, text);
    // XHTML knows no named entity beyond XML's own, and an XML reader takes "<" and "&" in a
    // plain text for markup; a cell's own markup keeps its tags, with its bare "&" escaped.
    bool encoded = false;
    if (!Header && FSettings.ConvertSpecialChars) {
        text = HtmlEncodeEntities(text, !FMarkup.XHTML());
        encoded = FMarkup.XHTML();
    } else if (FMarkup.XHTML()) {
        encoded = GetTextType(text, FGrid.EnableHTML) != ttMarkup;
        text = encoded ? FMarkup.PlainText(text) : FMarkup.MarkupText(text);
    }
    if (!Header && FSettings.NonBreakingText) text = StringReplace(text, " ", FMarkup.NonBreakingSpace(), rfReplaceAll);
    text = StringReplace(text, "\r", FMarkup.LineBreak(), rfReplaceAll);
    if (FGrid.URLShow) text = HtmlLinkText(text, FGrid.URLFull, encoded);
    if (text.empty() || (!Header && OnlySpaces(text))) text = FMarkup.NonBreakingSpace();
    return text;
}

std::string THtmlExport::WithPictures(int RealCol, int ARow, const std::string& Text)
{
    const TCellGraphic* graphic = FGrid.GetCellGraphic(RealCol, ARow);
    if (!graphic) return Text;
    if (graphic->CellType == ctNode) return "+" + Text;
    if (!FSettings.ExportImages || !FWritePictures) return Text;
    if (graphic->CellType == ctBitmap)
        if (const auto* bitmap = dynamic_cast<const TGraphic*>(graphic->CellBitmap)) return Text + Picture(*bitmap);
    if (graphic->CellType == ctPicture)
        if (const auto* picture = dynamic_cast<const TPicture*>(graphic->CellBitmap); picture && picture->Graphic())
            return Text + Picture(*picture->Graphic());
    return Text;
}

std::string THtmlExport::Picture(const TGraphic& Graphic)
{
    const std::string folder = FDir + "images";
    if (!DirectoryExists(folder) && !ForceDirectories(folder)) throw EExtGridError("Cannot create " + folder);
    const std::string file = folder + "/img" + std::to_string(FNextPicture++) + ".jpg";
    const auto* bitmap = dynamic_cast<const TBitmap*>(&Graphic);
    std::string jpeg = bitmap ? bitmap->JpegBytes() : std::string();
    if (jpeg.empty()) {
        TBitmap drawn(Graphic.Width(), Graphic.Height());
        drawn.Canvas()->Draw(0, 0, &Graphic);
        jpeg = EncodeJpeg(drawn);
    }
    WriteFileBytes(file, jpeg);
    return FMarkup.Image("file://" + file);
}

int THtmlExport::StyleIndex(int ACol, int ARow, bool Header, bool& WordWrap)
{
    TFont font;
    font.Assign(*FGrid.Font());
    TBrush brush;
    brush.SetColor(FGrid.Color());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment hAlign = taLeftJustify;
    TVAlignment vAlign = vtaTop;
    TCellGradientDirection direction{};
    TGridDrawState state;
    WordWrap = FGrid.WordWrap();
    FGrid.GetVisualProperties(ACol, ARow, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font,
                              hAlign, vAlign, WordWrap, direction);
    const bool fixedColour = Header || FGrid.IsFixed(ACol, ARow);
    const std::string style =
        HtmlCellStyle(font, fixedColour ? FGrid.FixedColor() : brush.Color(), FSettings.SaveColor, hAlign, vAlign);
    auto found = std::find(FStyles.begin(), FStyles.end(), style);
    if (found == FStyles.end()) found = FStyles.insert(FStyles.end(), style);
    return FFirstStyle + static_cast<int>(found - FStyles.begin());
}
