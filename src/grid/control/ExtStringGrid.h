#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "grid/foundation/model/CellAddress.h"
#include "grid/control/CellPaintContext.h"
#include "grid/control/ComboItemList.h"
#include "grid/control/DropDownCellEditing.h"
#include "grid/control/ExtGridEditEvents.h"
#include "grid/control/ExtGridEnums.h"
#include "grid/control/ExtGridEvents.h"
#include "grid/control/ExtGridKeyEvents.h"
#include "grid/control/ExtGridProperties.h"
#include "grid/control/ExtGridScrollStyleTypes.h"
#include "grid/control/GridDropDownEditorEvents.h"
#include "grid/control/columns/ColumnSpace.h"
#include "grid/control/rows/RowSpace.h"
#include "grid/control/MoveMarkers.h"
#include "grid/control/editing/CursorWalk.h"
#include "grid/control/editing/EditSession.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/dragdrop/DragDropFormats.h"
#include "grid/foundation/model/BaseGrid.h"
#include "grid/foundation/model/ControlList.h"
#include "grid/foundation/model/GridEvents.h"
#include "grid/foundation/model/IntList.h"
#include "grid/foundation/painting/CellButtons.h"
#include "grid/foundation/painting/CellGraphics.h"
#include "grid/foundation/painting/OfficeTheme.h"
#include "grid/foundation/text/FilterExpression.h"
#include "grid/control/FindParameters.h"
#include "grid/control/GridPrinting.h"
#include "grid/control/SortTextCache.h"
#include "platform/rtl/Exceptions.h"

class TMemoryStream;
class TFileProgress;
class TBackGround;
class TBalloonSettings;
class TBalloonWindow;
class TBands;
class TCellNode;
class TColumnPositionStore;
class TColumnSize;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TFilePicture;
class TFilter;
class TFilterData;
class TFilterDropDown;
class TDropList;
class TDropCheckList;
class TFloatingFooter;
class TGridDropTarget;
class THeaderDragButton;
class TGridProgressAppearance;
class TGrouping;
class THTMLHintWindow;
class THTMLSettings;
class TPrintSettings;
class TScrollBar;
class TScrollControl;
class TTimer;
class TSortSettings;
class TSortColumnKeys;
class TSortKeyTable;
struct TSortKey;
struct TSortColumnFormat;
struct TSortLevel;
struct TSortRun;
class TCustomEdit;
class TCustomForm;
class TCustomImageList;
class TDateTimePicker;
class TFocusHelper;
class TMouseActions;
class TNavigation;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TExtRichEdit;
class TRichEdit;
class TStringList;
class TListBox;
class TSyncGrid;
class THintWindow;
struct THintInfo;
struct THtmlDrawResult;
class TPopupMenu;
class THeaderDragButton;
class TNoActiveForm;
class TEditLink;
class TExtStringGridCheck;
class TGridCombo;
class TGridEditBtn;
class TGridSpin;
class TGridUnitEditBtn;
class TGridCheckBox;
class TGridButton;
class TGridDatePicker;
class TDropDownCellEditors;
class IDropDownCellEditing;
class TGridDateTimePicker;
class TItemStrings;

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
class TExtStringGrid : public TBaseGrid,
                       public TExtGridProperties,
                       public TExtGridCellEvents,
                       public TExtGridPrintEvents {
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
    static constexpr int MaxHideableCol = TColumnSpace::MaxHideable;
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const { return FColumns.HiddenCount(); }
    int TotalColCount() const override { return ColCount() + FColumns.HiddenCount(); }
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
    bool IsHiddenRow(int RowIndex) const { return FRows.IsHidden(TRealRow(RowIndex)); }
    // For loops over many rows: the first call fills the empty list with the hidden rows,
    // later calls only look in it.
    bool IsHiddenRow(int RowIndex, std::vector<int>& ListHidden) const;
    int NumHiddenRows() const { return FRows.HiddenCount(); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int AllRowCount() const { return TotalRowCount(); }
    int RealRowIndex(int ARow) const { return DisplToRealRow(TDisplRow(ARow)).Index(); }
    int DisplRowIndex(int ARow) const { return RealToDisplRow(TRealRow(ARow)).Index(); }
    int RealRow() const { return RealRowIndex(Row()); }
    // The undo history's view of the rows: it keeps stored rows and writes hidden ones too.
    TRealRow StoredRowAt(TDisplRow ADisplRow) const override { return DisplToRealRow(ADisplRow); }
    bool IsRowShown(TRealRow ARealRow) const override { return ARealRow.Index() >= 0 && !FRows.IsHidden(ARealRow); }
    TDisplRow ShownRowOf(TRealRow ARealRow) const override { return RealToDisplRow(ARealRow); }
    std::string StoredCellText(TStoredCell Cell) const override;
    void SetStoredCellText(TStoredCell Cell, const std::string& Value) override;
    // The rows' owner, for reading: tests check its consistency after every step.
    const TRowSpace& RowSpace() const { return FRows; }
    const TColumnSpace& ColumnSpace() const { return FColumns; }
    int FilterLevel() const { return FFilterLevel; }
    // A row list level is undone by UnHideRowList; the caller then lowers the level.
    void SetFilterLevel(int Value) { FFilterLevel = Value; }

    // Dimensions, headers and moves (ExtGridDimensions.cpp). With FixedRowAlways the grid
    // may consist of fixed rows only: the fixed count then reads at least 1, and the count
    // last asked for comes back when rows are added; FixedColAlways likewise.
    void SetRowCount(int Value);
    // A smaller count also cuts the hidden columns right of the new last column.
    void SetColCount(int Value);
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);

protected:
    // Every change of the shown column count passes here, the grid's own ones too (hiding,
    // showing, inserting, removing, Assign, the Enter advance): virtual, so that a grid
    // keeping per-column state follows each.
    virtual void SetShownColCount(int Value);

public:
    // The largest counts the grid ever had.
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Fits the column to the grid's client width when ColumnSize.Stretch is on; -1 is the
    // last column. An index at or beyond ColCount raises.
    void StretchColumn(int Index);
    void StretchRightColumn() { StretchColumn(-1); }
    virtual void SetColumnHeaders(const TStringList& Value);
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
    // As AllCells, the stored texts without the display hook; a hidden row's cell must
    // exist to be written.
    std::string AllGridCells(int ACol, int ARow) const;
    void SetAllGridCells(int ACol, int ARow, const std::string& Value);
    std::string AllWideCells(int ACol, int ARow) const { return AllCells(ACol, ARow); }
    void SetAllWideCells(int ACol, int ARow, const std::string& Value) { SetAllCells(ACol, ARow, Value); }
    // The cell's own object (what Objects holds), by real row: a hidden row keeps it in
    // its cell properties, which the writer makes when the cell has none.
    TObject* AllObjects(int ACol, int ARow) const;
    void SetAllObjects(int ACol, int ARow, TObject* Value);
    // The cell of the row that stood at ARow before the sorts since the last InitSortXRef.
    std::string UnSortedCells(int ACol, int ARow) const;
    void SetUnSortedCells(int ACol, int ARow, const std::string& Value);
    // The real index of the position the row now at ARow had before sorting.
    int SortedRowIndex(int ARow) const;
    // Where the row that stood at ARow before sorting stands now; the list's count when no
    // row came from there.
    int UnSortedRowIndex(int ARow) const;
    virtual std::string GetFloatFormat(int ACol, int ARow) const;
    int Ints(int ACol, int ARow) const;
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow) const;
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow) const;
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow) const;
    void SetAllFloats(int ACol, int ARow, double Value);
    // A cell's text as a date or a time of day in the format settings' formats; a text that
    // is none raises EConvertError.
    TDateTime Dates(int ACol, int ARow) const;
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow) const;
    void SetTimes(int ACol, int ARow, TDateTime Value);
    // The value of the form control with that id in the cell's markup; empty when there is none,
    // and writing a missing control changes nothing.
    std::string ControlValues(int ACol, int ARow, const std::string& ID) const;
    void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value);
    // The printed width and left offset of columns 0 to 511, filled by printing.
    int PrintColWidth(int ACol) const;
    void SetPrintColWidth(int ACol, int Value);
    int PrintColOffset(int ACol) const;
    void SetPrintColOffset(int ACol, int Value);

    // Printing and the print preview (services/print/ExtGridPrint.cpp). Ranges are display
    // columns and rows; the Selected variants print only the selected rows and columns.
    // A preview draws the pages PreviewPage set (page 1 at first) onto the display rectangle.
    void Print();
    void PrintRect(const TGridRect& ARect);
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    void PrintPreview(TCanvas* Canvas, const TRect& DisplayRect);
    void PrintPreviewRect(TCanvas* Canvas, const TRect& DisplayRect, const TGridRect& ARect);
    void PrintPreviewSelection(TCanvas* Canvas, const TRect& DisplayRect);
    void PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& DisplayRect);
    void PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& DisplayRect);
    // Page 1 of the cells drawn into a rectangle of any canvas.
    void PrintDraw(TCanvas* Canvas, const TRect& ARect);
    void PrintDrawRect(TCanvas* Canvas, const TRect& ARect, const TGridRect& GridRect);
    void SetPreviewPage(int Page) { FPrintState.PageFrom = FPrintState.PageTo = Page; }
    int PrintNrOfPages() const { return FPrintState.PageNum; }
    int PrintColStart() const { return FPrintState.ColStart; }
    int PrintColEnd() const { return FPrintState.ColEnd; }
    TRect PrintPageRect() const { return FPrintState.PageRect; }
    int PrintPageWidth() const { return FPrintState.PageWidth; }
    bool IsPrintPreview() const { return FPrintState.IsPreview; }
    // Skips the counting pass: the page total is then unknown.
    bool FastPrint = false;
    bool PrinterDriverFix = false;
    TGridPrintState& PrintState() { return FPrintState; }

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
    const std::string& OriginalCellValue() const { return FEditSession.TextBefore(); }
    // The cell the last edit was of, by its stored row, wherever the rows went since.
    TStoredCell EditedCell() const { return FEditSession.Cell(); }

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
    const std::vector<int>& SelectedRows() const { return FRows.Flags().SelectionOrder(); }
    // With disjunct selection the rows (columns) picked one by one; otherwise those of the
    // selection rectangle, widened by a merged cell at its corner.
    int SelectedRowCount() const;
    int SelectedColCount() const;
    // Entry Index of the selected rows; -1 past the last.
    int SelectedRow(int Index) const;
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
    // Whether the cell's text ends in "..." where it does not fit: the grid's EnhTextSize,
    // which a grid with settings by column may answer cell by cell.
    virtual bool CellEndsInEllipsis(int /*ACol*/, int /*ARow*/) const { return EnhTextSize; }
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
    // The current cell's date pickers changed, closed or dropped their calendar down.
    void DateTimePickerChange(const TDateTimePicker& Picker);
    void DatePickerChange(const TDateTimePicker& Picker);
    void DatePickerCloseUp();
    void DatePickerDropDown();
    // The current cell's button editor was clicked.
    void GridButtonClick() { DoButtonClick(Col(), Row()); }

    // Selection notifications and the balloon texts (ExtGridNotifications.cpp).
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    // The text editor's text, the start of the character before its caret (client point;
    // (-1, -1) when the editor was left) and its caret position, after each key and on leaving.
    virtual void DoSelChange(const std::string&, TPoint, int) {}
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
    void ResetUpdate();
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
    bool HasCustomCellBorders() const override;
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
    bool FCellSelectorMode = false;
    // The mouse is over (or drags) the sizing edge of a fixed column or of a fixed row.
    bool FSizeFixed = false;
    bool FSizingFixed = false;
    bool FSizeFixedR = false;
    bool FSizingFixedR = false;
    TPoint FHoverFixed{-1, -1};
    bool FNoMouseLeave = false;
    void Paint() override;
    bool HoldsRepaintBack() override;
    void Loaded() override;
    void ColWidthsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;

    // While set, every cell may be selected without checks.
    bool FForceSel = false;
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
    void ClearLookGradients();
    void ApplyPlainLookColors(TGridLook Value);

    // The owner form's resize event (ExtGridLifecycle.cpp).
    void ChainOwnerFormResize(TComponent* AOwner);
    void UnchainOwnerFormResize();
    void OwnerFormResize(TObject* Sender);
    // Ties the settings objects' change events to the grid (ExtGridSettings.cpp).
    void WireSettings();

    // Index mappings.
    int RealToDisplCol(int ARealCol) const;
    int DisplToRealCol(int ADisplCol) const;
    TDisplRow RealToDisplRow(TRealRow ARealRow) const { return FRows.ToDispl(ARealRow); }
    TRealRow DisplToRealRow(TDisplRow ADisplRow) const { return FRows.ToReal(ADisplRow); }
    TRealCol ToRealCol(TDisplCol ADisplCol) const { return TRealCol(DisplToRealCol(ADisplCol.Index())); }
    TDisplCol ToDisplCol(TRealCol ARealCol) const { return TDisplCol(RealToDisplCol(ARealCol.Index())); }
    // The shown cell at a place of the selection.
    TShownCell ShownCellAt(TSelectedCell Place) const { return {ToRealCol(Place.Col), Place.Row}; }
    // The stored cell a shown cell is, which keeps naming it wherever its row goes.
    TStoredCell StoredCellOf(TShownCell Cell) const { return {Cell.Col, DisplToRealRow(Cell.Row)}; }

    // Shown cells, typed: the only way the grid's own operations reach a cell's text.
    std::string CellAt(TShownCell Cell) const { return Cells(Cell.Col.Index(), Cell.Row.Index()); }
    void SetCellAt(TShownCell Cell, const std::string& Value) { SetCells(Cell.Col.Index(), Cell.Row.Index(), Value); }
    // The text shown at a place of the selection.
    std::string TextAt(TSelectedCell Place) const { return CellAt(ShownCellAt(Place)); }

    // The one walk over many cells: every operation over the selection, an area or the
    // normal cells reaches its cells here, rows outer and left to right, each as the shown
    // cell it is. With HiddenCols the hidden columns between the place left of the area and
    // the place right of it are walked too.
    using TShownCellVisit = std::function<void(TShownCell)>;
    void ForEachShownCell(const TSelectedRect& Area, bool HiddenCols, const TShownCellVisit& Visit) const;
    // The selection rectangle, corners in order.
    TSelectedRect SelectedRect() const;
    // The cells of the selection: the rows picked one by one (over the shown columns
    // RowCols, with HiddenCols also the hidden ones among them), the columns picked one by
    // one (over every row), or the selection rectangle.
    void ForEachSelectedCell(TDisplCol RowColsFrom, TDisplCol RowColsTo, bool HiddenCols,
                             const TShownCellVisit& Visit) const;
    // The shown normal columns the selection holds (Picked) or leaves, as real columns from
    // the right, so that removing them one by one keeps the others' indexes.
    std::vector<TRealCol> SelectedRealCols(bool Picked) const;
    // A set of cells given by its walk, for the operations that serve several areas.
    using TShownCellWalk = std::function<void(const TShownCellVisit&)>;
    // A range as the public cell operations take it: real columns and display rows.
    static TShownCellWalk CellsOfRange(const TGridRect& Range);

    // Whole rows over every real column, with their heights.
    // The row's slot is left empty.
    TGridItem TakeRow(TDisplRow ADisplRow);
    void PutRow(TDisplRow ADisplRow, const TGridItem& Item);
    // AToRow takes AFromRow's cells and height; AFromRow's slot is left empty.
    void MoveRowCells(TDisplRow AFromRow, TDisplRow AToRow);
    void ClearRowSlot(TDisplRow ADisplRow);
    // Removes Count display rows from ADisplRow, closing the gap; the cells are not freed.
    void RemoveDisplayRows(TDisplRow ADisplRow, int Count);
    // Opens Count empty display rows at ADisplRow.
    void InsertDisplayRows(TDisplRow ADisplRow, int Count);
    // InsertRows at a stored position, which may lie before hidden rows.
    void InsertRowsAt(TRealRow At, int RCount, bool UpdateCellControls = true);
    // The cells and heights of Count display rows from AFromRow now stand from AToRow.
    void MoveDisplayRows(TDisplRow AFromRow, int Count, TDisplRow AToRow);
    void HideRealRows(TRealRow AFromRow, TRealRow AToRow, bool AtStoreEnd, THideReason Reason);
    // Restores the hidden rows of [AFromRow, AToRow] whose items the store holds.
    void RestoreRows(TRealRow AFromRow, TRealRow AToRow);
    // Restores every hidden row whose item Restored accepts, each at the display row its
    // real row gives among the rows that stay hidden.
    void RestoreItemsWhere(const std::function<bool(const TGridItem&)>& Restored);
    // Puts the stored rows at the given display rows (ascending) and frees their items.
    void RestoreItems(std::vector<int> Positions, const std::vector<TDisplRow>& Targets);

    bool SavesAllCols() const;
    bool SavesAllRows() const;

    // Row flag helpers.
    void SetRunSelect(int ADisplRow, int RCount, bool Value);
    void SetColRunSelect(int ColIndex, int CCount, bool Value);
    void CheckRowIndex(int ARow) const;
    void CheckWrittenRow(int ARow) const;
    void CheckColIndex(int ACol) const;
    // The first enabled normal row other than ADisplRow, or -1.
    int FirstEnabledRowBut(int ADisplRow) const;
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
    bool FColumnHeadersChanging = false; // the headers are being set: the list's change is ours
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

    // The columns: hidden ones with their widths, the real and display mapping, the order
    // before the moves, the column selection flags.
    TColumnSpace FColumns;
    // The rows: hidden ones with their reasons, the real and display mapping, the row flags.
    TRowSpace FRows;
    int FFilterLevel = 0;

    // Current cell.
    int FOldRowSel = -1;
    TGridRect FOldSelection;
    bool FSelHidden = false;
    ITExtStringGridSelect* FISelect = nullptr;

    bool FUseEnabledRows = false;
    bool FSelChange = false;

    int FUpdateCount = 0;
    // A cell, row or column changed while the lock held its repaint back.
    bool FRepaintHeldBack = false;
    // The cell controls by real column and real row, and how many cells hold one.
    TControlList FControlList;
    int FNumCellControls = 0;
    // Removed rows or columns (real indexes, ascending) drop their controls; the controls
    // after them move up. Inserted ones move the controls from Index on along.
    void DropCellControls(const std::vector<int>& Removed, bool Rows);
    void OpenCellControls(int Index, int Count, bool Rows);
    void SwapCellControls(int Index1, int Index2, bool Rows);
    // A freed control leaves its cell and the list.
    void ForgetCellControl(const TComponent* AComponent);
    TCellProperties* RealCellProperties(int ARealCol, int ARealRow) const;
    // The font Fonts fills for a cell.
    std::unique_ptr<TFont> FCellFont = std::make_unique<TFont>();
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
    TGridPrintState FPrintState;
    int FOldSize = 0;
    TPoint FLastBalloonPos{-1, -1};
    // Guards of the column stretching: it runs once at a time, and not for the width
    // changes it makes itself.
    bool FColchgFlg = true;
    bool FIsColChanging = false;
    // Concerns built on the core, one block each; every block opens with its own access.
