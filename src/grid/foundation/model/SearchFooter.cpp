#include "grid/foundation/model/SearchFooter.h"

#include "grid/foundation/model/SettingsNotify.h"

TSearchFooter::TSearchFooter(TComponent*, bool InitDesign) : FFont(std::make_unique<TFont>())
{
    if (!InitDesign) return;
    FFindNextCaption = "Find &next";
    FFindPrevCaption = "Find &previous";
    FHighLightCaption = "Highlight";
    FMatchCaseCaption = "Match case";
    FHintClose = "Close";
    FHintFindNext = "Find next occurrence";
    FHintFindPrev = "Find previous occurrence";
    FHintHighlight = "Highlight occurrences";
}

template <typename T> void TSearchFooter::Change(T& Field, const T& Value, bool OnlyWhenChanged)
{
    if (OnlyWhenChanged)
        StoreChanged(Field, Value, OnChange, this);
    else
        StoreAndNotify(Field, Value, OnChange, this);
}

void TSearchFooter::SetVisible(bool Value) { Change(FVisible, Value, true); }
void TSearchFooter::SetColor(TColor Value) { Change(FColor, Value, false); }
void TSearchFooter::SetColorTo(TColor Value) { Change(FColorTo, Value, false); }
void TSearchFooter::SetShowClose(bool Value) { Change(FShowClose, Value, false); }
void TSearchFooter::SetShowFindNext(bool Value) { Change(FShowFindNext, Value, true); }
void TSearchFooter::SetShowFindPrev(bool Value) { Change(FShowFindPrev, Value, true); }
void TSearchFooter::SetShowHighLight(bool Value) { Change(FShowHighLight, Value, true); }
void TSearchFooter::SetShowMatchCase(bool Value) { Change(FShowMatchCase, Value, true); }
void TSearchFooter::SetFindNextCaption(const std::string& Value) { Change(FFindNextCaption, Value, false); }
void TSearchFooter::SetFindPrevCaption(const std::string& Value) { Change(FFindPrevCaption, Value, false); }
void TSearchFooter::SetHighLightCaption(const std::string& Value) { Change(FHighLightCaption, Value, false); }
void TSearchFooter::SetMatchCaseCaption(const std::string& Value) { Change(FMatchCaseCaption, Value, false); }
void TSearchFooter::SetHintClose(const std::string& Value) { Change(FHintClose, Value, false); }
void TSearchFooter::SetHintFindNext(const std::string& Value) { Change(FHintFindNext, Value, false); }
void TSearchFooter::SetHintFindPrev(const std::string& Value) { Change(FHintFindPrev, Value, false); }
void TSearchFooter::SetHintHighlight(const std::string& Value) { Change(FHintHighlight, Value, false); }
void TSearchFooter::SetAutoThemeAdapt(bool Value) { Change(FAutoThemeAdapt, Value, false); }

void TSearchFooter::SetFont(const TFont* Value)
{
    FFont->Assign(*Value);
    if (OnChange) OnChange(this);
}

void TSearchFooter::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TSearchFooter*>(&Source);
    if (!other) return;
    AlwaysHighLight = other->AlwaysHighLight;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FFindNextCaption = other->FFindNextCaption;
    FFindPrevCaption = other->FFindPrevCaption;
    FHighLightCaption = other->FHighLightCaption;
    FMatchCaseCaption = other->FMatchCaseCaption;
    FHintClose = other->FHintClose;
    FHintFindNext = other->FHintFindNext;
    FHintFindPrev = other->FHintFindPrev;
    FHintHighlight = other->FHintHighlight;
    FShowClose = other->FShowClose;
    FShowFindNext = other->FShowFindNext;
    FShowFindPrev = other->FShowFindPrev;
    FShowHighLight = other->FShowHighLight;
    FShowMatchCase = other->FShowMatchCase;
    SearchActiveColumnOnly = other->SearchActiveColumnOnly;
    SearchMatchStart = other->SearchMatchStart;
    SearchColumn = other->SearchColumn;
    SearchDirection = other->SearchDirection;
    SearchHiddenRows = other->SearchHiddenRows;
    FVisible = other->FVisible;
    FFont->Assign(*other->FFont);
}
