#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "grid/control/CellPaintContext.h"
#include "grid/control/ExtGridEditEvents.h"
#include "grid/control/ExtGridEnums.h"
#include "grid/control/ExtGridEvents.h"
#include "grid/control/ExtGridProperties.h"
#include "grid/control/HiddenRowStore.h"
#include "grid/foundation/model/BaseGrid.h"
#include "platform/rtl/Exceptions.h"

class TBackGround;
class TBalloonSettings;
class TBands;
class TCellNode;
class TColumnSize;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
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
class TEditLink;
class TExtStringGridCheck;
class TGridCombo;
class TGridEditBtn;
class TGridSpin;
class TGridUnitEditBtn;
class TGridCheckBox;
class TGridButton;
class TGridDatePicker;

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
    // (ExtGridEditing.cpp, ExtGridEditControls.cpp, ExtGridValidation.cpp) Col and the column
    // arguments are display columns unless said otherwise.
    bool IsEditable(int ACol, int ARow);
    // Reads back and hides the special editor of the current cell; the editor mode ends with
    // it, so that no later focus arrival opens the editor again.
    void HideCellEdit();
    // Opens the editor of the current cell as F2 does.
    void ShowCellEdit();
    // Editors keep Tab for themselves when the grid tabs or validates cells.
    bool EditorWantsTab() const;
    // The text of the current cell (its real column) and its writer, as editors use them.
    std::string GetCurrentCell() const;
    void SetCurrentCell(const std::string& Value);
    // ACol is a real column: stores Value the way an editor does.
    virtual void SetEditTextEx(int ACol, int ARow, const std::string& Value);
    // Puts the text the current cell had when editing began back.
    virtual void RestoreCellCache();
    // Validates the value typed for the kept cell and stores it; true when accepted.
    virtual bool ValidateCell(const std::string& NewValue);
    virtual bool ValidateCellWide(const std::string& NewValue);
    // A column's values changed (ACol real).
    virtual void CellsLoaded(int ACol, int ARow);
    virtual void DoCellsChanged(const TRect& R);
    virtual void ColumnsChanged();
    // Notifiers hear of changed cells in registration order; each is kept once. Not owned.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    // The user changed the grid's content.
    bool Modified() const { return FGridModified; }
    void SetModified(bool Value) { FGridModified = Value; }
    // The text the last validation decided on.
    const std::string& NewCellText() const { return FNewCellText; }
    bool LastValidation() const { return FLastValidation; }
    bool IsEditMode() const { return EditMode; }
    // The special editor shown now, or none.
    TWinControl* ActiveEditControl() const { return EditCtrl; }
    // The special editors, each made on first use and owned by the grid.
    TGridCombo* EditCombo();
    TGridEditBtn* EditBtn();
    TGridSpin* SpinEdit();
    TGridUnitEditBtn* UnitEditBtn();
    TGridCheckBox* EditCheck();
    TGridButton* GridButton();
    TGridDatePicker* DatePicker();
    int ComboIdx = -1;
    int MaxComboLength = 0;
    bool AlwaysValidate = false;
    // A "." typed on the numeric keypad is the decimal separator (the spin editor applies it).
    bool ExcelStyleDecimalSeparator = false;
    bool EditWithTags = false;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    std::string ValidChars;
    TExtStringGridCheck* CellChecker = nullptr;

    TCellValidateEvent OnCellValidate;
    TCellValidateEvent OnCellValidateWide;
    TCellsChangedEvent OnCellsChanged;
    TNotifyEvent OnEditingDone;
    TEditCellDoneEvent OnEditCellDone;
    TGetEditorPropEvent OnGetEditorProp;
    TGetEditorPropIntEvent OnGetEditorPropInt;
    TComboObjectChangeEvent OnComboObjectChange;
    TEllipsClickEvent OnEllipsClick;
    TSpinClickEvent OnSpinClick;
    TClipboardAllowEvent OnClipboardCopy;
    TClipboardAllowEvent OnClipboardCut;
    TClipboardAllowEvent OnClipboardPaste;
    TClipboardBeforePasteEvent OnClipboardBeforePasteCell;
    TEditChangeEvent OnClipboardAfterPasteCell;