public:
    // ==== structure, sizing and cell accessors ====
    // Rows and columns (ExtGridStructure.cpp). Rows are display rows, columns real columns.
    // Each operation moves everything that belongs to a row or a column with its cells:
    // heights and widths, the hidden rows' places, the row and column flags and the cell
    // properties with their graphics.
    virtual void RemoveRows(int RowIndex, int RCount);
    // Moves texts and objects only, not heights; the objects of the removed rows are the
    // caller's, who has usually copied them elsewhere.
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    // As RemoveRows, and OnRowMoved tells of each row leaving.
    virtual void RemoveRowsInternal(int RowIndex, int RCount);
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    virtual void RemoveCols(int ColIndex, int CCount);
    virtual void InsertCols(int ColIndex, int CCount);
    // A shown floating footer stays the last row.
    void AddRow();
    void AddColumn() { InsertCols(TotalColCount(), 1); }

    // Emptying cells (ExtGridClear.cpp). ClearRect takes display columns; with
    // SaveHiddenCells the hidden columns keep their cells.
    bool ClearTextOnly = false;
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void Clear();
    // Also empties the rows that are hidden.
    void ClearAll();

    // Sizing to the contents (ExtGridAutoSize.cpp). A limit of 0 or less is no limit, and
    // equal lower and upper limits leave a size as it is.
    int MinColWidth = 0;
    int MaxColWidth = 0;
    int MinRowHeight = 0;
    int MaxRowHeight = 0;
    bool SizeGrowOnly = false;
    // The text margin inside a cell, on both sides unless XYOffsetTopLeftOnly.
    TPoint XYOffset{2, 2};
    bool XYOffsetTopLeftOnly = false;
    int GetTotalXOffset() const { return XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X; }
    int GetTotalYOffset() const { return XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y; }
    // ACol is a display column.
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    void AutoSizeCells(bool DoFixedCells, int PaddingX = 0, int PaddingY = 0);
    // The columns fill the grid's width exactly: the fixed ones stay unless DoFixedCells.
    void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    // The sizes measure the cell's text with GetCellTextSize (painting block).
    virtual void UpdateAutoColumnSize(int ACol, int& AWidth);
    TUpdateColumnSizeEvent OnUpdateColumnSize;

    // Numbering and swapping (ExtGridNumbering.cpp).
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    TSortDirection AutoNumberDirection = sdAscending;
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    // Cells swap with their properties; widths, heights and the sort column follow.
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    // The swap of sorting: with SortSettings.SingleColumn only the sort column's cells move;
    // otherwise whole rows with their heights, and their selection and modified flags.
    virtual void SortSwapRows(int ARow1, int ARow2);
    // Row swaps that sorting made.
    int Swaps = 0;
    // Row Left + k receives the row that stood at Left + Order[k], through SortSwapRows, so
    // each row carries what a sort swap carries.
    void ReorderSortedRows(int Left, std::span<const int> Order);
    // A row that follows its content through the sort swaps; -1 for none.
    int SortRow = -1;

    // The footer row (ExtGridFooter.cpp): with a floating footer of style fsFixedLastRow
    // the last row shows the calculations that its cells' properties ask for.
    void UpdateFooter();
    void CalcFooter(int ACol) { CalcFooterCells(ACol); }
    // ACol -1 recalculates every column.
    virtual void CalcFooterCells(int ACol);
    TCalcFooterEvent OnCalcFooter;
    void SetFixedFooters(int Value);
    void SetFixedRightCols(int Value);
    // The floating footer is as high as a row.
    void SetDefaultRowHeight(int Value);

    // Row hooks of the editing and keyboard code (ExtGridLineHooks.cpp), on real rows.
    virtual void InsertRowNode(int ARow);
    // The only normal row left is emptied instead; OnAutoDeleteRow follows either way.
    virtual void AutoDeleteRow(int ARow);
    // Appends one row.
    virtual void RowCountChanged() { SetRowCount(RowCount() + 1); }
    virtual void UpdateColumnSize(int ACol, int& AWidth) { UpdateAutoColumnSize(ACol, AWidth); }
    TAutoDeleteRowEvent OnAutoDeleteRow;
    // Whether a client point lies within 4 pixels of a sizable edge of a fixed cell.
    bool IsOnSizingBorder(int X, int Y) const;
    // Statistics of a real column's numbers over rows FromRow to ToRow; a range reaching past
    // the shown rows counts real rows, the hidden ones included.
    double ColumnSum(int ACol, int FromRow, int ToRow) const;
    double ColumnAvg(int ACol, int FromRow, int ToRow) const;
    double ColumnMin(int ACol, int FromRow, int ToRow) const;
    double ColumnMax(int ACol, int FromRow, int ToRow) const;
    // The number of different texts, compared without regard to case.
    double ColumnDistinct(int ACol, int FromRow, int ToRow) const;
    // The population standard deviation.
    double ColumnStdDev(int ACol, int FromRow, int ToRow) const;

    // Cell accessors (ExtGridCellAccessors.cpp): a real column and a display row.
    // A hidden column keeps its width for when it is shown again (real columns 0 to 511).
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);
    // Cells are kept as UTF-8, so a wide text is the decoded cell text.
    std::string WideCells(int ACol, int ARow) const;
    void SetWideCells(int ACol, int ARow, const std::string& Value) { SetCells(ACol, ARow, Value); }
    // Readers create no properties; writers do, and repaint the cell.
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    std::string FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const std::string& Value);
    // The grid's Font for a cell without properties, else one work font filled from them,
    // shared by every cell: copy what you need before asking again.
    const TFont* Fonts(int ACol, int ARow) const;
    // Name, size, style and colour of Value; the cell repaints unless an update is open.
    void SetFonts(int ACol, int ARow, const TFont& Value);
    // The reader makes the properties too.
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    // Row writers over the real columns from FixedCols on. clNone takes the colour away
    // again and leaves every other setting of the cells as it was.
    void SetRowColor(int ARow, TColor Value);
    void SetRowColorTo(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);
    void ClearModifiedRows();
    // With disjunct cell selection the row flags' selected cells are the selection, otherwise
    // they are rebuilt from the selection rectangle when counted.
    bool SelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    int SelectedCellsCount();
    TGridCoord SelectedCell(int Index) const;
    void ClearSelectedCells();

    // Controls placed over cells (ExtGridCellControls.cpp), by real column and display row.
    // The grid makes itself the control's parent and keeps it on its cell as the grid
    // scrolls and its rows and columns change; it never frees a control. nil takes the
    // control off the cell and leaves it alive.
    TControl* CellControls(int ACol, int ARow) const;
    void SetCellControls(int ACol, int ARow, TControl* Value);
    // Places every cell control on its cell, hidden while its cell is hidden or scrolled
    // away; RebuildList first collects them again from the cells.
    void CellControlsUpdate(bool RebuildList);

    // Cell texts (ExtGridCellText.cpp).
    int LinesInCell(int ACol, int ARow) const;
    // The text of the current cell, or of the base cell of the merge it lies in; the writer
    // stores an editor's value the way SetEditText does (unchanged markup-free text keeps the
    // stored text).
    std::string CurrentCell() const;
    void SetCurrentCell(const std::string& Value);
    // The shown text of that cell, and a value for it stored as an editor stores it.
    virtual std::string GetCurrentCellEx() const;
    virtual void SetCurrentCellEx(const std::string& Value);
    // The kind of in-place editor in use.
    TEditorType CurrentEditor() const { return EditControl; }
    // The cell of column ACol where the column stood when the order was recorded.
    std::string OriginalCells(int ACol, int ARow) const { return Cells(ColumnPosition(ACol), ARow); }
    void SetOriginalCells(int ACol, int ARow, const std::string& Value) { SetCells(ColumnPosition(ACol), ARow, Value); }
    // The first real column whose header text is exactly AValue; -1 when none is.
    int ColumnByHeader(const std::string& AValue) const;
    // Column order (ExtGridColumnOrder.cpp). SetColumnOrder records the present order;
    // ColumnPosition gives where a recorded column stands now, ColumnAtPosition which
    // recorded column stands at a position; ResetColumnOrder shows every column and moves
    // them back to the recorded order.
    void SetColumnOrder();
    void ResetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int ACol);

protected:
    void FooterRowChanged() override;
    // A cell with an auto-range scroll bar scrolls over the height of its new text.
    void CellTextChanged(int ACol, int ARow) override;
    // Cells scrolled into view show their controls.
    void Resize() override;
    void RowHeightsChanged() override;
    // While set, emptying a cell drops its object without freeing it: it lives on elsewhere.
    bool FNilObjects = false;

