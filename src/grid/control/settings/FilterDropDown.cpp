#include "grid/control/settings/FilterDropDown.h"

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()),
      FGlyphActive(std::make_unique<TBitmap>())
{
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::SetGlyph(const TBitmap& Value)
{
    FGlyph->Assign(Value);
    if (OnChange) OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value)
{
    FGlyphActive->Assign(Value);
    if (OnChange) OnChange(this);
}

void TFilterDropDown::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TFilterDropDown*>(&Source);
    if (!other) return;
    Color = other->Color;
    ColumnWidth = other->ColumnWidth;
    FFont->Assign(*other->FFont);
    Height = other->Height;
    Width = other->Width;
    FGlyph->Assign(*other->FGlyph);
    FGlyphActive->Assign(*other->FGlyphActive);
}