protected:
    friend class TExtInplaceEdit;
    friend class TGridCombo;
    friend class TGridEditBtn;
    friend class TGridSpin;
    friend class TGridUnitEditBtn;
    friend class TGridCheckBox;
    friend class TGridButton;
    friend class TGridDatePicker;
    bool CanEditShow() override;
    TInplaceEdit* CreateEditor() override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    bool CellEditAllowed(int ACol, int ARow);
    virtual void GetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    void ShowEditControl(int ACol, int ARow);
    void HideEditControl(int ACol, int ARow);
    // Fires OnEditingDone and posts the message that becomes OnEditCellDone (ACol real).
    void EditingDone(int ACol, int ARow);
    // The grid's window procedure hands every message here first; true when it was the
    // editing-done message.
    bool HandleEditDoneMessage(TMessage& Message);
    void FireComboChange(int AItemIndex, const std::string& ASelection);
    // The exit protocol of the special editors. The current cell takes the editor's text,
    // which is then validated; true when accepted.
    bool StoreAndValidate(const std::string& Text);
    // Closes the editor with the focus back on the grid, which then takes Tab and the arrow
    // keys so that the current cell moves.
    void DoneInplaceEdit(Word Key, TShiftState Shift);
    // Tab leaves the cell: with goTabs the grid moves on at once, else the key is posted.
    void TabOutOfEditor(TShiftState Shift);
    // A special editor lost the focus: its value is stored, unless it is being read back.
    void SpecialEditorLeft();
    void EditorTextChanged(const std::string& Text);
    // The text of an ellipsis button's cell, as the application's OnEllipsClick changes it.
    virtual std::string DoEllipsClick(const std::string& Text);
    // The value was refused: the editor opens again on the kept cell.
    void ReopenRefusedEdit(const std::string& CellText);

    TWinControl* EditCtrl = nullptr;
    bool FEditing = false;
    bool FValidating = false;
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FEntered = false;
    bool FNoEditChange = false;
    bool FShowEditProcess = false;
    bool FLastValidation = true;
    char32_t FStartEditChar = 0;
    int FOldCol = -1;
    int FOldRow = -1;
    bool FOldModifiedValue = false;
    bool FModified = false;
    bool FGridModified = false;
    std::string FNewCellText;
    // The text the editor was loaded with, for (real column, row): an unchanged text may
    // lack the markup the cell holds, and must not replace it.
    std::string FLoadedEditText;
    TPoint FLoadedEditCell{-1, -1};
    TGridCombo* FEditCombo = nullptr;
    TGridEditBtn* FEditBtn = nullptr;
    TGridSpin* FEditSpin = nullptr;
    TGridUnitEditBtn* FUnitEditBtn = nullptr;
    TGridCheckBox* FEditCheck = nullptr;
    TGridButton* FGridButton = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    std::vector<TGridChangeNotifier*> FNotifierList;

private:
    // What the editor gives back: the stored text when the editor returns what it was loaded
    // with, else the value itself.
    std::string UneditedToStored(int RealCol, int ARow, const std::string& Value) const;
    void StoreValidatedValue(int ACol, int ARow, const std::string& Value);
    void ShowComboEditor(const TRect& Rect, int RealCol, int ARow);
    void ShowEditBtnEditor(const TRect& Rect, int RealCol, int ARow);
    void ShowSpinEditor(const TRect& Rect, int RealCol, int ARow);
    void ShowUnitEditor(const TRect& Rect, int RealCol, int ARow);
    void ShowDatePicker(const TRect& Rect, int RealCol, int ARow);
    void StoreSpinValue(int RealCol, int ARow);
    // Shows a special editor placed over the cell, with the focus and the start character.
    void PresentEditor(TWinControl* Editor, const TRect& Rect);
    void CloseEditor(TWinControl* Editor);
    // ==== end of in-place editing and validation ====
public:
    // ==== keyboard, window procedure, wheel and zoom ====
    // ==== end of keyboard, window procedure, wheel and zoom ====
public:
    // ==== mouse ====
    // ==== end of mouse ====
public:
    // ==== cell graphics and check boxes ====
    // (ExtGridCheckBoxes.cpp, ExtGridCellGraphicDraw.cpp) ACol is a real column, ARow a
    // display row unless said otherwise.
    TCellGraphic* GetCellGraphic(int ACol, int ARow) const;
    bool HasCheckBox(int ACol, int ARow) const;
    bool HasDataCheckBox(int ACol, int ARow) const;
    bool HasRadioButton(int ACol, int ARow) const;
    bool IsInCheckBox(int ACol, int ARow, int X, int Y);
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    // The toggle of a mouse click or the Space key (FromUser) and of ToggleCheckBox.
    virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool FromUser);
    // Selects the radio button of a row in its column and clears the others.
    virtual bool ToggleCheckBoxColumn(int ACol, int ARow, bool FromUser);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    // The cell painter's graphic steps: the cell's graphic and its placement, then drawing it.
    TCellGraphic* GetCellGraphicInfo(int ACol, int ARow, TCellPaintContext& Context);
    void DrawCellGraphic(TCellPaintContext& Context, const TRect& Rect, TCellGraphic* Graphic,
                         TCellVAlign VAlign);
    // ==== end of cell graphics and check boxes ====
};
