#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grid/control/CellPaintContext.h"
#include "grid/control/ComboItemList.h"
#include "grid/control/ExtGridEnums.h"
#include "grid/control/ExtGridEvents.h"
#include "grid/control/ExtGridProperties.h"
#include "grid/control/HiddenRowStore.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/foundation/model/BaseGrid.h"
#include "grid/foundation/painting/CellGraphics.h"
#include "platform/rtl/Exceptions.h"

class TBackGround;
class TBalloonSettings;
class TBands;
class TCellNode;
class TColumnSize;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TFilePicture;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TGridProgressAppearance;
class TGrouping;
class THTMLSettings;
class TPrintSettings;
class TSortSettings;
class TCustomForm;
class TDateTimePicker;
class TFocusHelper;
class TMouseActions;
class TNavigation;
class TSearchFooter;
class TShowModified;
class TSizeWhileTyping;
class TStringList;
class TSyncGrid;

// The grid's own errors: invalid row and column accesses, failed conversions.
class EExtGridError : public Exception {
    using Exception::Exception;
};

// The string grid of the configurator's windows. On top of the base grid it hides columns
// and rows without losing their cells, decides for every focus move whether the cell may
// be edited, keeps per-row selection, modification and disabled flags, and locks painting
// during bulk changes.
//
// Two index spaces: a real index counts every column or row, a display index only those
// shown. ColCount, RowCount, Col, Row, widths, heights and painting use display indexes.
// A hidden column keeps its cells in place, so cells take the real column; a hidden row
// is taken out of the grid, so cells take the display row.
class TExtStringGrid : public TBaseGrid, public TExtGridProperties, public TExtGridCellEvents {
public:
    explicit TExtStringGrid(TComponent* AOwner);
    ~TExtStringGrid() override;

    void Assign(const TPersistent& Source) override;
    virtual void AssignCells(const TPersistent& Source);

    // Version.
    virtual uint32_t GetVersionNr() const;
    virtual std::string GetVersionString() const;
    std::string Version() const;
    void SetVersion(const std::string&) {}

    TGridLook Look() const { return FLook; }
    // Looks and display text (ExtGridLooks.cpp). A look sets the grid's colours in one step;
    // setting the look it already has changes nothing.
    void SetLook(TGridLook Value);
    // The look's saved name and its menu caption; false, leaving Result alone, for glCustom.
    static bool LookToString(TGridLook Value, std::string& Result);
    static bool LookToCaption(TGridLook Value, std::string& Result);
    // Turns the first address of a plain text into a link when URLShowInText is set.
    void GetDisplText(int ACol, int ARow, std::string& Value) const override;
    void SetURLShow(bool Value);
    void SetURLShowInText(bool Value);
    void SetURLFull(bool Value);
    void SetURLColor(TColor Value);