private:
    // Everything keyed by real column follows one change of the columns: the column space
    // and the cells of every hidden row. The shown rows' cells move in the base grid's store.
    void RemapColumns(const TColumnRemap& Remap);
    void RemapHiddenRowCells(const TColumnRemap& Remap);
    void ChangeColumns(const TColumnRemap& Real, const TColumnRemap& Displ, int NewColCount);
    void WriteAllCells(int ARealCol, int ARealRow, const std::string& Value, bool Stored);
    // Moves the cells of real columns From.. to To.. in every shown and hidden row.
    void ShiftColumnCells(int ARealCol, int CCount, bool Insert);
    // How rows leave: their cells freed, freed with OnRowMoved for each, or their objects
    // handed to the caller with the heights staying in place.
    enum class TRowRemoval { Free, FreeAndNotify, KeepObjects };
    void RemoveRowBlock(int RowIndex, int RCount, TRowRemoval How);
    // The row space hears that the display rows from RowIndex left.
    void ShiftRowSideData(int RowIndex, int RCount);
    // Where a shown row's flags stand.
    TFlagLine FlagLineOf(TDisplRow ADisplRow) const;
    // A shown row leaving the grid takes its own flags out with it, and gets them back when
    // it returns.
    TRowOwnFlags TakeRowFlags(TDisplRow ADisplRow);
    void PutRowFlags(TDisplRow ADisplRow, const TRowOwnFlags& Flags);
    // Marks a stored row modified, whether it is in the grid or out of it.
    void MarkStoredRowModified(TRealRow ARow);
    // Frees the cells of stored rows that left the grid for good.
    static void FreeStoredRows(const std::vector<TGridItem>& Items);
    bool SelectionCountsRealRows() const;
    // Everything keyed by row follows Count display rows that moved from AFromRow to AToRow.
    void FollowMovedRows(TDisplRow AFromRow, int Count, TDisplRow AToRow);
    void RestoreRowAfterRemoval(int OldRow, int OldTopRow);
    void EmptyCell(TShownCell Cell);
    // Empties the cells with their properties (their texts only with ClearTextOnly) and
    // tells of the change once.
    void ClearShownCells(const TShownCellWalk& Cells);
    int FooterRow() const;
    bool HasFooterRow() const;
    // IsFixed, and the fixed footer rows and fixed right columns, which never take the focus.
    bool IsFixedForFocus(int ADisplCol, int ADisplRow) const;
    int ClampColWidth(int Value) const;
    int ClampRowHeight(int Value) const;
    void AutoSizeColCore(int ADisplCol, bool GrowOnly);
    void AutoSizeRowCore(int ADisplRow, bool GrowOnly);
    void SizeRowToLines(int ADisplRow, int Lines, int Padding);
    void FitColumnsToWidth(int First, int Last, int Width);
    // The rows of a statistics range: all normal rows for a bound of -1; real rows, hidden
    // ones included, when the range reaches past the shown rows.
    struct TRowRange {
        int From = 0;
        int To = -1;
        bool Real = false;
        int Count() const { return To >= From ? To - From + 1 : 0; }
    };
    TRowRange StatisticsRange(int FromRow, int ToRow) const;
    double RangeFloat(int ARealCol, int ARow, const TRowRange& Range) const;
    // The numbers of the range's base cells that read as numbers.
    std::vector<double> ReadableNumbers(int ARealCol, const TRowRange& Range) const;
    void ForEachStatisticsRow(const TRowRange& Range, const std::function<void(int ARow)>& Visit) const;
    bool IsGroupResultRow(int ARow, const TRowRange& Range) const;
    double ColumnExtreme(int ARealCol, int FromRow, int ToRow, bool Largest) const;
    // The row writers' work: a colour goes to every cell, clNone only to cells with properties.
    void SetRowColorField(int ADisplRow, TColor Value, void (*Store)(TCellProperties& Props, TColor Value));
    // While the grid moves its rows itself, a new row count leaves the footer row alone.
    bool FShiftingRows = false;
    void SetRowCountShifted(int Value);
    // The footer row follows a new row count to the last row.
    void MoveFooterRow(int OldFooter);
    void SwapRowCellsAndHeights(int ADisplRow1, int ADisplRow2);
    // ==== end of structure, sizing and cell accessors ====
public:
    // ==== painting ====
    // (ExtGridPaint.cpp, ExtGridVisualProperties.cpp; the cell painter in CellPainter.cpp and
    // its text step in CellTextPainter.cpp.)
    bool AutoNumAlign = false;
    bool Multilinecells = false;
    // Copied multi-line cells keep their line breaks as a spreadsheet reads them.
    bool ExcelClipboardFormat = false;
    // Texts too long for their cell end in "...".
    bool EnhTextSize = false;
    // While OnDrawCell or OnCustomCellDraw is assigned, the cell texts are left to them.
    bool NoDefaultDraw = false;
    // A cell with a graphic shows no text.
    bool NoImageAndText = false;
    bool HideFocusRect = false;
    bool URLUnderlineOnHover = false;
    TColor SelectionRectangleColor = clBlack;
    // The fixed row whose cells show the filter glyph of their column.
    int FilterDropDownRow = 0;
    // The columns of a sort over several columns, shown by numbered sort glyphs.
    TSortIndexList SortIndexes;
    // Columns whose runs of equal cells merge vertically, the first as the main merge; a
    // change merges them anew (ExtGridMergedColumns.cpp).
    TIntList MergedColumns{0, 0};
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TNotifyEvent OnPainted;

    // ACol is a display column; with Remap the cell's own settings and events take its real
    // column. Select lets the selection modes colour the cell.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont* AFont,
                           TBrush* ABrush);
    // ACol is a real column.
    void GetCellAlignmentEx(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    // The sort glyph of a header cell around (X, Y); ACol is a real column.
    void DrawSortIndicator(TCanvas* ACanvas, int ACol, int X, int Y);
    // Whether the cell (real column) shows the sort glyph.
    bool IsSortHeader(int ACol, int ARow) const;
    void DrawCellText(TCellPaintContext& Context);
    // The thin frame of the modern looks, inside the control's own edge.
    void PaintBorder(TCanvas* ACanvas);
    // How far that frame reaches into the client area (0 without one).
    int PaintedBorderWidth() const;
    TRect ScrolledArea() const override;
    // The background picture or gradient beside and below the last cells.
    void PaintOutsideArea(TCanvas* ACanvas);
    // The room the text of a cell (real column) needs: with VS leaving room for a scroll
    // bar, with SB wrapped to the cell's width.
    TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    // Where the tiles of the background picture start.
    TPoint BackgroundOrigin() const;
    // The glow around the edited cell (with FocusHelper.Enabled); ARect is the cell's.
    void ShowFocusWindow(const TRect& ARect);
    // Follows the current cell when the window moved.
    void MoveFocusWindow();
    void HideFocusWindow();
    TWinControl* FocusWindow() const { return FFocusWindow; }

protected:
    void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                         TGridDrawState AState) override;

private:
    friend class TCellPainter;
    friend class TCellTextPainter;
    // The text a cell shows (a formula as written) and its kind (TCellTextType).
    std::string ShownCellText(int ARealCol, int ADisplRow, int& TextType);
    bool InSelection(int ADisplCol, int ADisplRow) const;
    // The cell's colour before the fixed look, colour events and selection: the grid's
    // colour, the band colour or the fixed colour.
    TColor DefaultCellColor(int ACol, int ARow, bool Print) const;
    // The disjunct row flag and the enabled flag of a row, for any row.
    bool RowFlagAt(int ARow) const;
    bool RowEnabledAt(int ADisplRow) const;
    // Owned by the grid as a component; made on first use.
    TWinControl* FFocusWindow = nullptr;
    // ==== end of painting ====
