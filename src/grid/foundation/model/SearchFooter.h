#pragma once
#include <memory>
#include <string>

#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Graphics.h"

// The settings of the search bar under the grid. The properties whose writers tell the
// grid (through OnChange) have accessors; the others are plain members.
class TSearchFooter : public TPersistent {
public:
    // The captions and hints get their English texts only with InitDesign (a grid newly
    // placed in the designer); otherwise they start empty and come from the stored form.
    TSearchFooter(TComponent* AOwner, bool InitDesign);

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value); // OnChange only when changed
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value);
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value);
    // The four show flags fire OnChange only when changed.
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value);
    const std::string& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const std::string& Value);
    const std::string& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const std::string& Value);
    const std::string& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const std::string& Value);
    const std::string& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& Value);
    const std::string& HintClose() const { return FHintClose; }
    void SetHintClose(const std::string& Value);
    const std::string& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const std::string& Value);
    const std::string& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const std::string& Value);
    const std::string& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const std::string& Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);

    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    std::string LastSearch;

    TNotifyEvent OnChange;

    // Copies the look and the search options without firing OnChange; AutoSearch,
    // SearchFixedCells, AutoThemeAdapt and LastSearch stay as they are.
    void Assign(const TPersistent& Source) override;

private:
    template <typename T> void Change(T& Field, const T& Value, bool OnlyWhenChanged);

    bool FVisible = false;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    std::unique_ptr<TFont> FFont;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    std::string FFindNextCaption;
    std::string FFindPrevCaption;
    std::string FHighLightCaption;
    std::string FMatchCaseCaption;
    std::string FHintClose;
    std::string FHintFindNext;
    std::string FHintFindPrev;
    std::string FHintHighlight;
    bool FAutoThemeAdapt = false;
};