    // Appearance writers (ExtGridAppearance.cpp): they store and repaint when the value
    // changed, unless said otherwise.
    void SetSelectionColor(TColor Value) { ChangeAndRepaint(SelectionColor, Value); }
    void SetSelectionColorTo(TColor Value) { ChangeAndRepaint(SelectionColorTo, Value); }
    void SetSelectionMirrorColor(TColor Value) { ChangeAndRepaint(SelectionMirrorColor, Value); }
    void SetSelectionMirrorColorTo(TColor Value) { ChangeAndRepaint(SelectionMirrorColorTo, Value); }
    void SetSelectionTextColor(TColor Value) { ChangeAndRepaint(SelectionTextColor, Value); }
    void SetSelectionColorMixer(bool Value) { ChangeAndRepaint(SelectionColorMixer, Value); }
    void SetSelectionRectangle(bool Value) { ChangeAndRepaint(SelectionRectangle, Value); }
    void SetSelectionResizer(bool Value) { ChangeAndRepaint(SelectionResizer, Value); }
    void SetDefaultAlignment(TAlignment Value) { ChangeAndRepaint(DefaultAlignment, Value); }
    void SetShowDesignHelper(bool Value) { ChangeAndRepaint(ShowDesignHelper, Value); }
    // Kept within 0 to 100.
    void SetSelectionColorMixerFactor(int Value);
    void SetShowSelection(bool Value);
    // Both go to the markup renderer too.
    void SetHighlightColor(TColor Value);
    void SetHighlightTextColor(TColor Value);
    void SetActiveCellFont(const TFont& Value);
    void SetFixedFont(const TFont& Value);
    void SetRowIndicator(const TBitmap& Value);
    void SetLookupItems(const TStringList* Value);
    void SetWordWrap(bool Value);
    bool WordWrap() const { return TBaseGrid::WordWrap(); }
    void SetVAlignment(TVAlignment Value);
    // The vertical text-drawing flag of VAlignment: 0 top, 4 centre, 8 bottom.
    unsigned VAlignmentFlag() const { return FVAlignFlag; }
    void SetFlat(bool Value);
    void SetMaxEditLength(int Value) { MaxEditLength = Value; }
    // Whatever the value, a spreadsheet-like grid selects ranges and edits.
    void SetSpreadSheet(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    int ScrollWidth() const { return FScrollWidth; }
    // The height of the fixed rows; the default row height makes every row that high.
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    // The width of column 0; the default column width leaves the fixed columns alone.
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    TFont* FixedFont() const { return FFixedFont.get(); }
    TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
    TBitmap* RowIndicator() const { return FRowIndicator.get(); }
    TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
    TStringList* RowHeaders() const { return FRowHeaders.get(); }
    TStringList* LookupItems() const { return FLookupItems.get(); }

    // Settings objects, owned by the grid.
    TNavigation* Navigation() const { return FNavigation.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    TBands* Bands() const { return FBands.get(); }
    TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
    TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
    TCellNode* CellNode() const { return FCellNode.get(); }
    TColumnSize* ColumnSize() const { return FColumnSize.get(); }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
    TBalloonSettings* Balloon() const { return FBalloon.get(); }
    TShowModified* ShowModified() const { return FShowModified.get(); }
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
    TBackGround* BackGround() const { return FBackGround.get(); }
    TControlLook* ControlLook() const { return FControlLook.get(); }
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
    TSortSettings* SortSettings() const { return FSortSettings.get(); }
    TFilter* Filter() const { return FFilter.get(); }
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
    TGrouping* Grouping() const { return FGrouping.get(); }
    THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
    TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }

    // Hidden columns (ExtGridIndexSpaces.cpp). Real columns 0 to 511 can be hidden.
    static constexpr int MaxHideableCol = 511;
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const { return FNumHidden; }
    int TotalColCount() const override { return ColCount() + FNumHidden; }
    int AllColCount() const { return TotalColCount(); }
    int RealColIndex(int ACol) const { return DisplToRealCol(ACol); }
    int DisplColIndex(int ACol) const override { return RealToDisplCol(ACol); }
    int RealCol() const { return RealColIndex(Col()); }

    // Hidden rows (ExtGridHiddenRows.cpp). FromRow and ToRow are real rows; a row list
    // holds display rows.
    void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    void HideRowList(const std::vector<int>& RowList);
    void UnHideRow(int RowIndex);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    void UnHideRowList();
    bool IsHiddenRow(int RowIndex) const { return FGridItems.Contains(RowIndex); }
    // For loops over many rows: the first call fills the empty list with the hidden rows,
    // later calls only look in it.
    bool IsHiddenRow(int RowIndex, std::vector<int>& ListHidden) const;
    int NumHiddenRows() const { return FGridItems.Count(); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    int RealRowIndex(int ARow) const { return DisplToRealRow(ARow); }
    int DisplRowIndex(int ARow) const { return RealToDisplRow(ARow); }
    int RealRow() const { return RealRowIndex(Row()); }
    int FilterLevel() const { return FFilterLevel; }
    // A row list level is undone by UnHideRowList; the caller then lowers the level.
    void SetFilterLevel(int Value) { FFilterLevel = Value; }

    // Dimensions, headers and moves (ExtGridDimensions.cpp). With FixedRowAlways the grid
    // may consist of fixed rows only: the fixed count then reads at least 1, and the count
    // last asked for comes back when rows are added; FixedColAlways likewise.
    void SetRowCount(int Value);
    void SetColCount(int Value);
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    // The largest counts the grid ever had.
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Fits the column to the grid's client width when ColumnSize.Stretch is on; -1 is the
    // last column.
    void StretchColumn(int Index);
    void StretchRightColumn() { StretchColumn(-1); }
    void SetColumnHeaders(const TStringList& Value);
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void SetRowHeaders(const TStringList& Value);
    void ShowRowHeaders();
    void ClearRowHeaders();
    void MoveRows(int FromIndex, int ToIndex, int Count);
    // The raw texts and objects of two cells change places, without hooks or repainting.
    void SwapCells(TPoint FromCell, TPoint ToCell);
    // The smallest rectangle holding every non-empty cell; (0, 0, 0, 0) when there is none.
    virtual TGridRect GetUsedCells() const;
    // Columns that sorting and searching skip.
    std::vector<int> IgnoreColumns;
    bool IsIgnoredColumn(int ACol) const;
    // The cells that saving writes.
    int SaveStartCol() const;
    int SaveEndCol() const;
    int SaveColCount() const;
    int SaveStartRow() const;
    int SaveEndRow() const;
    int SaveRowCount() const;

    // Cells as numbers (ExtGridTypedCells.cpp). A text that is no number raises
    // EExtGridError; an empty text or a lone "-" reads as 0. The All forms take real rows,
    // hidden ones included, and read the text with its markup.
    std::string StrippedCells(int ACol, int ARow) const;
    std::string AllCells(int ACol, int ARow) const;
    void SetAllCells(int ACol, int ARow, const std::string& Value);
    virtual std::string GetFloatFormat(int ACol, int ARow) const;
    int Ints(int ACol, int ARow) const;
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow) const;
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow) const;
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow) const;
    void SetAllFloats(int ACol, int ARow, double Value);
    // The value of the form control with that id in the cell's markup; empty when there is none,
    // and writing a missing control changes nothing.
    std::string ControlValues(int ACol, int ARow, const std::string& ID) const;
    void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value);
    // The printed width and left offset of columns 0 to 511, filled by printing.
    int PrintColWidth(int ACol) const;
    void SetPrintColWidth(int ACol, int Value);
    int PrintColOffset(int ACol) const;
    void SetPrintColOffset(int ACol, int Value);

    // Current cell and selection (ExtGridSelection.cpp).
    void SetRow(int ARow) override;
    // Takes effect only for a normal row.
    void SetTopRow(int Value);
    void GotoCell(int ACol, int ARow);
    // Moves the current cell with the anchor and scrolls it into view; SelectCell decides.
    void MoveCurrentCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }
    // The cell under a screen point; -1 where there is none.
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;
    void FocusCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    // Sets the editing state for the current cell again.
    void UpdateEditMode();
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    void SetSelection(const TGridRect& Value);
    void HideInplaceEdit();
    void RepaintRect(const TGridRect& R);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    // One listener at a time; unregistering clears it whatever is passed. Not owned.
    void RegisterSelListener(ITExtStringGridSelect* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(ITExtStringGridSelect*) { FISelect = nullptr; }
    // The text the current cell had when the focus arrived.
    const std::string& OriginalCellValue() const { return FCellCache; }

    // Row and column flags (ExtGridRowFlags.cpp).
    bool RowSelect(int ARow) const;
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void ClearRowSelect();
    void ClearColSelect();
    int RowSelectCount() const;
    int ColSelectCount() const;
    // The rows selected one by one, in the order they were selected.
    const std::vector<int>& SelectedRows() const { return FSelectedRows; }
    int SelectedRowCount() const { return static_cast<int>(FSelectedRows.size()); }
    void SyncRowSelect(bool All);
    void SyncColSelect(bool All);
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);

    // Cell questions (ExtGridCellHooks.cpp, ExtGridCellColors.cpp). ACol is a real column, ARow
    // a display row. Each gives the grid's own answer first, then lets its event change it;
    // the column grid overrides them to answer from its column settings.
    virtual void GetCellHint(int ACol, int ARow, std::string& Hint, std::string& WideHint);
    virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditorEx(int ACol, int ARow, TEditorType& AEditor);
    virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool HasCombo(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
    virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
    // Fills FilterEntries with the values a column's filter drop-down offers; false when
    // there are none.
    virtual bool GetColumnFilter(int ACol);
    TStringList* FilterEntries() const { return FFilterEntries.get(); }
    // Only an assigned OnGetCellCursor chooses a cell's mouse cursor. It is shown until the
    // mouse moves on, so the grid's own Cursor stays as it is.
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    TCursor ShownCursor() const { return FShownCursor; }
    virtual void CanAddRow(bool& CanAdd);
    virtual void CanInsertRow(int ARow, bool& CanInsert);

    // Notifications of the in-cell editors (ExtGridEditorNotifications.cpp).
    virtual void DoSearchFooterAction(const std::string& Value, int ACol, int ARow,
                                      TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    // False when OnRatingChange refuses the new rate.
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    // The current cell's date pickers changed or closed.
    void DateTimePickerChange(const TDateTimePicker& Picker);
    void DatePickerChange(const TDateTimePicker& Picker);
    void DatePickerCloseUp();
    // The current cell's button editor was clicked.
    void GridButtonClick() { DoButtonClick(Col(), Row()); }

    // Selection notifications and the balloon texts (ExtGridNotifications.cpp).
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void DoSelChange() {}
    // A date or time picker in the current cell changed its value.
    void DateTimeChanged(TDateTime Value);
    struct TBalloonText {
        std::string Title;
        std::string Text;
        int Icon = 0;
    };
    static constexpr int biInfo = 1;
    // The balloon of the cell under a client point, when balloons are on.
    std::optional<TBalloonText> BalloonTextAt(TPoint ClientPos);
    TPoint LastBalloonPos() const { return FLastBalloonPos; }

    // Focus, cursor and timer (ExtGridFocus.cpp, ExtGridTimer.cpp).
    static constexpr int GridTimerID = 111;
    static constexpr int GridTimerPeriod = 500;
    // The grid's own cursors.
    static constexpr TCursor crRowSelect = 8010;
    static constexpr TCursor crColumnSelect = 8011;
    static constexpr TCursor crSelectAll = 8012;
    static constexpr TCursor crCellSelector = 8014;
    int TimerTicks() const { return FTimerTicks; }
    // Typing a new search text starts its time anew; it is forgotten after four ticks.
    const std::string& IncrSearchText() const { return FSearchInc; }
    void SetIncrSearchText(const std::string& Value);
    bool GridBlink() const { return FGridBlink; }
    THoverFixedCells HoverFixedCells() const { return FHoverFixedCells; }
    void SetHoverFixedCells(THoverFixedCells Value) { FHoverFixedCells = Value; }
    bool IsHoverFixedCell(int ACol, int ARow) const;
    void ResetFixedCellHighlight();
    // The cursor over a client point: the select mode's, the cell selector's, the cell's own,
    // and over the sizing edge of a fixed cell the split cursor.
    TCursor CursorAt(TPoint ClientPos);
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    // The grid's own cursor changes keep the select mode; any other resets it.
    void SetMouseSelectMode(TMouseSelectMode Value, TCursor ACursor);

    // Sizing with the window and forced scroll bars (ExtGridSizing.cpp).
    // Records the column widths that ColumnSize.SynchWithGrid scales with the grid's width.
    void InitOrigColSizes();
    void SetScrollBarAlways(TScrollBarAlways Value);
    // Forced bars stay shown, disabled, while everything fits; with Hide and no forced bars
    // a bar whose rows or columns all fit is hidden.
    void ApplyScrollBarAlways(bool Hide);

    // Update lock (ExtGridUpdate.cpp): painting waits until every BeginUpdate has had its
    // EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);

    TRowChangedEvent OnRowChanged;
    TRowChangingEvent OnRowChanging;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowDisjunctSelectedEvent OnRowDisjunctSelected;

protected:
    // Cell hooks (ExtGridCellHooks.cpp); each asks its event last.
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual bool IsCellEditorNone(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed) const;
    virtual void IsReadOnlyCell(int ACol, int ARow, bool& CanEdit);
    virtual void CellChanging(int NewCol, int NewRow, bool& Allow);
    virtual void StoreOldCellValue(int ACol, int ARow);
    bool IsFixed(int ACol, int ARow) const override;
    void GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                  TColor& ColorMirror, TColor& ColorMirrorTo, TAlignment& HAlign,
                                  TVAlignment& VAlign, bool& WordWrap,
                                  TCellGradientDirection& GradientDirection) override;

    bool SelectCell(int ACol, int ARow) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    int GetEditLimit() override { return MaxEditLength; }
    // The painter asks for each cell's borders only when the window wants to give them.
    bool HasCustomCellBorders() const override { return static_cast<bool>(OnGetCellBorder); }
    void WndProc(TMessage& Message) override;
    void CreateWnd() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    virtual void GridTimerTick();
    void RepaintBlinkingCells();
    void EditOnFocus(TWinControl* Lost);
    // The grid's part of a resize to a client width; false when it has handled it fully.
    bool GridResized(int ClientWidth);
    void SynchColumnsWithGrid(int ClientWidth);
    // The stretch column fills the width; false when the other columns leave no room.
    bool StretchToWidth();
    // Set while other parts move the focus themselves: entering and leaving do nothing.
    bool FBlockFocus = false;
    bool FBlockKill = false;
    bool FCellSelectorMode = false;
    // Set while the grid moves the focus itself; the arriving focus is then ignored.
    bool FInvokedFocusChange = false;
    // The mouse is over (or drags) the sizing edge of a fixed column or of a fixed row.
    bool FSizeFixed = false;
    bool FSizingFixed = false;
    bool FSizeFixedR = false;
    bool FSizingFixedR = false;
    TPoint FHoverFixed{-1, -1};
    bool FNoMouseLeave = false;
    void Paint() override;
    void Loaded() override;
    void ColWidthsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;

    // While set, every cell may be selected without checks.
    bool FForceSel = false;
    // The grid itself switched the editing option.
    bool FEditChange = false;
    // Editing was switched off for a read-only cell and comes back on the next editable one.
    bool FEditDisable = false;
    // The text editor is shown.
    bool EditMode = false;
    TEditorType EditControl = edNormal;
    std::string FOldCellText;

private:
    template <typename T> void ChangeAndRepaint(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Invalidate();
    }
    void ApplyPlainLookColors(bool Suite, bool Classic);

    // The owner form's resize event (ExtGridLifecycle.cpp).
    void ChainOwnerFormResize(TComponent* AOwner);
    void UnchainOwnerFormResize();
    void OwnerFormResize(TObject* Sender);
    // Ties the settings objects' change events to the grid (ExtGridSettings.cpp).
    void WireSettings();

    // Index mappings.
    int RealToDisplCol(int ACol) const;
    int DisplToRealCol(int ACol) const;
    int RealToDisplRow(int ARow) const;
    int DisplToRealRow(int ARow) const;

    // Whole rows over every real column, with their heights.
    TGridItem TakeRow(int DisplRow) const;
    void PutRow(int DisplRow, const TGridItem& Item);
    void CopyRow(int FromRow, int ToRow);
    void ClearRowSlot(int DisplRow);
    // Removes Count display rows from DisplRow, closing the gap; the cells are not freed.
    void RemoveDisplayRows(int DisplRow, int Count);
    // Opens Count empty display rows at DisplRow.
    void InsertDisplayRows(int DisplRow, int Count);
    void HideRealRows(int FromRow, int ToRow, bool AtStoreEnd);
    // Restores the hidden rows of [FromRow, ToRow] whose items the store holds.
    void RestoreRows(int FromRow, int ToRow);
    // Puts the stored rows at the given display rows and frees their items.
    void RestoreItems(std::vector<int> Positions, const std::vector<int>& Targets);

    bool SavesAllCols() const;
    bool SavesAllRows() const;

    // Row flag helpers.
    void SetRunSelect(int RowIndex, int RCount, bool Value);
    void SetColRunSelect(int ColIndex, int CCount, bool Value);
    void CheckRowIndex(int ARow) const;
    void CheckWrittenRow(int ARow) const;
    void CheckColIndex(int ACol) const;
    // The first enabled normal row other than ARow, or -1.
    int FirstEnabledRowBut(int ARow) const;
    void RepaintSelectionAftermath(int OldCol, int OldRow, int ARow, const TGridRect& S);

    TCustomForm* FOwnerForm = nullptr;
    TNotifyEvent FKeptFormResize;
    TPoint FFormSize;

    TGridLook FLook = glXP;
    int FFixedRowHeight = 0;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    TColor FBorderColor;
    int FScrollWidth;

    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FActiveCellFont;
    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TStringList> FLookupItems;
    std::unique_ptr<TStringList> FFilterEntries;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TSyncGrid> FSyncGrid;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    std::unique_ptr<TCellNode> FCellNode;
    std::unique_ptr<TColumnSize> FColumnSize;
    std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
    std::unique_ptr<TBalloonSettings> FBalloon;
    std::unique_ptr<TShowModified> FShowModified;
    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    std::unique_ptr<TBackGround> FBackGround;
    std::unique_ptr<TControlLook> FControlLook;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;
    std::unique_ptr<TSortSettings> FSortSettings;
    std::unique_ptr<TFilter> FFilter;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    std::unique_ptr<TGrouping> FGrouping;
    std::unique_ptr<THTMLSettings> FHTMLSettings;
    std::unique_ptr<TPrintSettings> FPrintSettings;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;

    // Hidden columns: whether each real column is shown, and the width it had when hidden.
    std::array<bool, MaxHideableCol + 2> FVisibleCol;
    std::array<int16_t, MaxHideableCol + 2> FAllColWidths{};
    int FNumHidden = 0;
    // Hidden rows.
    THiddenRowStore FGridItems;
    int FFilterLevel = 0;

    // Current cell.
    int FOldRowSel = -1;
    std::string FCellCache;
    TGridRect FOldSelection;
    bool FSelHidden = false;
    ITExtStringGridSelect* FISelect = nullptr;

    // Row and column flags, by display row or column.
    std::vector<bool> FRowSelect;
    std::vector<bool> FColSelect;
    std::vector<int> FSelectedRows;
    std::vector<int> FModifiedRows;
    std::vector<int> FEnabledRows; // 1 for a disabled row
    bool FUseEnabledRows = false;
    bool FSelChange = false;

    int FUpdateCount = 0;
    TCursor FShownCursor = crDefault;
    unsigned FVAlignFlag = 0;
    int FTimerTicks = 0;
    int FSearchTics = 0;
    std::string FSearchInc;
    bool FGridBlink = false;
    THoverFixedCells FHoverFixedCells = hfNone;
    TMouseSelectMode FMouseSelectMode = msNormal;
    bool FInvokedChange = false;
    // The last mouse position over the client area, while the mouse is there.
    std::optional<TPoint> FMousePos;
    std::vector<int> FOrigColSizes;
    std::array<int, MaxHideableCol + 1> FPrintColWidths{};
    std::array<int, MaxHideableCol + 1> FPrintColOffsets{};
    int FOldSize = 0;
    TPoint FLastBalloonPos{-1, -1};
    // Guards of the column stretching: it runs once at a time, and not for the width
    // changes it makes itself.
    bool FColchgFlg = true;
    bool FIsColChanging = false;
    // Concerns built on the core, one block each; every block opens with its own access.
public:
    // ==== structure, sizing and cell accessors ====
    // ==== end of structure, sizing and cell accessors ====
public:
    // ==== painting ====
    // ==== end of painting ====
public:
    // ==== scrolling, hint windows, styles and looks ====
    // ==== end of scrolling, hint windows, styles and looks ====
public:
    // ==== in-place editing and validation ====
    // ==== end of in-place editing and validation ====
public:
    // ==== keyboard, window procedure, wheel and zoom ====
    // ==== end of keyboard, window procedure, wheel and zoom ====
public:
    // ==== mouse ====
    // ==== end of mouse ====
public:
    // ==== cell graphics and check boxes ====
    // (ExtGridCellGraphics*.cpp, ExtGridCheckBoxes.cpp, ExtGridRadios.cpp,
    // ExtGridCellGraphicSize.cpp, ExtGridCellGraphicDraw.cpp) ACol is a real column, ARow a
    // display row unless said otherwise. Cells outside the grid have no graphic and get none.

    // The store. A cell's graphic lives in its cell properties and dies with them.
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow) const;
    virtual TCellType GetCellType(int ACol, int ARow) const;
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
    bool HasCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> ATypes) const;
    // Cells that react to clicks and keys as controls.
    bool IsControlCell(int ACol, int ARow) const;
    // Cells whose text is shown as a graphic and not printed as text.
    bool IsDataGraphicCell(int ACol, int ARow) const;

    // Kinds of graphic: "Add" replaces any graphic the cell holds, "Remove" takes only its
    // own kind away.
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow) const;
    bool HasBitmap(int ACol, int ARow) const { return GetBitmap(ACol, ARow) != nullptr; }
    bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                    int Padding, TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int ACol, int ARow) const;
    bool HasPicture(int ACol, int ARow) const { return GetPicture(ACol, ARow) != nullptr; }
    bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow) const;
    bool RemoveFilePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    // Icons are any graphic; a created one is a bitmap for the caller to fill.
    void AddIcon(int ACol, int ARow, TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    // The object must offer IGridCellDrawer to be drawn or measured; the grid never frees it.
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    TObject* GetInterfacedCell(int ACol, int ARow) const;
    bool RemoveInterfacedCell(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                       TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const std::string& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow) const { return GetCellType(ACol, ARow) == ctProgress; }
    bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    void AddExtProgress(int ACol, int ARow, int Min, int Max);
    bool RemoveExtProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    bool RemoveProgressPie(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    bool RemoveRangeIndicator(int ACol, int ARow)
    {
        return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
    }
    void AddComment(int ACol, int ARow, const std::string& Comment);
    void AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, std::string& Comment) const;
    std::string GetComment(int ACol, int ARow) const;
    void SetComment(int ACol, int ARow, const std::string& Value);
    bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) const;
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    // Does not repaint.
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow) const;
    bool RemoveShape(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow) const { return GetCellType(ACol, ARow) == ctRating; }
    bool RemoveRating(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) const { return HasCellTypeIn(ACol, ARow, {ctScrollbar}); }
    bool HasAutoRangeScrollBar(int ACol, int ARow) const;
    int GetScrollPosition(int ACol, int ARow) const;
    void SetScrollPosition(int ACol, int ARow, int Pos);
    TScrollProp GetScrollProp(int ACol, int ARow) const;
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    bool RemoveScrollBar(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                   TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                             TCellVAlign val);
    // These three take a display column.
    void SetButtonText(int ACol, int ARow, const std::string& Value);
    std::string GetButtonText(int ACol, int ARow) const;
    void PushButton(int ACol, int ARow, bool Push);
    bool HasButton(int ACol, int ARow) const { return HasCellTypeIn(ACol, ARow, {ctButton, ctBitButton}); }
    bool RemoveButton(int ACol, int ARow);
    bool RemoveBitButton(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    // Where the painter drew a cell's button; ACol is a display column.
    TRect GetCellButtonRect(int ACol, int ARow) const;
    void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow) const { return HasCellTypeIn(ACol, ARow, {ctBalloon}); }
    bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon) const;
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool HasExpand(int ACol, int ARow) const { return HasCellTypeIn(ACol, ARow, {ctExpand}); }
    // An expand state is read and toggled only in expand cells: elsewhere false.
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow) const;
    int GetExpandHeight(int ACol, int ARow, bool Expanded) const;
    TRect GetExpandRect(int ACol, int ARow) const;
    bool RemoveExpand(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
    // The sort key of the image sort style: the picture's identity, or -1.
    intptr_t GetImageSortValue(int ACol, int ARow) const;

    // Check boxes. The adders raise "Invalid cell" for a cell outside the grid.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    void AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow) const;
    bool HasDataCheckBox(int ACol, int ARow) const;
    bool IsInCheckBox(int ACol, int ARow, int X, int Y);
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    // Sets a check box as a user would, telling OnCheckBoxChange when the state changed.
    bool ApplyCheckBoxState(int ACol, int ARow, bool Value);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxCell(ACol, ARow, false); }
    // The toggle of a mouse click or the Space key (FromUser) and of ToggleCheckBox.
    virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool FromUser);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);

    // Radio buttons of a column and radio groups in a cell (ExtGridRadios.cpp).
    void AddRadioButton(int ACol, int ARow, bool State);
    void RemoveRadioButton(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow) const;
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    bool IsRadioButtonChecked(int ACol, int ARow) const;
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol) const;
    // Selects the radio button of a row in its column and clears the others.
    virtual bool ToggleCheckBoxColumn(int ACol, int ARow, bool FromUser);
    // The captions stay the caller's.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
    // The captions belong to the cell; the caller fills them.
    TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    bool IsRadio(int ACol, int ARow) const { return HasCellTypeIn(ACol, ARow, {ctRadio}); }
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio) const;
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStringList* GetRadioStrings(int ACol, int ARow) const;
    // The Space key on a radio group: the next caption, wrapping to the first.
    void SelectNextRadio(int ACol, int ARow, bool FromUser);

    // Sizes of a cell's graphic (ExtGridCellGraphicSize.cpp).
    TPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
    // ExtraHeight is height already taken in the cell that a picture may not use.
    virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int ExtraHeight);
    // The room on a printed page printed at the factor Scale.
    virtual TPoint GetCellTextGraphicSize(int ACol, int ARow, int AWidth, int AHeight, double Scale);

    // Drawing (ExtGridCellGraphicDraw.cpp, ExtGridCheckBoxDraw.cpp): the cell painter's graphic
    // steps, the cell's graphic and its size, then drawing it; the check box and radio drawers
    // serve other painters too.
    TCellGraphic* GetCellGraphicInfo(int ACol, int ARow, TCellPaintContext& Context);
    void DrawCellGraphic(TCellPaintContext& Context, const TRect& Rect, TCellGraphic* Graphic,
                         TCellVAlign VAlign);
    void DrawCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled, bool Grayed,
                      TControlLook::TControlStyle Style, bool TriState, TCheckBoxState State);
    void DrawRadioGroup(TCanvas* Canvas, const TRect& R, int Count, int SelIndex, bool Horizontal,
                        bool Disabled, TStringList* Captions, bool Selected, int ACol, int ARow,
                        TControlLook::TControlStyle Style, double Scale, bool Reverse);
    static double LimitPercent(double Value) { return Value < 0 ? 0 : (Value > 100 ? 100 : Value); }
    // The cell's display text, through OnGetFloatFormat when that is assigned.
    virtual std::string GetFormattedCell(int ACol, int ARow);
    using TGetFloatFormatEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                                    std::string& FloatFormat)>;
    TGetFloatFormatEvent OnGetFloatFormat;

