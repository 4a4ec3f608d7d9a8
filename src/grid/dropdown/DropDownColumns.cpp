#include "grid/dropdown/DropDownColumns.h"

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>())
{
}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TDropDownColumn*>(&Source);
    if (!Other) {
        TCollectionItem::Assign(Source);
        return;
    }
    Wordwrap = Other->Wordwrap;
    Width = Other->Width;
    AutoSize = Other->AutoSize;
    Header = Other->Header;
    Alignment = Other->Alignment;
    Color = Other->Color;
    ColumnType = Other->ColumnType;
    FFont->Assign(*Other->FFont);
    Ellipsis = Other->Ellipsis;
}

const std::string* TDropDownItem::TextOf(int Column) const
{
    return Column >= 0 && Column < FText.Count() ? &FText[Column] : nullptr;
}

void TDropDownItem::Assign(const TPersistent& Source)
{
    const auto* Other = dynamic_cast<const TDropDownItem*>(&Source);
    if (!Other) {
        TCollectionItem::Assign(Source);
        return;
    }
    ImageIndex = Other->ImageIndex;
    FText = Other->FText;
}

int TDropDownItems::IndexInColumn(int Column, const std::string& Value) const
{
    for (int I = 0; I < Count(); ++I)
        if (const std::string* Text = Items(I)->TextOf(Column); Text && *Text == Value) return I;
    return -1;
}

int TColumnCellMeasure::Width(const TDropDownColumn& Column, const std::string& Text)
{
    if (Text.empty()) return 0;
    FMeasure.Canvas()->Font()->Assign(*Column.Font());
    return FMeasure.Canvas()->TextWidth(Text) + 6;
}

int TColumnCellMeasure::WrappedHeight(const TDropDownColumn& Column, const std::string& Text, int AWidth)
{
    FMeasure.Canvas()->Font()->Assign(*Column.Font());
    TRect R{0, 0, AWidth, 0};
    DrawText(FMeasure.Canvas(), Text, R, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return R.Height() + 6;
}

bool TColumnCellMeasure::AnyWraps(const TDropDownColumns& Columns)
{
    for (int I = 0; I < Columns.Count(); ++I)
        if (Columns.Items(I)->Wordwrap) return true;
    return false;
}
