#pragma once
#include <string>

// How the export spells its markup: as HTML, the way browsers have long read the grid's
// tables, or as XHTML, which an XML reader must accept: names in lower case (an XHTML
// reader knows no "TABLE"), every attribute value quoted, empty elements closed, and no
// entity beyond the five that XML itself defines.
class THtmlMarkup {
public:
    explicit THtmlMarkup(bool XHTML) : FXHTML(XHTML) {}

    bool XHTML() const { return FXHTML; }
    // A fixed piece of markup written in capitals, such as "<TD class=".
    std::string Name(const std::string& Capitals) const;
    // Name + Value, with the value quoted in XHTML only, as HTML writes widths.
    std::string BareAttribute(const std::string& Name, int Value) const;
    std::string NoWrap() const;
    std::string LineBreak() const;
    std::string NonBreakingSpace() const;
    std::string Image(const std::string& Source) const;
    // A cell's plain text: XHTML writes its markup characters as entities, HTML as they are.
    std::string PlainText(const std::string& Text) const;
    // A cell's own markup: XHTML writes a bare "&" as "&amp;" and a named HTML entity as its
    // character, since an XML reader knows only its own five entities; HTML as it is.
    std::string MarkupText(const std::string& Text) const;

private:
    bool FXHTML;
};