private:
    bool IsStoredCell(int ACol, int ARow) const;
    void CheckCheckBoxCell(int ACol, int ARow) const;
    // The graphic of the base cell of a merge.
    TCellGraphic* BaseCellGraphic(int ACol, int ARow) const;
    TCellGraphic* GraphicOfType(int ACol, int ARow, TCellType AType) const;
    void RepaintGraphicCell(int ACol, int ARow);
    // The rows of check-box columns, the first from CheckAllCheck.
    int FirstCheckBoxRow() const;
    // The row as the disjunct row flags know it.
    int RowFlagIndex(int ARow) const;
    // Selects the row, or every normal row for the header row.
    void SetRowCheck(int ARow, bool Value);
    std::string CheckText(int ACol, int ARow, bool Checked);
    bool IsCheckTrue(int ACol, int ARow);
    // False when a user may not change the cell's control.
    bool UserMayToggle(int ACol, int ARow, bool FromUser, bool AlwaysActive);
    void ForEachGridCell(const std::function<void(int, int)>& Action);
    TCellVAlign CheckBoxVAlign() const;
    TPoint CellMargin() const;
    void DrawCheckBoxCell(TCellPaintContext& Context, const TRect& R, const TCellGraphic& g, int TW, int L, int T,
                          int B);
    void DrawButtonCell(TCellPaintContext& Context, TCellGraphic& g, int L, int T, int Rt, int B);
    void DrawProgressCell(TCellPaintContext& Context, TRect R, const TCellGraphic& g);
    mutable std::unique_ptr<TCellGraphic> FRowCheckGraphic;
    // ==== end of cell graphics and check boxes ====