public:
    // ==== scrolling, hint windows, styles and looks ====
    // Scrolling (ExtGridScrolling.cpp, ExtGridScrollMessages.cpp, ExtGridDragScroll.cpp).
    // Brings the cell into view, centred where it has to scroll; a cell in view stays put.
    void ScrollInView(int ColIndex, int RowIndex);
    void SetScrollType(TScrollType Value);
    void SetScrollColor(TColor Value);
    void SetScrollWidth(int Value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    // The slim scroll controls of ssMetro; nullptr with any other scroll type.
    TScrollControl* VertScrollControl() const { return FVScrollControl; }
    TScrollControl* HorzScrollControl() const { return FHScrollControl; }
    TScrollHintType ScrollHints = shNone;
    // The cells follow the thumb while it is dragged.
    bool ScrollSynch = false;
    TScrollHintEvent OnScrollHint;
    TDragScrollEvent OnDragScroll;
    // A cell's own scroll bar moved (ACol is the real column).
    TScrollCellEvent OnScrollCell;
    // The one scroll bar shown over the scroll-bar cell under the mouse; nullptr until the
    // mouse first meets such a cell.
    TScrollBar* CellScrollBar() const { return FScrollBar; }
    // Something is dragged over the grid at a client point: near an edge the grid starts
    // scrolling towards it after a delay (DragScrollOptions); leaving stops it.
    void DragScrollOver(int X, int Y, TDragScrollState State);
    TDragScrollDirections PendingDragScroll() const { return FDragScrollDirection; }
    // One step of drag scrolling, as the drag timer makes it.
    void DragScrollTick();
    // The thumb-drag hint window, while it is shown.
    THTMLHintWindow* ScrollHintWindow() const { return FScrollHintShow ? FScrollHintWnd : nullptr; }
    // Keeps the last row clear of the search footer.
    bool LastRowAboveSearchFooter() const;
    void ScrollAboveSearchFooter();

    // Balloon tooltips (ExtGridBalloon.cpp): the balloon window exists while the balloon
    // settings are enabled.
    void BalloonInit();
    void BalloonDone();
    // Balloon.Enable switched: the window is made or freed.
    void BalloonChanged();
    TBalloonWindow* BalloonWindow() const { return FBalloonWindow; }
    // The search bar along the bottom edge (ExtGridSearchPanel.cpp), shown and laid out as
    // SearchFooter says; its close button hides the footer after OnSearchFooterClose.
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    void SearchFooterChanged();
    TNotifyEvent OnSearchFooterClose;

    // Shows the balloon of the cell under a client point, or hides it.
    void ShowBalloonAt(TPoint ClientPos);
    // The pointer moved to a client point: a balloon of another cell goes at once, and the
    // balloon of this one shows once the pointer has rested the initial delay there (the
    // reshow delay right after another balloon went); it goes after the auto-hide delay.
    void TrackBalloon(TPoint ClientPos);
    // Hides the balloon at once, as when the pointer leaves the grid.
    void PopBalloon();
    // The delays in force, in milliseconds: a setting of -1 takes the application's hint
    // pauses, and the reshow delay a fifth of the initial one.
    int BalloonInitialDelay() const;
    int BalloonReshowDelay() const;
    int BalloonAutoHideDelay() const;

    // Visual styles and colour tones (ExtGridStyles.cpp, ExtGridTones.cpp).
    virtual void SetStyle(TSuiteStyle AStyle);
    void SetComponentStyle(TSuiteStyle AStyle);
    void SetDropDownStyles(TSuiteStyle AStyle);
    TSuiteStyle ComponentStyle() const { return FComponentStyle; }
    void SetColorTones(const TColorTones& ATones);
    const TColorTones& ColorTones() const { return FTones; }
    void SetTheme(TXPColorScheme Scheme);
    void FollowOfficeTheme();
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // How the painters draw the buttons in cells: in the tone colours once a flat grid has
    // tones, else flat, themed or classic as the control look says.
    TCellButtonKind CellButtonKind() const;
    TCellButtonLook ToneButtonLook() const;
    // The caption colour of a tone-coloured button in a state.
    TColor ToneButtonTextColor(TCellButtonState State) const;


protected:
    void WMHScroll(TMessage& Message) override;
    void WMVScroll(TMessage& Message) override;
    void TopLeftChanged() override;

private:
    // Runs Step under the update lock and puts the left column back when Keep is set
    // (Navigation.KeepHorizScroll).
    void KeepingLeftCol(bool Keep, const std::function<void()>& Step);
    // Applies the style a styled look carries, when a style changes the look to it.
    void ApplyLookStyle(TGridLook Value);
    // The target of a thumb drag, and its hint beside the mouse.
    int ThumbTarget(int Position, bool Horizontal) const;
    void ScrollHint(Word Code, int Target, bool Horizontal);
    bool ScrollHintsFor(bool Horizontal) const;
    void FreeDragTimer();
    void CreateScrollControls();
    void ApplyFlatScrollBars();
    void FreeScrollControls();
    // The grid's cells under the fixed background picture.
    TGridRect FixedBackGroundCells(int DeltaCol, int DeltaRow) const;
    void RepaintFixedBackGround(const TGridRect& Before);
    int SearchPanelHeight() const;
    // The in-cell scroll bar (ExtGridInCellScrollBar.cpp): painted into each scroll-bar cell,
    // shown over the cell under the mouse; its scroll messages move the cell's position.
    TScrollBar* MakeCellScrollBar();
    // Paints the cell's bar at the right of the rectangle, which loses the bar's width; the
    // bar's position, 0 for a cell without a bar.
    int PaintCellScrollBar(TCanvas* ACanvas, int ARealCol, int ADisplRow, TRect& ARect);
    void PlaceCellScrollBar(int ADisplCol, int ADisplRow);
    // True for a message of the in-cell bar, which it has handled.
    bool ScrollCellBar(TMessage& Message);

    bool FScrollProportional = false;
    TScrollBar* FScrollBar = nullptr;
    TScrollBar* FPaintScrollBar = nullptr;
    int FScrollCol = -1;
    int FScrollRow = -1;
    TScrollControl* FVScrollControl = nullptr;
    TScrollControl* FHScrollControl = nullptr;
    THTMLHintWindow* FScrollHintWnd = nullptr;
    bool FScrollHintShow = false;
    TTimer* FDragTmr = nullptr;
    TDragScrollDirections FDragScrollDirection;
    int FOldLeftCol = 1;
    int FOldTopRow = 1;
    void CreateSearchPanel();
    void SearchClose();
    TSearchPanel* FSearchPanel = nullptr;
    TBalloonWindow* FBalloonWindow = nullptr;
    // Times the balloon's showing and hiding; owned by the balloon window.
    TTimer* FBalloonTimer = nullptr;
    TPoint FBalloonPointer;
    // The base cell the balloon under way belongs to; (-2, -2) none.
    TPoint FBalloonCell{-2, -2};
    bool FBalloonJustPopped = false;
    // The timer's next tick shows the balloon, or hides it.
    void StartBalloonTimer(int Delay, bool ToShow);
    void BalloonTimerTick();
    bool FBalloonTimerShows = false;
    // Hides the balloon; the pointer's cell gets none again until the pointer leaves it.
    void HideBalloon();
    // The grid's style, which every drop-down editor takes as it opens.
    TSuiteStyle FComponentStyle = tsWindowsXP;
    TColorTones FTones;
    std::optional<TOfficeTheme> FFollowedTheme;
    bool FAutoThemeAdapt = false;
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
    bool LastValidation() const { return FEditSession.LastAccepted(); }
    // The balloon shown over the editor after a refused entry; none before the first.
    TBalloonWindow* InvalidEntryBalloon() const { return FInvalidEntryBalloon; }
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
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
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
    // Multi-line cells are edited in several lines, wrapped or not.
    void GetEditLines(int ACol, int ARow, bool& MultiLine, bool& WordWrap) override;
    bool CellEditAllowed(int ACol, int ARow);
    virtual void GetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    void ShowEditControl(int ACol, int ARow);
    // Reads the special editor back into the cell and closes it: the edit is accepted.
    void HideEditControl(int ACol, int ARow);
    // Escape in a special editor: it closes without being read back, the cell gets back the
    // text it had before editing, and the grid takes the focus.
    void CancelEditControl();
    // Fires OnEditingDone and posts the message that becomes OnEditCellDone (ACol real).
    void EditingDone(int ACol, int ARow);
    // The grid's window procedure hands every message here first; true when it was the
    // editing-done message.
    bool HandleEditDoneMessage(TMessage& Message);
    void FireComboChange(int AItemIndex, const std::string& ASelection);
    // The exit protocol of the special editors. The current cell takes the editor's text,
    // which is then validated; true when accepted.
    bool StoreAndValidate(const std::string& Text);
    // Tab leaves the cell: with goTabs the grid moves on at once, else the key is posted.
    void TabOutOfEditor(TShiftState Shift);
    // A special editor lost the focus: its value is stored, unless it is being read back.
    void SpecialEditorLeft();
    void EditorTextChanged(const std::string& Text);
    void FollowEditorText(const std::string& Text);
    // The text of an ellipsis button's cell, as the application's OnEllipsClick changes it.
    virtual std::string DoEllipsClick(const std::string& Text);
    // The value was refused: the edit ends so, and the editor opens again on the kept cell
    // showing CellText.
    void RefuseEdit(const std::string& CellText);
    // The balloon with InvalidEntryTitle and InvalidEntryText over the editor open again on
    // a refused entry, when either text is set.
    void ShowInvalidEntryBalloon();
    void HideInvalidEntryBalloon();
    TWinControl* RefusedEntryEditor() const;
    // With SizeWhileTyping, the edited cell's column grows to the typed text and a wrapping
    // row is sized to it (OnEndRowSize follows a row sizing).
    void SizeToTypedText(const std::string& Text);
    void SizeRowToTypedLines(const std::string& Text);
    // An editor a click opened takes its caret from the pressed point: true, with the point
    // in the editor's client pixels, when the press lies inside the editor. Clears LButFlg.
    bool TakeClickCaretPoint(const TControl& Editor, TPoint& InEditor);
    // The cursor walk out of an editor holding Text (Navigation.CursorWalkEditor): the value
    // is validated and the editor closes on the neighbouring cell, or the edit position
    // advances past a control cell or the end of the row. False, doing nothing, when the
    // walk is off or the released key does not walk.
    bool WalkOutOfEditor(Word Key, TShiftState Shift, const TCaretAtKeyUp& Caret, const std::string& Text);

    TWinControl* EditCtrl = nullptr;
    TBalloonWindow* FInvalidEntryBalloon = nullptr;
    // The edit of the current cell, in the text editor or a special one.
    TEditSession FEditSession;
    bool FEntered = false;
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
    // The cell's stored text when the editor was loaded: while the cell follows the typing,
    // it is what an unchanged text stands for.
    std::string FLoadedEditStored;
    // Writes the editor's text into the cell while the edit goes on.
    void WriteEditText(int ACol, int ARow, const std::string& Value);
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
    void ShowCheckEditor(const TRect& Rect, int RealCol, int ARow);
    void ShowButtonEditor(const TRect& Rect, int RealCol, int ARow);
    void StoreDatePickerValue(int RealCol, int ARow);
    void StoreDateTimePickerValue(int RealCol, int ARow);
    void StoreRichEditValue(int RealCol, int ARow);
    // A kind with no editor leaves the cell unedited.
    void ShowNoEditor();
    // One row per editor family: how its control is shown over the cell, read back into it
    // and closed (ExtGridEditControls.cpp).
    struct TEditorRow;
    static const TEditorRow& EditorRow(TEditorType Kind);
    // Every editor, the text editor too, ends here, once: a focus loss that its own closing
    // sets off finds the session ended already.
    void EndEdit(TEditEnd How, int RealCol, int ARow);
    // Rows and columns that come, go or move, and program moves of the focus, end an open
    // edit first (ExtGridEditUnderChange.cpp). EndEditMovingOn ends it as leaving the cell
    // does: the value is stored and validated in its own cell; false when the validation
    // refused it, the editor then open on it again. EndEditBeforeLinesChange ends it for a
    // change that does not wait, cancelling a refused value; true when an edit was open.
    bool EndEditMovingOn();
    bool EndEditBeforeLinesChange();
    // The current cell goes to where the rows' change took the edited cell.
    void FocusEditedCellPlace();
    // The edited cell's row follows a change of the real rows (a negative result: it left
    // the grid).
    void FollowEditedRow(const std::function<TRealRow(TRealRow)>& NewRow);
    // The rows change within its scope: an open edit ends before, and the focus goes to the
    // edited cell's new place after; nested scopes do both once, at the outermost.
    class TRowsChange {
    public:
        explicit TRowsChange(TExtStringGrid& Grid);
        ~TRowsChange() noexcept(false);
        TRowsChange(const TRowsChange&) = delete;
        TRowsChange& operator=(const TRowsChange&) = delete;

    private:
        TExtStringGrid& FGrid;
        int FExceptions;
    };
    int FRowsChanging = 0;
    bool FEditedCellFollowed = false;
    // The text editor closes, ending its edit How, and the grid checks its current cell again.
    void CloseInplaceEdit(TEditEnd How);
    void CloseTextEditor(TEditEnd How);
    // Shows a special editor placed over the cell, with the focus and the start character.
    void PresentEditor(TWinControl* Editor, const TRect& Rect);
    // An editor shows the colour and font its cell (display column) is painted with; the
    // cell's alignments are returned for placing the editor's text.
    TEditorTextAlignment ApplyCellLook(TWinControl& Editor, int ACol, int ARow);
    void CloseEditor(TWinControl* Editor);

public:
    // Rich-text cells hold an RTF document. RichEdit converts and measures them off screen;
    // InplaceRichEdit edits edRichEdit cells. Both are made on first use.
    TExtRichEdit* RichEdit();
    TExtRichEdit* InplaceRichEdit();
    void CellToRich(int ACol, int ARow, TRichEdit* Richeditor) const;
    void RichToCell(int ACol, int ARow, const TRichEdit* Richeditor);
    std::string RichToString(const TRichEdit* Richeditor) const;
    // Paints a rich-text cell (real column) with its formatting, through the hidden rich edit.
    void DrawRichTextCell(int ACol, int ARow, const TRect& ARect, TCanvas* Canvas);

private:
    friend class TExtRichEdit;
    void ShowRichEditor(const TRect& Rect, int RealCol, int ARow);
    void RichEditResizeRequest(TExtRichEdit* Sender, const TRect& Rect);
    TExtRichEdit* FRichEdit = nullptr;
    TExtRichEdit* FInplaceRichEdit = nullptr;

public:
    TGridDateTimePicker* DateAndTimePicker();

private:
    friend class TGridDateTimePicker;
    void ShowDateTimePicker(const TRect& Rect, int RealCol, int ARow);
    TGridDateTimePicker* FEditDateTime = nullptr;

public:
    TCustomStrToDateEvent OnCustomStrToDate;

    // The drop-down cell editing, made on first use through the maker its layer sets;
    // nullptr when no maker is set.
    IDropDownCellEditing* DropDownCellEditing();
    // The drop-down cell editors, each made on first use; they live with the editors, above
    // the grid, so that no header of the grid needs theirs.
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridExtGridDropDown* ExtGridDropDown();
    TColorSelectedEvent OnColorSelected;
    TImageSelectedEvent OnImageSelected;
    TGridDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TGridDropDownButtonClickEvent OnDropDownFooterButtonClick;

private:
    friend class TDropDownCellEditors;
    template <class> friend class TGridDropDownEditor;
    IDropDownCellEditing* FDropDownCellEditing = nullptr;

public:
    // ==== end of in-place editing and validation ====
public:
    // ==== keyboard, window procedure, wheel and zoom ====
    // (ExtGridKeyDown.cpp, ExtGridKeyHomeEnd.cpp, ExtGridTab.cpp, ExtGridKeyPress.cpp,
    // ExtGridEnterAdvance.cpp, ExtGridEditLifecycle.cpp, ExtGridWheel.cpp, ExtGridPan.cpp)
    // Columns are display columns unless said otherwise.
    // Moves to the next (previous) cell Tab may reach; false when Tab went on to the parent window.
    bool AdvanceTab(bool Backward);
    bool IsSelectableCell(int ACol, int ARow);
    // -1 when the row has no selectable cell.
    int FirstSelectableCol(int ARow);
    int LastSelectableCol(int ARow);
    // The first column of data: 1 in a node grid without fixed columns.
    int FirstNormalCol() const;
    // The fixed right columns that are not hidden.
    int VisibleFixedRightCols() const;
    int LastNormalRow() const { return RowCount() - FixedFooters - 1; }
    bool IsLastNormalRow() const;
    // Appends a row below the last normal one when Down is pressed there (OnCanAddRow decides).
    void AutoAppendRow();
    virtual void GoFirstRow() { SetRow(FixedRows()); }
    // The Enter advance from (ACol, ARow); Force acts even without Navigation.AdvanceOnEnter.
    void AdvanceEditPosition(int ACol, int ARow, bool ShowEditor, bool Continuing, bool Forward,
                             bool AutoEdit, bool Force);
    // Opens the editor of the current cell (not for a control cell), scrolling it into view.
    void ShowInplaceEdit();
    // Closes the editor with the focus back on the grid, which then takes Tab and the arrow
    // keys so that the current cell moves; Enter advances.
    void DoneInplaceEdit(Word Key, TShiftState Shift);
    // A left click on the cell, without mouse events, that starts editing as a user's click does.
    void SimulateCellClick(int ACol, int ARow);
    // Runs the cell-selection rules for the current cell.
    void Select() { SelectCell(Col(), Row()); }
    // Grows (shrinks) every column and row by x pixels, at most 10 steps either way.
    void Zoom(int x);
    // Rows one wheel notch moves when MouseActions.WheelIncrement is not set.
    int WheelScrollRows() const;

    // Middle-button panning moves one step per tick of its timer.
    static constexpr int PanTimerID = 999;
    static constexpr int PanTimerPeriod = 10;
    bool Panning() const { return FPanning; }

    TAutoAddRowEvent OnAutoAddRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TAutoInsertRowEvent OnAutoInsertRow;
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoAdvanceEvent OnAutoAdvance;

    // The text editor hands its keys to these hooks, so that a descendant can watch them.
    virtual void EditorKeyDown(Word& /*Key*/, TShiftState /*Shift*/) {}
    virtual void EditorWMKeyDown(TMessage& /*Message*/) {}
    // After each key release in the text editor and when it loses the focus: whether its
    // text begins with "=" (false on the focus loss).
    virtual void EditorKeyStateChanged(bool /*Formula*/) {}
    // The character that started the current edit, for the editor to begin with.
    char32_t StartEditChar() const { return FStartEditChar; }

protected:
    // Hooks for descendants: F2, a wheel step.
    virtual void DoF2Key() {}
    virtual void WheelScrolled(int /*Delta*/, bool& /*Handled*/) {}
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // A wheel turn as the window procedure sees it; false when it goes the usual way.
    bool HandleWheelMessage(TMessage& Message);
    // Middle-button panning (ExtGridPan.cpp): presses start and end it, its timer moves the
    // view or the current cell; true when the message was the pan timer's.
    bool HandlePanMessage(const TMessage& Message);

private:
    // Key-down steps, each true when it has dealt with the key completely.
    bool ScrollOnlyKey(Word Key);
    bool SearchFooterStopsKey(Word Key);
    bool EditStartKey(TMessage& Message, TShiftState Shift, int RealCol);
    void ControlCellKey(Word Key, int RealCol);
    bool HomeEndKey(TMessage& Message, TShiftState Shift);
    bool ArrowKeyBefore(TMessage& Message, TShiftState Shift);
    bool SkipFixedCellsKey(Word Key);
    bool KeyAfter(Word Key, TShiftState Shift);
    void KeyDownDone();
    // Fires OnKeyDown with the key and consumes it.
    void SwallowKey(TMessage& Message, TShiftState Shift);
    void FireKeyDown(Word Key, TShiftState Shift);
    void SelectAllNormalCells();
    // Insert and Delete with Navigation.AllowInsertRow / AllowDeleteRow.
    void InsertRowByKey();
    void DeleteRowByKey();
    // Cursor wrap of the left, right, up and down keys at the grid's edges.
    void WrapCursor(Word Key);
    void SkipDisabledRow(Word Key, int StartRow);
    // One Tab step from the current cell; the caller repeats it while the step lands on a cell
    // Tab may not stop on.
    enum class TTabStep { Done, Again, ToParent };
    TTabStep TabStep(bool Backward);
    TTabStep TabForwardLeftRight();
    TTabStep TabForwardAtRowEnd();
    void TabBackwardLeftRight();
    bool TabToParent();
    bool AppendRowForAdvance();
    // The Enter advance's target from (ACol, ARow); false when the advance ends without a move.
    bool EnterTarget(int& ACol, int& ARow, bool Forward);
    void IncrementalLookup(char32_t Key);
    // The control's wheel path (one notch): the base grid's step with direct editing held off.
    bool WheelStep(bool Down, TShiftState Shift, TPoint MousePos);
    // The cell's markup holds form controls, which take the keys themselves.
    bool HoldsFormControls(int ARealCol, int ADisplRow) const;
    bool StartsEditOnChar(char32_t Key) const;
    void StartPan(TPoint At);
    void EndPan();
    void PanTick();

    TGridRect FMoveSelection;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    TPoint FLastKeyCell{-1, -1};
    Word FLastKeyDown = 0;
    int FAECol = -1;
    int FAERow = -1;
    // Set while the Enter advance moves the current cell: OnCellChanging has already fired.
    bool FDisableChange = false;
    bool FPanning = false;
    TPoint FPanStart;
    TCursor FCursorBeforePan = crDefault;
    // ==== end of keyboard, window procedure, wheel and zoom ====
public:
    // ==== mouse ====
    using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
    using TMoveAllowEvent = std::function<void(TObject* Sender, int Index, bool& Allow)>;
    // Presses, clicks and double clicks (ExtGridMousePress.cpp); rows and columns given to the
    // events are display indexes, the row first where the event says so.
    TCanClickCellEvent OnCanClickCell;
    TAnchorClickEvent OnAnchorClick;
    // Asked while the pointer is on a header's sizing border (OnColumnSize) or on a fixed
    // column's (OnRowSize); a refusal keeps the column or row from being sized.
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TEndColumnSizeEvent OnEndColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    // Movement and hints (ExtGridMouseMove.cpp).
    TColumnSizingEvent OnColumnSizing;
    TRowSizingEvent OnRowSizing;
    TMoveAllowEvent OnColumnMove;
    TMoveAllowEvent OnColumnMoving;
    TMoveAllowEvent OnRowMove;
    TMoveAllowEvent OnRowMoving;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    // Releases and header-click sorting (ExtGridMouseRelease.cpp, ExtGridHeaderSort.cpp).
    TCanSortEvent OnCanSort;
    TClickSortEvent OnClickSort;
    // How long the last header-click sort took, in milliseconds.
    unsigned SortTime = 0;
    // Dragging cells out of the grid (ExtGridDragSource.cpp), with DragDropSettings.OleDropSource:
    // a press in the selection followed by a move of more than 3 pixels drags the selected
    // cells, or from a fixed row with OleColumnDragDrop the column. The column is real.
    using TOleDragEvent =
        std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Data, bool& Allow)>;
    using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
    using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
    TOleDragEvent OnOleDrag;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    // The selection's resize handle (ExtGridSelectionResize.cpp): with SelectionResizer and
    // SelectionRectangle a drag from the handle resizes the selection; the release tells the
    // selection before and after.
    using TSelectionResizeEvent =
        std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    // The 6 x 6 pixel square at the selection's bottom-right corner (bottom-left in a
    // right-to-left grid); empty while the grid shows no handle.
    TRect SelectionResizeHandle() const;

    // The header drop-down button (ExtGridFixedDropDown.cpp): with
    // ControlLook.FixedDropDownButton a hover-sensitive header under the mouse shows a button
    // in its right 16 pixels, whose press opens FixedDropDownMenu at the button's bottom.
    static constexpr int kHeaderDropDownWidth = 16;
    TPopupMenu* FixedDropDownMenu() const;
    void SetFixedDropDownMenu(TPopupMenu* Value);
    using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, bool& CanShow)>;
    // AMenu may be replaced; KeepFixedCellHighlighted keeps the header lit after the menu.
    using TFixedDropDownClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu,
                                                        bool& KeepFixedCellHighlighted)>;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TFixedDropDownClickEvent OnFixedDropDownClick;
    // Whether the header of a real column shows the button; true unless the event says no.
    virtual bool CanShowFixedDropDown(int ACol);
    // Whether a client point lies on the drop-down button of a header.
    bool OnFixedDropDownButton(int ACol, int ARow, int X);
    bool FixedDropDownPressed() const { return FDropDownDown; }

    // The hint of a cell shows its text; a column or row being sized shows its new size.
    bool HintShowCells = false;
    bool HintShowSizing = false;
    bool HTMLHint = false;
    // Every hint of the application, not only the grid's, shows in the markup hint window
    // while on, in the plain one when switched off.
    bool UseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool Value);
    // A text too big for its cell shows whole in the hint, over the cell with hpCell.
    bool HintShowLargeText = false;

    // Fills the hint of the cell under HintInfo.CursorPos: below the cell at the pointer's x.
    void PrepareCellHint(std::string& HintStr, THintInfo& HintInfo);
    // The window of the sizing hint while a column or row is sized; nullptr before.
    THintWindow* SizingHintWindow() const { return FSizingHint; }
    // The arrows at the target of a row or column move.
    const TMoveMarkers& MoveMarkers() const { return FMoveMarkers; }
    // What follows the pointer during a row or column move (ExtGridMoveImage.cpp): the
    // picture of the moved cells with DragDropSettings.ShowCells, else the header drag
    // button; nullptr (hidden) outside a move.
    TNoActiveForm* MoveForm() const { return FMoveForm.get(); }
    THeaderDragButton* MoveButton() const { return FMoveButton; }
    // A see-through picture of the cells of ARect with their grid lines, as a drag image.
    std::unique_ptr<TNoActiveForm> SelectionToForm(const TGridRect& ARect);

