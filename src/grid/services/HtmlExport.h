#pragma once
#include <string>
#include <vector>

class TExtStringGrid;
class TGraphic;
class THTMLSettings;
class TFont;

// The grid's cells as an HTML table: a style block with one class per distinct cell look,
// then the table with spans for merged cells, links for addresses and pictures written as
// JPEG files into an "images" folder.
class THtmlExport {
public:
    // Pictures go into Dir + "images"; Dir is empty or ends with "/". Without WritePictures
    // no picture is written.
    THtmlExport(TExtStringGrid& Grid, const std::string& Dir, bool WritePictures = true);
    std::string Text();

private:
    struct TRowKind {
        bool Header;
        bool WidthsOnData;
    };
    std::string Row(int ARow, TRowKind Kind);
    std::string CellLine(int ACol, int ARow, TRowKind Kind);
    std::string CellText(int RealCol, int ARow, bool Header) const;
    std::string WithPictures(int RealCol, int ARow, const std::string& Text);
    std::string Picture(const TGraphic& Graphic);
    int StyleIndex(int ACol, int ARow, bool Header, bool& WordWrap);
    std::string TableTag() const;

    TExtStringGrid& FGrid;
    const THTMLSettings& FSettings;
    std::string FDir;
    bool FWritePictures;
    int FFirstCol = 0;
    std::vector<std::string> FStyles;
    int FPictures = 0;
};

// The declarations of a cell look, joined by ";": colours, font, alignments.
std::string HtmlCellStyle(const TFont& Font, int BackgroundColor, bool SaveColor, int HAlign, int VAlign);

// Turns an address in a cell text into a link: "://" links label with the part after it
// (or the whole text when Full is set), "mailto:" links with the address.
std::string HtmlLinkText(const std::string& Text, bool Full);

// A page's text in 7-bit ASCII: every other character as a numeric character reference,
// which browsers show as the character itself.
std::string HtmlAsciiText(const std::string& Utf8Text);
