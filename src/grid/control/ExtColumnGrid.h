#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "grid/control/CellGraphic.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/control/GridColumnCollection.h"

class TMemoryStream;
class TColumnPositionStore;
class TPopupMenu;

using TAfterColumnMoved = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;

// The string grid with one settings item per column. Every cell question is answered
// first from the item of the cell's real column, then by the string grid's own rule and
// events. The items follow the columns: item count = ColCount + NumHiddenColumns.
class TExtColumnGrid : public TExtStringGrid {
public:
    explicit TExtColumnGrid(TComponent* AOwner);
    ~TExtColumnGrid() override;

    uint32_t GetVersionNr() const override { return 0x03010301; }
    std::string GetVersionString() const override;

    // The items, made by CreateColumns on their first use (a constructor cannot reach a
    // derived grid's CreateColumns); none once the grid is being destroyed.
    TGridColumnCollection* Columns() const;
    void SetColumns(const TGridColumnCollection& Value) { Columns()->Assign(Value); }
    // Adds or frees items to match the new count, also when the string grid's own
    // operations change it. Inserting and removing columns place their items themselves.
    // The items take the entries as their headers before row 0 shows them.
    void SetColumnHeaders(const TStringList& Value) override;

    // The first item whose Name is exactly Name (letter case counts); nullptr when none.
    TGridColumnItem* GetColumnByName(const std::string& Name) const;

    // Brings the item count to ColCount + NumHiddenColumns: new items repeat the visuals
    // of the last one, surplus items go from the end.
    void SyncColumnCount();
    // With fixed rows: items without a header adopt the text of row 0, then ColumnHeaders
    // becomes the list of all headers.
    void RebuildColumnHeaders();
    // True only while a column move rebuilds the items.
    bool ColMoving() const { return FColMoving; }

    // The column settings in a stream and back. Loading leaves the column count alone.
    void SaveColumnsToStream(TMemoryStream& Stream);
    void LoadColumnsFromStream(TMemoryStream& Stream);

    // The column order as "CP<position>" = design position of the column shown there, in
    // section Section of the INI file Key.
    void SaveColumnPositions(const std::string& Key, const std::string& Section);
    // Changes nothing unless the file holds a permutation of the design positions.
    void LoadColumnPositions(const std::string& Key, const std::string& Section);
    // The same, at the place ColumnSize names: the INI file or, with clRegistry, the key
    // Key\Section of the current user's registry.
    void SaveColPositions() override;
    void LoadColPositions() override;

    bool AutoFilterDisplay = false;
    TAfterColumnMoved OnAfterColumnMoved;
    // Fired before a column's menu opens, whether or not this click's row opens it.
    TColumnPopupEvent OnColumnPopup;

    // Cell questions answered from the column items; see the string grid for their meaning.
    void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override;
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    void GetCellEditorEx(int ACol, int ARow, TEditorType& AEditor) override;
    void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasCombo(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, std::string& Value) override;
    void GetCheckFalse(int ACol, int ARow, std::string& Value) override;
    bool GetColumnFilter(int ACol) override;
    std::string GetFloatFormat(int ACol, int ARow) const override;
    void ChangeScale(int M, int D) override;
    // A data check-box column shows a check box in every normal cell without a graphic of
    // its own: such a cell's type reads ctDataCheckBox and its graphic is a shared virtual
    // check box.
    TCellGraphic* GetCellGraphic(int ACol, int ARow) const override;
    TCellType GetCellType(int ACol, int ARow) const override;
    // The column's FloatFormat formats the numbers of its cells.
    std::string GetFormattedCell(int ACol, int ARow) override;
    // The items follow inserted and removed columns.
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    void ColumnsChanged() override;
    // A width the user gave keeps within MinSize and MaxSize, one from the contents within
    // AutoMinSize and AutoMaxSize (limits of 0 or less are none).
    void UpdateColumnSize(int ACol, int& AWidth) override;
    void UpdateAutoColumnSize(int ACol, int& AWidth) override;
    // A grouped column's settings come back with it when the grid is ungrouped.
    void Group(int ColIndex) override;
    void UnGroup() override;
    // A pick in the filter drop-down of a column with filter lines filters on the line's
    // condition, with the column's case sensitivity; AutoFilterDisplay shows the line's
    // friendly name as the header.
    void FilterListSelect(int ItemIndex) override;

protected:
    void Loaded() override;
    // Adds or frees items to match the new count, whichever of the string grid's operations
    // changes it. Inserting and removing columns place their items themselves.
    void SetShownColCount(int Value) override;
    void IsFixedCell(int ACol, int ARow, bool& IsFixed) const override;
    // A read-only or fixed column refuses editing whatever the cell says; OnCanEditCell
    // has the last word.
    void IsReadOnlyCell(int ACol, int ARow, bool& CanEdit) override;
    void GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                  TColor& ColorMirror, TColor& ColorMirrorTo, TAlignment& HAlign,
                                  TVAlignment& VAlign, bool& WordWrap,
                                  TCellGradientDirection& GradientDirection) override;
    std::string GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    // A click on a cell opens its column's menu at the cell's left-bottom corner when the
    // button and the row suit the column's ColumnPopupType.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

protected:
    // A new collection for this grid's items; a derived grid may make its own.
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();

private:
    // Set while columns are inserted or removed: the items follow at their place there, not
    // through the count's sync.
    bool FKeepItems = false;
    // The shared check box of a data check-box column's cell; nullptr elsewhere.
    TCellGraphic* DataCheckBoxGraphic(int ACol, int ARow) const;
    // The in-place combo and spin editors take the column's items and limits.
    void LoadColumnEditor(const TGridColumnItem& Item, TEditorType Editor);
    // The item of a real column; nullptr for a column without one.
    TGridColumnItem* ItemOf(int ACol) const;
    // Whether a real column lies between the fixed columns at the left and at the right.
    bool IsNormalColumn(int ACol) const;
    bool InNormalArea(int ACol, int ARow) const;
    // The items take the entries as their headers.
    void SyncColumnHeaders(const TStringList& Headers);
    void ShowColumnPopup(TMouseButton Button, int X, int Y);
    void SaveColumnPositionsTo(TColumnPositionStore& Store);
    void LoadColumnPositionsFrom(const TColumnPositionStore& Store);

    mutable std::unique_ptr<TGridColumnCollection> FColumnCollection;
    bool FColumnsGone = false;
    bool FColMoving = false;
    // The graphic a data check-box cell shows.
    std::unique_ptr<TCellGraphic> FCellGraphic;
    // The settings of the grouped column, in an item of no collection.
    std::unique_ptr<TGridColumnItem> FSaveCol;
};
