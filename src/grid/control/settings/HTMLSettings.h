#pragma once
#include <memory>
#include <string>

#include "platform/ui/Component.h"

class TIntList;

// The plain options of the grid's HTML export.
struct THTMLSettingsValues {
    bool AutoPreview = false;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool ConvertSpecialChars = false;
    bool ExportImages = true;
    std::string FooterFile;
    std::string HeaderFile;
    bool NonBreakingText = false;
    std::string PrefixTag;
    bool SaveColor = true;
    bool SaveFonts = true;
    std::string SuffixTag;
    std::string Summary;
    std::string TableStyle;
    int Width = 100; // percent
    bool XHTML = false;
};

class THTMLSettings : public TPersistent, public THTMLSettingsValues {
public:
    THTMLSettings();
    ~THTMLSettings() override;

    // Per-column width attributes; owned.
    TIntList* ColWidths() const { return FColWidths.get(); }

    // From other HTML settings: every option; this object's column widths stay.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TIntList> FColWidths;
};