protected:
    // Hooks for descendants.
    virtual void CellSelectorClick(int, int) {}
    virtual void BeforeSelectAll(TGridRect&) {}
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Click() override;
    void DblClick() override;
    void CMMouseLeave(TMessage& Message) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                         TGridDrawInfo& FixedInfo) override;

private:
    void LeftPress(TShiftState Shift, int X, int Y);
    void DoubleClickPress(TShiftState Shift, int X, int Y);
    // EditOnDblClickOnly and RangeSelectAndEdit open the editor of a double-clicked cell.
    void EditOnDoubleClick(int ADisplCol, int ADisplRow);
    void RightPress(TShiftState Shift, int X, int Y);
    // The base grid's own press, with the current-cell editing steps around it.
    void LibraryPress(TMouseButton Button, TShiftState Shift, int X, int Y);
    bool PressFixedSizing(int X, int Y);
    bool PressFixedDropDown(int X, int Y);
    void ReleaseFixedDropDown();
    // Whether the mouse settings open a header's editor on this kind of click.
    bool FixedCellEditAsked(TGridFixedCellEdit Click, int ACol, int ARow) const;
    bool PressFixedCellEdit(TMouseButton Button, int X, int Y);
    // A press in a drag source's selection; the drag starts on the move (StartCellDrag), or
    // the release selects the pressed cell (ReleaseDragSourcePress).
    bool PressDragSource(TShiftState Shift, int ADisplCol, int ADisplRow, int ClickedCol, int ClickedRow,
                         int X, int Y);
    bool StartCellDrag(int ADisplCol, int ADisplRow, int X, int Y);
    void RunCellDrag(int ADisplCol, int ADisplRow);
    void ReleaseDragSourcePress(TShiftState Shift, int ADisplCol, int ADisplRow, int X, int Y);
    bool FSelectionClick = false;
    // A press on the selection's resize handle starts resizing it.
    bool PressSelectionResizer(TShiftState Shift, int X, int Y);
    void EndSelectionResize();
    bool FMouseResize = false;
    TGridRect FDropSelection;
    bool PressHeaderSelection(TShiftState Shift, int ADisplCol, int ADisplRow, const TGridRect& OldSel);
    bool PressCheckBox(int ADisplCol, int ADisplRow, int ARealCol, int X, int Y, bool CanEdit);
    // The link target under a point of a display cell; empty where there is none. Title
    // receives the link's title.
    std::string AnchorAt(int ADisplCol, int ADisplRow, int X, int Y, std::string* Title = nullptr);
    // A link's hint text: its title, else what OnAnchorHint gives, else the link itself.
    std::string AnchorTitle(int ADisplCol, int ADisplRow, const std::string& Anchor, std::string Title);
    // With AnchorHint, the link under At (client point) gives the hint, beside the pointer.
    void AnchorHintAt(int ADisplCol, int ADisplRow, TPoint At, std::string& HintStr, TPoint& Pos);
    std::string FLastAnchorHint;
    bool PressAnchor(int ADisplCol, int ADisplRow, int X, int Y);
    // The markup of a display cell hit-tested at a point, or searched for one form control,
    // laid out as the painter lays it out.
    THtmlDrawResult CellMarkupHit(int ADisplCol, int ADisplRow, const std::string& Text, TPoint At,
                                  const std::string& ControlID);
    bool PressFormControl(int ADisplCol, int ADisplRow, const THtmlDrawResult& Hit);
    void SelectPressedControlCell(int ADisplCol, int ADisplRow);
    // A BUTTON form control held down since the press comes up (release, lost focus).
    void ReleaseControlButton();
    void HoverAnchor(int ADisplCol, int ADisplRow, int X, int Y);
    // What a followed link does: a cell reference moves the focus, a web or mail address
    // opens after the user agreed.
    void FollowAnchor(const std::string& Anchor);
    void DirectEditCell(int ADisplCol, int ADisplRow);
    void AutoSizeColOnDblClick(int ADisplCol);
    void DisjunctPress(TShiftState Shift, int ADisplCol, int ADisplRow, const TGridRect& OldSel, bool& Done);
    // Within 4 pixels of the left or right border of a header cell whose columns size.
    bool OnHeaderSizingBorder(int ADisplCol, int ADisplRow, int X) const;
    bool PressCellControl(TShiftState Shift, int ADisplCol, int ADisplRow, int ClickedCol, int ClickedRow,
                          int X, int Y);
    void PressNodeGlyph(TShiftState Shift, int ADisplRow, int ClickedCol, int ClickedRow, int X, int Y);
    bool PressCellButton(int ADisplCol, int ADisplRow, TPoint Clicked, const TRect& Button, TPoint At);
    // With FixedAsButtons a fixed cell is held down like a button until the release.
    void PushFixedButton(int ADisplCol, int ADisplRow, int X);
    // DX and DY are the click's offset from the cell's top-left corner; ACol is real.
    void RadioGroupClick(int ARealCol, int ADisplRow, int DY, int DX);
    bool ReleaseCellButton(int ACol, int ARow, int X, int Y);
    void ClickReleasedButton(TPoint Pushed, int ACol, int ARow, TPoint At, bool FixedCell);
    // Whether the point lies on the in-cell or expand button of the cell's base cell.
    bool OnCellButton(int ACol, int ARow, TPoint At) const;

    void LeftRelease(TShiftState Shift, int X, int Y);
    // Disjunct cell selection (ExtGridMouseDisjunctCells.cpp): a press without Ctrl starts a
    // new set; the release adds, toggles or replaces. False when OnSelectCell refused the cell.
    void PressDisjunctCells(TShiftState Shift, int ADisplCol, int ADisplRow);
    bool ReleaseDisjunctCells(TShiftState Shift, int ACol, int ARow);
    void RepaintSelectedCells();
    // The keys' part of it (ExtGridKeyDown.cpp), after the key went up.
    void KeyDisjunctCells(Word Key, TShiftState Shift, const TGridRect& OldSel);
    void EndFixedSizing(int X, int Y);
    void DropMove(int ADisplCol, int ADisplRow);
    void HeaderClickSort(TShiftState Shift, int ACol, int ARow, int OrigCol, int X, int Y, bool Moved);
    void ClickSortColumn(int ACol);
    void SplitEveryColumn();
    void RemergeListedColumns();
    // IndexKey: the click adds the column to the sort indexes (or turns its direction).
    void ClickSortIndex(int ACol, bool IndexKey);

    void HoverFixedCell(int ADisplCol, int ADisplRow);
    // A press on (or release of) a hover-sensitive header shows it pressed (or not).
    void PushFixedCell(int X, int Y, bool Pushed);
    bool FFixedCellPushed = false;
    // The header drop-down button is pressed, until the release.
    bool FDropDownDown = false;
    TWeakRef<TPopupMenu> FFixedDropDownMenu;
    // The in-cell or expand button under the pointer is drawn hot.
    void HoverCellButton(int ACol, int ARow, int X, int Y);
    void SetHoverButton(TPoint Cell);
    TPoint FHoverButton{-1, -1};
    // True when it scrolled up: the drag then stays a row drag over the header row.
    bool HeaderDragSelect(int ADisplCol, int ADisplRow, int Y);
    void TrackFixedBorders(int ADisplCol, int ADisplRow, int X, int Y);
    void MoveFeedback(int ADisplCol, int ADisplRow, int X, int Y);
    void UpdateSelectMode(int ADisplCol, int ADisplRow, int X, int Y, bool ScrolledUp);
    void SizingFeedback(int X, int Y);
    void ShowSizingHint(const std::string& Text, TPoint At);
    void HideSizingHint();
    // The hint of a cell's text that does not fit into the cell's rectangle R.
    void LargeTextHint(int ARealCol, int ADisplRow, const TRect& R, std::string& HintStr, TPoint& Pos);
    bool IsOnSizingEdge(int X, int Y);
    // The fixed column (row) whose right (bottom) border lies less than 3 pixels from Pos; -1 none.
    int FixedBorderAt(bool Cols, int Pos) const;

    int FMouseSelectStart = -1;
    int Colclicked = -1;
    int Rowclicked = -1;
    // The column (row) the user's release is sizing, -1 none, and its size before.
    int ColSized = -1;
    int Rowsized = -1;
    int Colclickedsize = 0;
    int Rowclickedsize = 0;
    // The end of a sizing by the user: the others follow with AllColumnSize (AllRowSize),
    // the end events fire, and a column's size hook may change its width.
    void EndUserSizing(bool Cols);
    // The stretch that follows size changes: only a stretch column the grid has.
    void Restretch();
    int Clickposx = 0;
    int Clickposy = 0;
    int Clickposdx = 0;
    int Clickposdy = 0;
    // A left press with MouseActions.CaretPositioning: the editor opened by it puts its
    // caret at the pressed point (Clickposx, Clickposy).
    bool LButFlg = false;
    int Movecell = -1;
    int FMoveColInd = -1;
    int FMoveRowInd = -1;
    bool FDoOnClick = false;
    bool FMouseDownMove = false;
    bool FMouseKeepDown = false;
    // A press on a disjunct row or column selection is under way: the painter keeps the
    // pressed cell's selection look until the release.
    bool FMouseDown = false;
    bool FDeselectState = false;
    bool FDblClk = false;
    bool ColMoveFlg = false;
    bool ColSizeFlg = false;
    bool FMoveAllowed = true;
    int FSizingFixedCol = -1;
    int FSizingFixedRow = -1;
    int FSizeFixedX = 0;
    int FSizeFixedY = 0;
    int FOldKeepLeftCol = 0;
    TPoint FLastHintPos{-1, -1};
    std::string FAnchor;
    // The platform and the base grid both report a click; the grid fires one per press.
    bool FClickFired = false;
    bool FDblClickFired = false;
    bool FSyncedMove = false;
    // The cell whose in-cell or expand button (or, with FixedAsButtons, fixed cell) is held
    // down; (-1, -1) none.
    TPoint FPushedCellButton{-1, -1};
    // The rectangle of the fixed cell held down as a button; empty when none.
    TRect FPushedFixedCell;
    // The press hit the upper (lower) half of a spin button drawn in the cell: the spin
    // editor it opens makes that step at once.
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    void PressDrawnSpinButton(int ARealCol, int ADisplRow, const TRect& Cell, int X, int Y);
    THintWindow* FSizingHint = nullptr;
    bool FUseHTMLHints = false;
    TMoveMarkers FMoveMarkers{this};
    void MoveImageFeedback(bool Cols, int ADisplCol, int ADisplRow, int X, int Y);
    void EndMoveImage();
    THeaderDragButton* FMoveButton = nullptr;
    std::unique_ptr<TNoActiveForm> FMoveForm;
    // The press point from the pressed header's top-left corner.
    int MoveOfsX = 0;
    int MoveOfsY = 0;
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

    // Image cells (ExtGridCellImages.cpp) draw from the grid's image list: without one they
    // are not added. The list stays its owner's; the grid forgets it when it is freed.
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx) const;
    // Does not repaint.
    void SetImageIdx(int ACol, int ARow, int Idx);
    bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    // The image shown is the cell's number; an empty cell starts at Aidx.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    // Empties the cell's text, whether it held a data image or not.
    void RemoveDataImage(int ACol, int ARow);
    bool HasDataImage(int ACol, int ARow) const { return HasCellTypeIn(ACol, ARow, {ctDataImage}); }
    // Dir 0 lays the images side by side, any other value stacks them; every change of the
    // cell's list (GetCellImages) repaints the cell.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    TIntList* GetCellImages(int ACol, int ARow) const;
    bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImages); }

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
    // A number cell's text in Format, which OnGetFloatFormat may change; other texts as they are.
    std::string FormatCellNumber(int ACol, int ARow, std::string NumberFormat);
    using TGetFloatFormatEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                                    std::string& FloatFormat)>;
    TGetFloatFormatEvent OnGetFloatFormat;

