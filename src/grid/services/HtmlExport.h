#pragma once
#include <string>
#include <vector>

#include "grid/services/HtmlMarkup.h"
#include "grid/services/HtmlNumbering.h"

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
    // Numbers the style classes and pictures on from these, for a table added to a page.
    void ContinueAfter(const THtmlNumbering& Numbering);
    // The encoding that the XHTML prologue declares: the one the text is saved in.
    void SetEncodingName(const std::string& Name) { FEncodingName = Name; }
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
    std::string Prologue() const;

    TExtStringGrid& FGrid;
    const THTMLSettings& FSettings;
    THtmlMarkup FMarkup;
    std::string FDir;
    bool FWritePictures;
    int FFirstCol = 0;
    std::vector<std::string> FStyles;
    int FFirstStyle = 0;
    int FNextPicture = 1;
    std::string FEncodingName = "utf-8";
};

// The declarations of a cell look, joined by ";": colours, font, alignments.
std::string HtmlCellStyle(const TFont& Font, int BackgroundColor, bool SaveColor, int HAlign, int VAlign);

// Turns an address in a cell text into a link: "://" links label with the part after it
// (or the whole text when Full is set), "mailto:" links with the address. Encoded: the
// text's markup characters are already written as entities.
std::string HtmlLinkText(const std::string& Text, bool Full, bool Encoded = false);

// A page's text in 7-bit ASCII: every other character as a numeric character reference,
// which browsers show as the character itself.
std::string HtmlAsciiText(const std::string& Utf8Text);