public:
    // ==== nodes, floating footer and cell operations ====
    // Nodes (ExtGridNodes.cpp, ExtGridNodeExpand.cpp): a node row heads a span of rows, its
    // graphic sits in column 0. Operations on rows that are no nodes change nothing and
    // answer -1, 0 or false. Arguments named ARow are display rows unless said "real".
    void AddNode(int ARow, int Span); // real
    void RemoveNode(int ARow);        // real
    void RemoveAllNodes();
    bool IsNode(int ARow) const;
    bool IsSummary(int ARow) const;
    void MarkSummaryRow(int ARow); // real
    bool GetNodeState(int ARow) const;
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow) const;
    int GetNodeSpan(int ARow) const;
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow) const;
    void UpdateSubNodeCount(int ARow, int Delta);
    // 0 for a node row, 2 for a row followed by a row of its level or deeper, 1 for the
    // last row at its level: the tree line the painter draws.
    int GetNodeSpanType(int ARow) const;
    void ExpandNode(int ARow);   // real
    void ContractNode(int ARow); // real
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow) const;
    // A row inside the span of the node that holds ARow, InsertAt rows below it; on a node
    // row with InsertAt 0 the node row's texts and cell objects move into the new row.
    void InsertChildRow(int ARow, int InsertAt); // real
    void RemoveChildRow(int ARow);               // real
    void InsertNormalRow(int ARow);              // real
    void RemoveNormalRow(int ARow);              // real
    int GetNodeIndent(int ARow) const override;
    bool HasNodes() const override { return FNumNodes > 0; }
    // Whether a click at client X in column 0 of the node row hits its glyph.
    bool IsNodeGlyphHit(int ARow, int X) const;

