#pragma once
#include <functional>
#include <memory>

#include <string>

#include "platform/ui/Graphics.h"

class TExtStringGrid;

enum TSortDirection { sdAscending, sdDescending };

enum TIndexSortKey { ikShift, ikCtrl };

enum TSortBlankPosition { blFirst, blLast };

// How the grid sorts on a header click and how it marks the sorted column. The sort
// itself reads these values; the writers below only tell the grid what to repaint.
class TSortSettings : public TPersistent {
public:
    TSortSettings();
    ~TSortSettings() override;

    bool AutoSortForGrouping = true;
    bool AutoColumnMerge = false;
    int Column = -1; // real column index; -1: not sorted
    bool IndexShow = false;
    TColor IndexColor = clYellow;
    TIndexSortKey IndexSortKey = ikShift;
    bool Full = true;
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    bool IgnoreCase = false;
    TSortDirection InitSortDirection = sdAscending;
    bool FixedCols = false;
    bool NormalCellsOnly = false;
    bool UndoSort = false;
    bool SortOnVirtualCells = true;

    // The whole grid repaints (OnChange), changed or not.
    bool Show() const { return FShow; }
    void SetShow(bool Value);
    // Only a fixed row can carry the sort indicator: a negative row is refused, one at or
    // past the grid's fixed rows (FixedRowCount) raises.
    int Row() const { return FRow; }
    void SetRow(int Value);
    // The header gradient of the sorted column; a new value repaints the last fixed row
    // (OnHeaderChange).
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value);
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value);
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value);
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value);
    // Owned pictures; the writers copy.
    TBitmap* UpGlyph() const { return FUpGlyph.get(); }
    void SetUpGlyph(const TBitmap& Value) { FUpGlyph->Assign(Value); }
    TBitmap* DownGlyph() const { return FDownGlyph.get(); }
    void SetDownGlyph(const TBitmap& Value) { FDownGlyph->Assign(Value); }
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph->Assign(Value); }
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph->Assign(Value); }

    TNotifyEvent OnChange;
    TNotifyEvent OnHeaderChange;
    std::function<int()> FixedRowCount;
    // The grid whose rows the settings text sorts.
    TExtStringGrid* Grid = nullptr;

    // The sort state as text (SortSettingsOperations.cpp): "u3", "d3", "u-1" or, for a sort
    // over several columns, "i;" and the sort index list ("i;u2;d0"). Loading sorts.
    std::string SaveToString() const;
    void LoadFromString(const std::string& Value);
    // Unsorted: no column, no index list.
    void Remove();
    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

    // From other sort settings: every setting and the four pictures, without events.
    void Assign(const TPersistent& Source) override;

private:
    bool FShow = false;
    int FRow = 0;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    std::unique_ptr<TBitmap> FUpGlyph;
    std::unique_ptr<TBitmap> FDownGlyph;
    std::unique_ptr<TBitmap> FIndexUpGlyph;
    std::unique_ptr<TBitmap> FIndexDownGlyph;
};
