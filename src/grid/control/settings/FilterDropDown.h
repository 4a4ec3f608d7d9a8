#pragma once
#include <memory>

#include "platform/ui/Graphics.h"

// The look of the filter drop-down list in the header row.
class TFilterDropDown : public TPersistent {
public:
    TFilterDropDown();
    ~TFilterDropDown() override;

    // Sized to the widest entry; otherwise Width x Height.
    bool AutoSize = false;
    TColor Color = clWindow;
    // The list takes the width and left edge of its column's header cell.
    bool ColumnWidth = false;
    int Height = 150;
    int Width = 150;

    // Owned; the writers copy.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    // The button picture of a column without and with a condition; a new picture tells
    // the grid (OnChange) to repaint its header.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap& Value);
    TBitmap* GlyphActive() const { return FGlyphActive.get(); }
    void SetGlyphActive(const TBitmap& Value);

    TNotifyEvent OnChange;

    // From another drop-down look: all but AutoSize, the font and pictures as copies.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FGlyphActive;
};