private:
    TCellGraphic* NodeGraphic(int ARow) const;
    // The display row below the last row of the node's span, hidden rows not counted.
    int NodeSpanEnd(int ARow) const;
    // The last real row that the node at display row ARow covers.
    int NodeLastRealRow(int ARow) const;
    int NextNodeRow(int ARow) const;
    void ChangeNodeLevels(int ARow, int Delta);
    // One display row in or out; the hidden rows below move with the rows around them.
    void InsertRowKeepingHidden(int ARow);
    void RemoveRowKeepingHidden(int ARow);
    // A checked or cleared box of a group: a node row passes it to its rows, any other row
    // makes its node's tri-state box show whether its rows agree.
    void CheckGroup(int ACol, int ARow, bool State);
    // The check box of a row that a contracted node hides.
    void SetHiddenCheckBoxState(int ACol, int ARealRow, bool State);
    // The parent row of ARow and the nodes enclosing it, from the nearest up.
    std::vector<int> ParentNodes(int ARow) const;
    // Opens a contracted node at display row ARow without touching the other nodes.
    void ExpandNodeRows(int ARow);
    // Contracts every open node except those holding the real row Keep.
    void ContractOtherNodes(int Keep);
    void ShowNodeRows(int FromRow, int ToRow);

public:
    // Operations on cell ranges and on the selection (ExtGridCellRanges.cpp,
    // ExtGridRowRemoval.cpp). Rows are display rows, columns real ones, except that
    // TrimRect takes display columns when SaveHiddenCells is on.
    void ClearSelection();
    // Blanks and control characters go at both ends; a range whose end lies before its
    // start is left alone.
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    // Runs of equal texts merge; without MainMerge only rows or columns that are merged
    // alike already take part.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // Keys are compared without regard to letter case, whatever DoCase says; the first row
    // of each key stays.
    void RemoveDuplicates(int ACol, bool DoCase);
    // The first cell, row by row, whose whole stored text equals SubStr, case included;
    // false leaves ACol and ARow alone.
    bool IsCell(const std::string& SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow) const;