private:
    bool IsStoredCell(int ARealCol, int ADisplRow) const;
    void CheckCheckBoxCell(int ACol, int ARow) const;
    // The graphic of the base cell of a merge.
    TCellGraphic* BaseCellGraphic(int ARealCol, int ADisplRow) const;
    TCellGraphic* GraphicOfType(int ARealCol, int ADisplRow, TCellType AType) const;
    void RepaintGraphicCell(int ARealCol, int ADisplRow);
    // The rows of check-box columns, the first from CheckAllCheck.
    int FirstCheckBoxRow() const;
    // The row as the disjunct row flags know it.
    int RowFlagIndex(int ADisplRow) const;
    // Selects the row, or every normal row for the header row.
    void SetRowCheck(int ADisplRow, bool Value);
    std::string CheckText(int ACol, int ARow, bool Checked);
    bool IsCheckTrue(int ARealCol, int ADisplRow);
    // False when a user may not change the cell's control.
    bool UserMayToggle(int ACol, int ARow, bool FromUser, bool AlwaysActive);
    void ForEachGridCell(const std::function<void(int, int)>& Action);
    TCellVAlign CheckBoxVAlign() const;
    void DrawCheckBoxCell(TCellPaintContext& Context, const TRect& R, const TCellGraphic& g, int TW, int L, int T,
                          int B);
    void DrawButtonCell(TCellPaintContext& Context, TCellGraphic& g, int L, int T, int Rt, int B);
    void DrawProgressCell(TCellPaintContext& Context, TRect R, const TCellGraphic& g);
    mutable std::unique_ptr<TCellGraphic> FRowCheckGraphic;
    TCustomImageList* FGridImages = nullptr;
    // The image index a data image cell shows; -1 for a text that is no number.
    int DataImageIndex(int ARealCol, int ADisplRow) const;
    // The room of a row (or column) of images of the list; (0, 0) without the list.
    TPoint MultiImageSize(const TCellGraphic& G) const;
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
    // The node's glyph in its cell rectangle, in the look of CellNode (ExtGridNodeDraw.cpp).
    void DrawNodeGlyph(TCanvas* ACanvas, const TRect& Rect, int ARow, bool Contracted) const;

private:
    // Expands the contracted node that holds the hidden real row, if one does.
    void ExpandNodeHoldingRow(int ARealRow);
    TCellGraphic* NodeGraphic(int ADisplRow) const;
    // The display row above which every node's rows end: the first fixed footer.
    int NodeRowsEnd() const;
    // The shown row after the node's span: the span counts stored rows, hidden ones too,
    // and the shown rows of it stand together below the header up to here.
    TDisplRow NodeSpanEnd(TDisplRow Header) const;
    // The last real row that the node at ADisplRow covers.
    int NodeLastRealRow(int ADisplRow) const;
    int NextNodeRow(int ADisplRow) const;
    void ChangeNodeLevels(int ADisplRow, int Delta);
    // A checked or cleared box of a group: a node row passes it to its rows, any other row
    // makes its node's tri-state box show whether its rows agree.
    void CheckGroup(int ACol, int ARow, bool State);
    // The check box of a row that a contracted node hides.
    void SetHiddenCheckBoxState(int ARealCol, int ARealRow, bool State);
    // The parent row of ADisplRow and the nodes enclosing it, from the nearest up.
    std::vector<int> ParentNodes(int ADisplRow) const;
    // Opens a contracted node at ADisplRow without touching the other nodes.
    void ExpandNodeRows(int ADisplRow);
    // Contracts every open node except those holding the real row Keep.
    void ContractOtherNodes(int Keep);
    void ShowNodeRows(int AFromRealRow, int AToRealRow);

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
    // A range whose end lies before its start is left alone.
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    // Joins the second column's texts to the first's, trimmed at both ends, and removes
    // the second column.
    void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
    // Runs of equal texts merge; without MainMerge only rows or columns that are merged
    // alike already take part.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
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
    // The items of the in-place combo editor.
    TComboItemList& ComboItems() { return *FComboItems; }
    void ClearComboString() { FComboItems->Clear(); }
    void AddComboString(const std::string& s) { FComboItems->Add(s); }
    void AddComboStringObject(const std::string& s, TObject* AObject) { FComboItems->Add(s, AObject); }
    bool RemoveComboString(const std::string& s) { return FComboItems->Remove(s); }
    // False, changing nothing, when s is not in the list; else sets ComboIdx.
    bool SetComboSelectionString(const std::string& s);
    // The item the combo editor preselects for a cell whose text is not in the list.
    void SetComboSelection(int idx) { ComboIdx = idx; }
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
    // Also called by the const column calculations, so a hook only observes.
    virtual void ExportNotification(int, int) const {}
    virtual void ImportNotification(int, int) {}

    TNotifyEvent OnFilterDone;
    virtual void DoFilterDone()
    {
        if (OnFilterDone) OnFilterDone(this);
    }
    using TFixedEditEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                               TGridFixedCellEditor& AEditor, TStringList* Values)>;
    TFixedEditEvent OnFixedEdit;
    // Asked before a fixed cell is edited: the handler may change the editor and its items.
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values)
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

    // The floating footer's panel (FooterPanel.cpp), docked at the grid's bottom; the grid
    // owns it and gives it the height and visibility that FloatingFooter asks for.
    class TFooterPanel* FooterPanel() const { return FFooterPanel; }
    using TFooterPaintEvent =
        std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)>;
    TFooterPaintEvent OnFooterPaint;

private:
    void CreateFooterPanel();
    void FooterSettingChanged(TFloatingFooterChange Change);
    TFooterPanel* FFooterPanel = nullptr;
    std::unique_ptr<TComboItemList> FComboItems = std::make_unique<TComboItemList>(*this);
    int FNumNodes = 0;

public:
    // Fixed-cell editors and the editors of a cell's inline form controls
    // (ExtGridFixedCellEdit.cpp, ExtGridFormControls.cpp). The editors are made on first use.
    // Opens the edit box or combo of the mouse settings (or of OnFixedEdit) over a fixed cell;
    // an open fixed-cell editor is closed first, and nothing opens when it refuses to close.
    void StartFixedCellEdit(int ACol, int ARow);
    class TGridTransEdit* EditTrans();
    class TGridTransCombo* ComboTrans();
    // Opens the editor of one EDIT, PASSWORD, MASK or COMBO control of a cell's markup over
    // CtrlRect; other types open nothing.
    void StartControlEdit(const std::string& Text, const std::string& CtrlType, int ARow, int RealCol, int ACol,
                          const TRect& CtrlRect, const std::string& CtrlVal, const std::string& CtrlID);
    // Writes the open control editor's value into its control's VALUE and hides the editor.
    void EndControlEdit();
    void ControlComboSelect(TObject* Sender);
    // Enter or Tab in a form-control editor: the editor closes; Tab then moves on.
    void FormControlKey(char32_t& Key);
    class TControlEdit* EditControlBox();
    class TControlCombo* ComboControlBox();
    bool ControlEditing() const { return FCtrlEditing; }

    using TControlComboListEvent = std::function<void(
        TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
        const std::string& CtrlVal, TItemStrings* Values, bool& Edit, int& DropCount)>;
    using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                        const std::string& CtrlID, const std::string& CtrlValue)>;
    using TControlEditDoneEvent =
        std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                           const std::string& CtrlType, const std::string& CtrlVal)>;
    using TControlClickEvent =
        std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                           const std::string& CtrlType, const std::string& CtrlVal)>;
    // A form control was pressed; CtrlVal is its value before the press changed it.
    TControlClickEvent OnControlClick;
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TControlEditDoneEvent OnControlEditDone;

    // The custom editor of edCustom cells (ExtGridEditLinks.cpp); the grid never frees it
    // and forgets it when it is freed.
    TEditLink* EditLink() const;
    void SetEditLink(TEditLink* Value);
    // Opens the link on the current cell; without a link the cell is not edited.
    void ShowEditLink(const TRect& Rect, int RealCol, int ARow);
    // The link's value goes into the cell and the link's control is put away.
    void HideEditLink(int RealCol, int ARow);

private:
    friend class TEditLink;
    // The footer panel paints the footer row with the grid's cell painter.
    friend class TFooterPanel;
    TWeakRef<TEditLink> FEditLink;
    // While an in-place link's control is shown, the grid answers its dialog-code query
    // (ExtGridEditLinkWndProc.cpp): with goTabs the control keeps Tab, arrows and characters,
    // so that the link sees them.
    void SubclassEditLinkControl(TWinControl* Control);
    void RestoreEditLinkControl(TWinControl* Control);
    void EditLinkWndProc(TWinControl* Control, TMessage& Message);
    std::function<void(TMessage&)> FGridControlWndProc;
    void FixedEditChange(TObject* Sender);
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    TPoint FCtrlXY{-1, -1}; // real column, row
    // A BUTTON form control at FCtrlXY is held down.
    bool FCtrlDown = false;
    std::string FCtrlID;
    std::string FCtrlType;
    bool FCtrlEditing = false;

public:
    // ==== end of nodes, floating footer and cell operations ====

    // ==== sorting and filtering ====
