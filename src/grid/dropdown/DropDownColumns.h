#pragma once
#include <memory>
#include <string>

#include "platform/rtl/Classes.h"
#include "grid/dropdown/TypedCollection.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Types.h"

enum TColumnType { ctText, ctImage };

// One column of a list drop-down.
class TDropDownColumn : public TCollectionItem {
public:
    explicit TDropDownColumn(TCollection* Collection);
    ~TDropDownColumn() override;

    bool Wordwrap = false;
    int Width = 80; // replaced by the measured width when AutoSize is set
    bool AutoSize = false;
    std::string Header;
    TAlignment Alignment = taLeftJustify;
    TColor Color = clWhite;
    TColumnType ColumnType = ctText; // ctImage draws the item's image in this column
    bool Ellipsis = false;
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }

    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<TFont> FFont;
};

// One row of a list drop-down: a text per column and an image.
class TDropDownItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;

    int ImageIndex = -1;
    TStringList& Text() { return FText; }
    const TStringList& Text() const { return FText; }
    void SetText(const TStringList& Value) { FText = Value; }
    // The text of a column, or nullptr when the item has none there.
    const std::string* TextOf(int Column) const;

    void Assign(const TPersistent& Source) override;

private:
    TStringList FText;
};

using TDropDownColumns = TTypedCollection<TDropDownColumn>;

// A popup row with a wrapping column is at least this high.
constexpr int kMinWrappedRowHeight = 24;

// The room a popup cell needs for its text, measured in its column's font: text and margins
// across (none for an empty text), and, wrapped within a width, down.
class TColumnCellMeasure {
public:
    int Width(const TDropDownColumn& Column, const std::string& Text);
    int WrappedHeight(const TDropDownColumn& Column, const std::string& Text, int AWidth);
    static bool AnyWraps(const TDropDownColumns& Columns);

private:
    TBitmap FMeasure{1, 1};
};

class TDropDownItems : public TTypedCollection<TDropDownItem> {
public:
    // The first item whose text in Column is exactly Value, or -1.
    int IndexInColumn(int Column, const std::string& Value) const;
};
