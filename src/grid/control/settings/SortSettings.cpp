#include "grid/control/settings/SortSettings.h"

#include "grid/foundation/model/SettingsNotify.h"

TSortSettings::TSortSettings()
    : FUpGlyph(std::make_unique<TBitmap>()), FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool Value) { StoreAndNotify(FShow, Value, OnChange, this); }

void TSortSettings::SetHeaderColor(TColor Value) { StoreChanged(FHeaderColor, Value, OnHeaderChange, this); }
void TSortSettings::SetHeaderColorTo(TColor Value)
{
    StoreChanged(FHeaderColorTo, Value, OnHeaderChange, this);
}
void TSortSettings::SetHeaderMirrorColor(TColor Value)
{
    StoreChanged(FHeaderMirrorColor, Value, OnHeaderChange, this);
}
void TSortSettings::SetHeaderMirrorColorTo(TColor Value)
{
    StoreChanged(FHeaderMirrorColorTo, Value, OnHeaderChange, this);
}

void TSortSettings::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TSortSettings*>(&Source);
    if (!other) return;
    AutoSortForGrouping = other->AutoSortForGrouping;
    AutoColumnMerge = other->AutoColumnMerge;
    Column = other->Column;
    IndexShow = other->IndexShow;
    IndexColor = other->IndexColor;
    IndexSortKey = other->IndexSortKey;
    Full = other->Full;
    SingleColumn = other->SingleColumn;
    IgnoreBlanks = other->IgnoreBlanks;
    BlankPos = other->BlankPos;
    AutoFormat = other->AutoFormat;
    Direction = other->Direction;
    IgnoreCase = other->IgnoreCase;
    InitSortDirection = other->InitSortDirection;
    FixedCols = other->FixedCols;
    NormalCellsOnly = other->NormalCellsOnly;
    UndoSort = other->UndoSort;
    SortOnVirtualCells = other->SortOnVirtualCells;
    FShow = other->FShow;
    FRow = other->FRow;
    FHeaderColor = other->FHeaderColor;
    FHeaderColorTo = other->FHeaderColorTo;
    FHeaderMirrorColor = other->FHeaderMirrorColor;
    FHeaderMirrorColorTo = other->FHeaderMirrorColorTo;
    FUpGlyph->Assign(*other->FUpGlyph);
    FDownGlyph->Assign(*other->FDownGlyph);
    FIndexUpGlyph->Assign(*other->FIndexUpGlyph);
    FIndexDownGlyph->Assign(*other->FIndexDownGlyph);
}