public:
    // Cell and row comparison (SortCompare.cpp): -1, 0 or 1; 1 puts ARow1 after ARow2 in
    // ascending order. Every compare reads the cells anew and asks the column's format.
    int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    int CompareRows(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);
    std::function<void(TObject* Sender, const std::string& Str1, const std::string& Str2, int& Res)>
        OnCustomCompare;
    std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)> OnRawCompare;

    // Row sorting (RowSort.cpp): the rows' order is worked out first, stably, then each row
    // moves once through SortSwapRows.
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    void QSort();
    // Raises EExtGridError when SortIndexes is empty.
    void QSortIndexed();
    // Sorts the rows below each expanded node of the deepest node level.
    void QSortGroup();
    void QSortGroupIndexed();
    // Puts every row back where it stood at the last InitSortXRef; nothing when rows were
    // added or removed since.
    void QUnSort();
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // Swaps the two rows when they are out of order at Col or, on a tie, a later column.
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    // The row position of each row before the sorts since the last InitSortXRef.
    const std::vector<int>& SortRowXRef() const { return FSortRowXRef; }
    std::function<void(TObject* Sender, int OldRow, int NewRow)> OnRowUpdate;

    // Row filtering (RowFilter.cpp). Rows that fail the filter leave the grid for the hidden
    // row store, one level per filter pass.
    virtual bool MatchFilterRow(int ARow);
    void FilterRow(int ARow);
    void ApplyFilter();
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool Value);
    // True when more than one level remains.
    bool RemoveLastFilter();
    void RemoveAllFilters();
    // The narrowing filter of typed text; AColumn -1 tests whole rows.
    void NarrowDown(const std::string& ACondition, int AColumn);
    bool FilterNormalCellsOnly = true;
    std::function<void(TObject* Sender, int ARow, bool& AcceptRow)> OnCustomFilter;
    std::function<void(TObject* Sender, int Progress)> OnFilterProgress;

    // The filter drop-down's choices (FilterDropDownChoice.cpp), for the column FilterCol.
    virtual void FilterListSelect(int ItemIndex);
    virtual void FilterCheckListDone(const std::vector<bool>& Checked);
    int FilterCol = -1;
    bool AutoFilterUpdate = true;
    // The header's filter button opens a check list of several values instead of a list.
    bool FilterDropDownCheck = false;
    // Only a fixed row can carry the filter buttons; another row is ignored.
    void SetFilterDropDownRow(int Value);
    void SetFilterDropDownAuto(bool Value) { ChangeAndRepaint(FilterDropDownAuto, Value); }
    // The two lists the filter button opens (ExtGridFilterDropDown.cpp), hidden until then.
    TDropList* DropList() const { return FDropList; }
    TDropCheckList* DropCheckList() const { return FDropCheckList; }
    std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                       std::string& FilterCondition)>
        OnFilterSelect;
    std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                       std::string& FilterCondition, const std::vector<bool>& CheckList)>
        OnFilterCheck;

private:
    void QuickSortRows(int ACol, int Left, int Right, bool Indexed);
    // The columns a sort orders by, in turn. Ignored columns and columns the grid does not
    // have tie on every row, so they are left out.
    std::vector<TSortLevel> SortLevels(int ACol, bool Indexed);
    // Sorts Rows, rows that tie on the levels before Level, stably by the levels from Level
    // on: by their keys a level at a time where the column allows it, which reads each cell
    // once; by the row compare from that level on otherwise.
    void SortRunByLevels(std::span<int> Rows, size_t Level, TSortRun& Run);
    void SortRunByCompare(std::span<int> Rows, size_t Level, TSortRun& Run);
    // Whether the level's keys of Rows tie because their cells show one text and the key of
    // such a cell comes from its text alone: found without making a key.
    bool SortTextsTie(const TSortLevel& Level, std::span<const int> Rows);
    // The compare of a running sort: by the keys read once where the column allows it.
    int CompareSortCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    TSortColumnKeys& SortKeysOf(int ACol);
    // How a column's keys are read; ssCustom (every cell compared cell by cell) while events
    // may hand out texts or take part in the compare.
    TSortColumnFormat SortColumnFormat(int ACol);
    // False where the cell is compared cell by cell.
    bool CellSortKey(int ACol, int ARow, const TSortColumnFormat& Format, TSortKey& Key);
    void ReadSortKey(int ACol, int ARow, TSortColumnKeys& Keys, size_t Index);
    TSortKey SortKeyOf(TSortStyle Style, int ACol, int ARow, TSortCellText& Text, const std::string& Prefix,
                       const std::string& Suffix);
    bool HasSortCheckBox(int ACol, int ARow) const;
    // The row UnSortedCells reads: row ARow itself beyond the recorded rows.
    int UnSortedRow(int ARow) const;
    // The text a sort compares, from the running sort's cache when it keeps one; Slot keeps
    // the two texts of one compare apart when it does not.
    TSortCellText& SortCellText(int ACol, int ARow, int Slot);
    // Keeps the texts of the cells compared while SortStep runs, when nothing can change them.
    void WithSortTexts(const std::function<void()>& SortStep);
    void SortRows(bool Indexed, bool Grouped);
    void SortGroups(bool Indexed);
    void CreateFilterDropLists();
    // A release on a header's filter button opens its list; any other release closes it.
    void ReleaseFilterButton(int X, int Y);
    void OpenFilterList(int RealCol, const TRect& HeaderCell);
    std::vector<bool> CheckedFilterEntries() const;
    // Brings back the rows of the newest filter level.
    void RestoreFilterLevel();
    std::string FilterText(const TFilterData& Item, int ARow);

    std::vector<int> FSortRowXRef;
    std::unique_ptr<TSortTextCache> FSortTexts;
    // The keys of the sort that runs, held by the sort; null between sorts.
    TSortKeyTable* FSortKeys = nullptr;
    TSortCellText FSortTextSlots[2];
    bool FFilterActive = false;
    int FFilterFixedRows = 0;
    std::string FLastFilter;
    TFilterConditionCache FFilterConditions;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    int FFilterListClosedCol = -1;

public:
    // ==== end of sorting and filtering ====

    // ==== find, highlight and search footer ====
public:
    // Find and replace (GridFind.cpp). "Not found" is (-1, -1); StartCell (-1, -1) starts at
    // the beginning of the area (its end with fnBackward).
    TPoint Find(TPoint StartCell, const std::string& s, TFindParameters FindParams);
    // The same on the cells' wide texts, without keeping the found row off the bottom edge.
    TPoint FindWide(TPoint StartCell, const std::string& s, TFindParameters FindParams);
    TPoint FindFirst(const std::string& s, TFindParameters FindParams);
    TPoint FindNext();
    // Replaces OrigStr, in any case, in the stored text of every cell found; the number of
    // cells changed.
    int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParameters FindParams);
    // The first normal row whose sort column starts with s (upper case); -1 for none.
    int Search(const std::string& s);
    TPoint SearchCell{-1, -1};
    std::string SearchCache;
    std::string SearchCacheWide;
    int FFindCol = 0;
    int FFindRow = 0;
    bool FindBusy() const { return FFindBusy; }

    // Highlight tags "hi" and mark tags "e" (CellTagging.cpp). They work on the stored
    // texts, and a cell without an occurrence or a tag is left as it is.
    static std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
    static std::string UnHilightText(const std::string& S);
    static std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
    static std::string UnMarkText(const std::string& S);
    void HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // Fills (CellFills.cpp), over all cells with DoFixed, else the normal cells.
    void TextFill(bool DoFixed, const std::string& Txt);
    // Fmt gets the column and the row number.
    void FormatFill(bool DoFixed, const std::string& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);

    // The cell checker over cells (CellChecking.cpp): true when no cell changed; without a
    // CellChecker every check passes.
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

    // The search bar's handlers (SearchFooterActions.cpp): its edit, buttons and check box
    // call them.
    void SearchEditChange();
    void SearchForward() { SearchStep(false); }
    void SearchBackward() { SearchStep(true); }
    void SearchHighlight();
    std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)> OnSearchEditChange;
    // Fired when the bar is first shown.
    TNotifyEvent OnCreatedSearchFooter;
    TNotifyEvent OnCreatedFloatingFooter; // when the floating footer's panel has its window

private:
    TFindParameters SearchFooterParams(bool Typing, bool Backward);
    void SearchStep(bool Backward);
    bool SearchHighlighting() const;
    void HighlightSearchText();
    void RemoveSearchHighlights();
    bool FSearchPanelShown = false;

    TPoint ScanForCell(TPoint StartCell, const std::string& s, TFindParameters FindParams, bool Wide);
    bool MatchFindCell(int ACol, int ARow, TFindParameters FindParams, bool Wide);
    void GotoFoundCell(TPoint Cell, TFindParameters FindParams);
    // The cells a tag, fill or check operation covers: a column (by its real index), a row
    // or the grid, fixed ones with DoFixed, hidden columns with PlusHidden. Index is the
    // column or row; -1 for the grid.
    enum TTagScope { tsColumn, tsRow, tsGrid };
    TShownCellWalk TagArea(TTagScope Scope, int Index, bool DoFixed, bool PlusHidden) const;
    void FillArea(bool DoFixed, const std::function<std::string(TShownCell)>& Text);
    void TagTextInCells(const std::string& Text, const std::string& TagName, const TShownCellWalk& Cells, bool DoCase);
    void UnTagTextInCells(const std::string& TagName, const TShownCellWalk& Cells);
    bool CheckCellsIn(const TShownCellWalk& Cells);

    TFindParameters FFindParams;
    bool FFindBusy = false;

public:
    // ==== end of find, highlight and search footer ====

    // ==== grouping and calculations ====
public:
    // Grouping (ExtGridGrouping.cpp): the rows are sorted on the column, each run of equal
    // values gets a header row that heads it as a node, and the column leaves the grid.
    virtual void Group(int ColIndex);
    virtual void UnGroup();
    // A second level inside a grouping: each group splits on the column's values under
    // child headers, whose nodes keep the column; SubUnGroup puts the values back.
    virtual void SubGroup(int ColIndex);
    virtual void SubUnGroup(int ColIndex);
    // -1 ungroups, 1 or more groups, 0 changes nothing.
    void SetGroupColumn(int Value);
    bool IsGrouping() const { return FIsGrouping; }
    // One result per expanded group, in its summary row with Grouping's Summary, else in its
    // header row: method 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom,
    // 7 distinct, 8 standard deviation.
    void GroupCalc(int ACol, int Method);
    void GroupSum(int ACol) { GroupCalc(ACol, 1); }
    void GroupAvg(int ACol) { GroupCalc(ACol, 2); }
    void GroupMin(int ACol) { GroupCalc(ACol, 3); }
    void GroupMax(int ACol) { GroupCalc(ACol, 4); }
    void GroupCount(int ACol) { GroupCalc(ACol, 5); }
    void GroupCustomCalc(int ACol) { GroupCalc(ACol, 6); }
    void GroupDistinct(int ACol) { GroupCalc(ACol, 7); }
    void GroupStdDev(int ACol) { GroupCalc(ACol, 8); }
    // The data rows of the expanded group headed by ARow join the selection.
    void SelectGroupRows(int ARow);
    using TColumnCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
    TColumnCalcEvent OnGroupCalc;
    TColumnCalcEvent OnColumnCalc;
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    // Calculations over the columns FromCol to ToCol of one row: only base cells count, a
    // cell that holds no number is skipped; an empty range gives 0.
    double RowSum(int ARow, int FromCol, int ToCol) const;
    double RowAvg(int ARow, int FromCol, int ToCol) const;
    double RowMin(int ARow, int FromCol, int ToCol) const { return RowExtreme(ARow, FromCol, ToCol, false); }
    double RowMax(int ARow, int FromCol, int ToCol) const { return RowExtreme(ARow, FromCol, ToCol, true); }

    // Selection operations (ExtGridSelectedText.cpp).
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    // Cells of a row joined by tabs, rows by CR LF.
    std::string SelectedText();

private:
    // One cell of SelectedText: plain text, quoted for a spreadsheet when it has lines.
    std::string SelectedCellText(TShownCell Cell) const;

public:
    // False for fixed cells.
    bool IsSelected(int ACol, int ARow) const;

private:
    // Closes the group headed by Header before row End: the node, then a summary row.
    // Returns the row after the group.
    TRealRow CloseGroup(TRealRow Header, TRealRow End);
    // The stored row where the fixed footers begin, or the end of the rows.
    TRealRow NormalRowsEnd() const { return DisplToRealRow(TDisplRow(RowCount() - FixedFooters)); }
    void ColorGroupRow(int ARow, TColor Color, TColor ColorTo, TColor TextColor);
    void MergeGroupRow(int FromCol, int ARow, TColor Color, TColor ColorTo, TColor TextColor);
    // Header colours on the row, or on one cell from FromCol on with Grouping's MergeHeader.
    void LookAsGroupHeader(int FromCol, int ARow);
    // A marked summary row at At in the summary colours.
    void InsertSummaryRow(TRealRow At);
    int HeaderValueColOfNode(int ARow) const;
    int SubGroupValueCol(int ColIndex) const;
    // The group header's row count as Grouping's ShowGroupCount shows it after the value.
    std::string GroupCountText(int ARow) const;
    std::vector<double> RowNumbers(int ARow, int FromCol, int ToCol) const;
    double RowExtreme(int ARow, int FromCol, int ToCol, bool Largest) const;
    int FGroupWidth = 0;
    std::string FGroupCaption;
    std::string FGroupFooter;
    bool FIsGrouping = false;

public:
    // ==== end of grouping and calculations ====

    // ==== cell streams and text files ====