private:
    // Runs of equal neighbouring texts along a column (Vertical) or a row from First to Last.
    void MergeEqualRuns(bool Vertical, int Line, int First, int Last, bool MainMerge);
    void SplitLine(bool Vertical, int Line, int Last);
    // Hides the given display rows, the lowest last, so that the others keep their places.
    void HideRowsOfCellOps(const std::vector<int>& Rows);

public:
    // The combo item list and other cell operations (ExtGridCellOperations.cpp).
    // TODO(lead): the in-place combo editor (EditCombo) shows ComboItems and preselects
    // its Selection for a cell whose text is not in the list.
    TComboItemList& ComboItems() { return *FComboItems; }
    void ClearComboString() { FComboItems->Clear(); }
    void AddComboString(const std::string& s) { FComboItems->Add(s); }
    void AddComboStringObject(const std::string& s, TObject* AObject) { FComboItems->Add(s, AObject); }
    bool RemoveComboString(const std::string& s) { return FComboItems->Remove(s); }
    // False, changing nothing, when s is not in the list.
    bool SetComboSelectionString(const std::string& s);
    void SetComboSelection(int idx) { FComboItems->SetSelection(idx); }
    int GetComboCount() const { return FComboItems->Count(); }
    // The index of the cell's text in the list (-1 when absent); writing sets the cell's text
    // to the item and raises the list's index error, the cell unchanged, outside the list.
    int ComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);

    void AddRotated(int ACol, int ARow, int AAngle, const std::string& s);
    void SetRotated(int ACol, int ARow, int AAngle);
    bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
    bool IsRotated(int ACol, int ARow, int& aAngle) const;

    // Encloses every visible occurrence of Text in the base cells of the range in the tag,
    // and takes the tag away again. Both work on the stored text, so that markup and
    // texts given by display hooks are never written back in their place.
    void TagTextInRange(const std::string& Text, const std::string& TagName, const TGridRect& Range,
                        bool DoCase);
    void UnTagTextInRange(const std::string& TagName, const TGridRect& Range);

    // Per-cell hooks of saving and loading.
    using TSaveCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
    using TLoadCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
    TSaveCellEvent OnSaveCell;
    TLoadCellEvent OnLoadCell;
    virtual void GetSaveCellText(int ACol, int ARow, std::string& Value) { Value = Cells(ACol, ARow); }
    virtual void SaveCell(int ACol, int ARow, std::string& Value);
    virtual void LoadCell(int ACol, int ARow, const std::string& Value);
    virtual void ExportNotification(int, int) {}
    virtual void ImportNotification(int, int) {}

    TNotifyEvent OnFilterDone;
    virtual void DoFilterDone()
    {
        if (OnFilterDone) OnFilterDone(this);
    }
    using TFixedEditEvent =
        std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor, TStringList* Values)>;
    TFixedEditEvent OnFixedEdit;
    // TODO(lead): the editors of fixed cells call it before they open.
    virtual void DoFixedEdit(int ACol, int ARow, TEditorType& AEditor, TStringList* Values)
    {
        if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
    }
    // Steps to the next editable inline control of the cell's markup after the control ID;
    // after the last one the grid takes the focus.
    void FocusNextCellControl(int ACol, int ARow, const std::string& ID);
    bool IsPasswordCellFlag(int ACol, int ARow)
    {
        bool isPassword = false;
        IsPasswordCell(ACol, ARow, isPassword);
        return isPassword;
    }

    // The floating footer's panel (FooterPanel.cpp), made on first use; the grid owns it.
    // TODO(lead): the grid makes it when it is made, docked at its bottom, and gives it the
    // height and visibility that FloatingFooter's Visible and Height ask for.
    class TFooterPanel* FooterPanel();
    using TFooterPaintEvent =
        std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)>;
    TFooterPaintEvent OnFooterPaint;

private:
    TFooterPanel* FFooterPanel = nullptr;
    void ForEachBaseCell(const TGridRect& Range, const std::function<void(int, int)>& Action);
    std::unique_ptr<TComboItemList> FComboItems = std::make_unique<TComboItemList>();
    int FNumNodes = 0;

public:
    // ==== end of nodes, floating footer and cell operations ====
};