public:
    // The binary cell stream (ExtGridCellStream.cpp): cells with their properties and
    // graphics. A stream that cannot be read raises EReadError and changes nothing.
    void SaveRectToBinStream(const TRect& R, TMemoryStream& Stream);
    void SaveToBinStream(TMemoryStream& Stream);
    void SaveToBinFile(const std::string& FileName);
    // Places the first stored cell at Point; a stream of a whole grid does not resize this
    // one, as cells pasted or dropped never replace the grid.
    void LoadAtPointFromBinStream(TPoint Point, TMemoryStream& Stream);
    // A stream of a whole grid gives the grid its size, widths and heights first.
    void LoadFromBinStream(TMemoryStream& Stream);
    void LoadFromBinFile(const std::string& FileName);
    // Tells the streams written by this grid from those of another one.
    int StreamID() const;
    using TFileProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
    TFileProgressEvent OnFileProgress;
    // The real column of saved column ACol, and the last saved column.
    int SavedRealCol(int ACol) const { return SaveHiddenCells ? ACol : RealColIndex(ACol); }
    int SaveEndColWithHidden() const { return SaveEndCol() + (SaveHiddenCells ? NumHiddenColumns() : 0); }
    // Reports to OnFileProgress; silent when that is unset or Active is false.
    TFileProgress FileProgressReporter(bool Active = true);

    // CSV files (ExtGridCsv.cpp). Delimiter 0 writes "," and detects the delimiter when
    // reading; MaxRows <= 0 reads every line.
    char Delimiter = 0;
    bool AlwaysQuotes = false;
    bool JavaCSV = false;
    bool OemConvert = false;
    void SaveToCSV(const std::string& FileName, bool Unicode);
    void AppendToCSV(const std::string& FileName, bool Unicode);
    void LoadFromCSV(const std::string& FileName, int MaxRows);
    void InsertFromCSV(const std::string& FileName, int MaxRows);
    void LoadFromCSVStream(TMemoryStream& AStream, int MaxRows);

    // The grid's text format, plain-text and fixed-width files (ExtGridTextFiles.cpp).
    void SaveToFile(const std::string& FileName, bool Unicode);
    // A file whose first line gives no columns or no rows changes nothing.
    void LoadFromFile(const std::string& FileName);
    void SaveToStream(TMemoryStream& Stream);
    // Stops before the first line that is not part of the format, so other data may follow.
    void LoadFromStream(TMemoryStream& Stream);
    // A failed export leaves an existing file as it was.
    void SaveToASCII(const std::string& FileName, bool Unicode);
    void AppendToASCII(const std::string& FileName, bool Unicode);
    // positions: one width per saved column, extended by the columns it lacks.
    void SaveToFixed(const std::string& FileName, TIntList& positions);
    // positions: 1-based character positions where fields begin; sorted here.
    void LoadFromFixed(const std::string& FileName, TIntList& positions, bool DoTrim, int MaxRows);
    double CellToReal(int ACol, int ARow) const;

private:
    std::vector<std::string> ASCIILines(std::vector<std::string> Lines);
    // The widths of the plain-text layout by real column, from FirstCol to LastCol.
    std::vector<int> ASCIIColumnWidths(int FirstCol, int LastCol, bool AllLines);
    // The save-cell text of a saved column, by its real column.
    std::string SavedCellText(int ACol, int ARow);

    // The save area as CSV text, each record ended by CR LF; the columns are real ones, hidden
    // ones too with SaveHiddenCells.
    std::string CSVText();
    // The same records appended to Text, with PartDone called whenever Text has grown to
    // PartSize (it takes the records made so far and may empty Text).
    void BuildCSVText(std::string& Text, size_t PartSize, const std::function<void()>& PartDone);
    void ReadCSVBytes(std::string Bytes, int MaxRows, bool Append);

    // Reads the stream once to check it, then again to place its cells.
    void ReadBinStream(TPoint Point, TMemoryStream& Stream, bool WholeGridResizes);
    void ReadBinRecords(TPoint Point, TMemoryStream& Stream, bool WholeGridResizes, bool Apply);
    // A column a stream carries: the index its records give it and the column it is read from.
    struct TStreamedCol {
        int Index;
        TRealCol Col;
    };
    // The records of the cells of Cols over the display rows Top..Bottom; GridCols is what
    // the columns count against to be the whole grid.
    void WriteBinCells(const std::vector<TStreamedCol>& Cols, int Top, int Bottom, int GridCols, TMemoryStream& Stream);
    mutable int FStreamID = 0;

public:
    // ==== end of cell streams and text files ====

    // ==== HTML and XML exchange ====
public:
    // The save area as a list of records, one element per row and one per cell; FieldDescr
    // names the cell elements (FIELD0, FIELD1 ... where it has no name). The bytes are in
    // XMLEncoding (ExtGridXmlExchange.cpp).
    void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                   const TStringList* FieldDescr, bool ExportEmptyCells);
    // Element texts and attribute values become cells, row by record; with LevelToRow each
    // nesting level starts a new row.
    void LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr);
    // The cells as an HTML table after HTMLSettings; pictures go into Dir + "images", where Dir
    // is empty or ends with "/" (ExtGridHtmlExport.cpp). Files are UTF-16 with Unicode, else
    // ASCII with character references for every other character.
    std::string SaveToHTMLString(const std::string& Dir);
    void SaveToHTML(const std::string& FileName, bool Show, bool Unicode);
    void AppendToHTML(const std::string& FileName, bool Show, bool Unicode);

private:
    // The export colours cells as the painter does, fixed cells included.
    friend class THtmlExport;
    void WriteHTMLFile(const std::string& FileName, bool Show, bool Unicode, bool Append);

public:
    // ==== end of HTML and XML exchange ====

    // ==== clipboard ====
public:
    // Cells go to the clipboard as text (fields split by tabs, lines ended by CR LF) and,
    // with the Navigation options, as rich text and in the grid's own cell format
    // (ExtGridClipboard.cpp, ExtGridPaste.cpp, ExtGridSmartPaste.cpp).
    enum TClipOperation { coCut, coCopy };
    void CopyToClipBoard();
    void CopySelectionToClipboard();
    void CutToClipboard();
    void CutSelectionToClipboard();
    // The save area as HTML with its plain text beside it. Pictures are written only into
    // ImageFolder, and left out when no folder is given.
    void CopyToClipBoardAsHTML(const std::string& ImageFolder = "");
    void PasteFromClipboard();
    // Pastes at the selection; with AllowSmartClipboard one pasted cell fills the selection,
    // two continue as a series of dates or numbers, more repeat as a pattern.
    void PasteSelectionFromClipboard();
    std::string GetSelectionAsText();
    void SetSelectionAsText(const std::string& Value);
    // Each returns the number of pasted fields; Rows and Cols the lines and the last line's
    // fields. Nothing is written outside the grid.
    int PasteTextAt(int ACol, int ARow, int& Rows, int& Cols, const std::string& Text);
    int PasteFromClipboardAt(int ACol, int ARow, int& Rows, int& Cols);
    void CopyRectToClipboard(const TRect& R, bool Filter);
    std::string RectToText(const TRect& R, bool Filter);
    void CopyRectAsCells(const TRect& R);
    void CopyCellAsRTF(int ACol, int ARow);
    // Widens the selection until no merged area lies half inside it.
    void ExpandSelectionToMerges();
    TClipboardBeforePasteEvent OnClipboardBeforePasteWideCell;
    TEditChangeEvent OnClipboardAfterPasteWideCell;

protected:
    virtual void BeginPaste() {}
    virtual void EndPaste() {}
    // Marks the target's rows modified when ShowModified is on.
    virtual void SetRowModifiedFlag(TPoint FromTopLeft, const TRect& Target, TClipOperation Op);
    // Writes one pasted text: a check box takes it as its state, other cells as their text.
    virtual void PasteCellText(int ACol, int ARow, const std::string& Text);
    virtual bool GetAllowFMTClipboard() const;

private:
    TRect SaveArea() const;
    // Empties the cells that may change (all with AllowClipboardAlways), undoably.
    void ClearForCut(const TShownCellWalk& Cells);
    // One pasted field at (ACol, ARow): the editability test, the paste events, the write.
    bool PasteField(int ACol, int ARow, const std::string& Field);
    bool PasteSmartText(int ACol, int ARow, std::string Text, bool CheckAllowAlways);
    void SmartFill(const TGridRect& S);
    bool SmartSeries(const TGridRect& S);
    void SmartRepeat(const TGridRect& S, int Pasted);
    void PasteBlockRepeat(const TGridRect& S, int Rows, int Cols);
    int RowGrowLimit() const;
    TPoint FClipOrigin{-1, -1};
    TClipOperation FLastClipOperation = coCopy;
    bool FPasteAll = false;

public:
    // ==== end of clipboard ====

    // ==== Office and database exchange ====
public:
    // At file level: workbooks are .xlsx files, documents .docx files, databases .mdb files
    // (ExtGridOfficeExchange.cpp). Every failure raises, with a message that says what failed.
    std::unique_ptr<TStringList> GetXLSSheets(const std::string& FileName);
    void LoadFromXLS(const std::string& Filename);
    void LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName);
    void SaveToXLS(const std::string& Filename, bool CreateNewSheet);
    void SaveToXLSSheet(const std::string& Filename, const std::string& SheetName);
    void SaveToDOC(const std::string& Filename, bool CreateNewDocument);
    void AppendToDoc(const std::string& Filename, const std::string& Bookmark);
    void LoadFromMDBSQL(const std::string& Filename, const std::string& SQL);
    void LoadFromMDBTable(const std::string& Filename, const std::string& Table);
    // Scales the fixed and active-cell fonts with the grid.
    void ChangeScale(int M, int D) override;

private:
    void LoadWorkbookSheet(const std::string& Filename, const std::optional<std::string>& SheetName);

public:
    // ==== end of Office and database exchange ====

public:
    // ==== settings persistence ====
    // The column layout as "n#widths#order#visibility" (ExtGridColumnStates.cpp). A text
    // without "#" changes nothing; a broken one raises EConvertError and changes nothing.
    std::string ColumnStatesToString();
    void StringToColumnStates(const std::string& Value);
    // Column widths ("Col" i) and moves ("Pos" i) in the INI file or registry key that
    // ColumnSize names; nothing while its Key or Section is empty.
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // The colours, fonts and looks as "Key=Value" lines (ExtGridVisualPropsFile.cpp).
    // EFCreateError "Cannot Create <file>" or EFOpenError "Cannot open file <file>"; a value
    // that cannot be read raises EConvertError, keeping what was set before it.
    void SaveVisualProps(const std::string& FileName);
    void LoadVisualProps(const std::string& FileName);
    // PrintSettings in Section of the INI file Key (ExtGridPrintSettingsFile.cpp); a missing
    // key loads its default.
    void SavePrintSettings(const std::string& Key, const std::string& Section);
    void LoadPrintSettings(const std::string& Key, const std::string& Section);

protected:
    // Keeps the column widths when ColumnSize.Save is set.
    void BeforeDestruction() override;

private:
    // The store ColumnSize names; none while its Key or Section is empty or at design time.
    std::unique_ptr<TColumnPositionStore> OpenColumnStore() const;
    // The width of a display position; positions beyond the columns report the default.
    int ColumnStateWidth(int Position) const;
    // Shows every column and moves them so that position k shows real column Order[k];
    // Order then becomes the column-order list.
    void ApplyColumnOrder(const std::vector<int>& Order);

public:
    // ==== end of settings persistence ====

public:
    // ==== drops onto the grid ====
    // With DragDropSettings.OleDropTarget the grid takes text, rich text, cell blocks, URLs,
    // one CSV or Excel file, and columns from drags (ExtGridDropTarget.cpp). Rows and columns
    // in the events are display indexes.
    using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
    using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
    using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& ARect)>;
    TOleDragOverEvent OnOleDragOver;
    // Text, rich text, or a CSV or Excel file (with row and column -1) is about to land.
    TOleDragEvent OnOleDrop;
    TOleDragEvent OnOleDropURL;
    TOleDragEvent OnOleDropFile;
    TOleDropColEvent OnOleDropCol;
    TOleDroppedEvent OnOleDropped;
    // The next column drop brings back hidden real column ACol, dragged from item AIndex of
    // AList, which then loses the item.
    void OleColumnDragStart(int ACol, int AIndex, TListBox* AList);
    bool OleColumnPending() const { return FOleDragCol != -1; }
    bool OleDropTargetAssigned() const { return FOleDropTargetAssigned; }

    // What the grid's drop target hands over; points are in screen coordinates.
    void OleDragMove(TPoint ScreenPt, bool& Allow, TDropFormats Formats);
    void OleDragLeave();
    void OleDropText(TPoint ScreenPt, const std::string& Text);
    void OleDropCells(TPoint ScreenPt, TMemoryStream& Cells);
    // Rich text (URL false) or a URL becomes the whole text of the cell under the point.
    void OleDropCellText(TPoint ScreenPt, const std::string& Text, bool URL);
    void OleDropFiles(TPoint ScreenPt, const TStringList& Files);
    void OleDropColumn(TPoint ScreenPt, int DraggedCol);

    // What follows the pointer during a drag out of the grid (ExtGridDragFeedback.cpp):
    // with ShowCells the dragged cells (MoveForm), else for a column its header (MoveButton).
    void FollowDragPointer(TPoint ScreenPt);
    // The drag ended: the cells window goes; the header button waits for the drop to hide it.
    void EndDragFeedback();

private:
    // Cells: the selection, or the pressed column's visible rows with Column.
    void ShowDragFeedback(bool Column, int ADisplCol);
    void OleDropTargetChanged();
    // The cell under a screen point, and whether the point lies below the last row where
    // a drop of whole rows appends (the cell is then the last row's first normal one).
    TPoint OleDropCell(TPoint ScreenPt, bool OffersCol, bool& Append) const;
    void MoveColumnForDrop(int FromIndex, int ToIndex);
    // Hovering near the edges scrolls towards the rows and columns beyond them.
    void ScrollTowardsDrop(int ACol, int ARow, TPoint ClientPt);
    // The arrows at the column or cell where the drop would land.
    void MarkDrop(bool Column, int ACol, int ARow, bool Append);
    // A drop, or the end of a drag from the grid, takes the arrows and the header button away.
    void HideDropMarkers();
    std::shared_ptr<TGridDropTarget> FGridDropTarget;
    bool FOleDropTargetAssigned = false;
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    TListBox* FOleDragList = nullptr;

public:
    // ==== end of drops onto the grid ====
};
