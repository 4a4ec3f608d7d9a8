#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/grids/GridAxis.h"
#include "platform/grids/GridCellStore.h"
#include "platform/ui/BiDiMode.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

// The platform's grids: TCustomGrid (geometry, current cell, selection, scrolling, keyboard
// and mouse, the inplace editor), TCustomDrawGrid and TDrawGrid (cells drawn by an event),
// TStringGrid (a text and an object per cell). Columns and rows are counted from 0; the
// first FixedCols columns and FixedRows rows stay in place while the rest scrolls.

class EInvalidGridOperation : public Exception {
    using Exception::Exception;
};

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// Columns Left..Right and rows Top..Bottom, both ends included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    TGridCoord TopLeft() const { return {Left, Top}; }
    TGridCoord BottomRight() const { return {Right, Bottom}; }
    bool Contains(int col, int row) const
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Where one direction of the grid lies on the screen right now (pixels from the left or
// top of the client area, before any right-to-left mirroring).
struct TGridAxisDrawInfo {
    int EffectiveLineWidth = 0;
    int FixedBoundary = 0;       // end of the fixed cells
    int GridBoundary = 0;        // end of the last cell shown, at most GridExtent
    int GridExtent = 0;          // the client width or height
    int LastFullVisibleCell = 0; // the last cell shown whole
    int FullVisBoundary = 0;     // end of that cell
    int FixedCellCount = 0;
    int FirstGridCell = 0; // LeftCol or TopRow
    int GridCellCount = 0; // ColCount or RowCount
};

struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

class TCustomGrid;

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// The edit box that the grid shows over its current cell. It is a child of the grid and
// belongs to it. The keys that move between cells go to the grid; every typed character
// goes to the grid's KeyPress first, which may change or swallow it.
class TInplaceEdit : public TCustomEdit {
public:
    explicit TInplaceEdit(TComponent* owner);

    TCustomGrid* Grid() const { return grid_; }
    // The mask the typed text must fit ("!99/99/0000;1;_" style: 0 digit, 9 optional
    // digit, L letter, A letter or digit, C any character, > and < case, \ literal);
    // empty for none.
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);

    // Placed over a cell and shown; Hide keeps the text.
    void Move(const TRect& rect);
    // Loads the text, mask and length limit of the grid's current cell.
    virtual void UpdateContents();
    // The caret goes to the end of the text, nothing selected.
    void Deselect();
    // One line (the window a mask needs) or several, optionally wrapped; the text stays.
    using TCustomEdit::MultiLine;
    using TCustomEdit::WordWrap;
    void SetLines(bool multiLine, bool wordWrap);

protected:
    friend class TCustomGrid;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void WMGetDlgCode(TMessage& message) override;
    // A key that the grid takes instead of the edit.
    virtual bool ForGrid(Word key, TShiftState shift) const;
    // Called after the editor was placed over a cell.
    virtual void BoundsChanged() {}

private:
    TCustomGrid* grid_ = nullptr;
    std::string editMask_;
};

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* owner);
    ~TCustomGrid() override;

    // Counts and sizes.
    int ColCount() const { return cols_.Count(); }
    void SetColCount(int count);
    int RowCount() const { return rows_.Count(); }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return cols_.DefaultExtent(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return rows_.DefaultExtent(); }
    void SetDefaultRowHeight(int height);
    int ColWidths(int index) const { return cols_.Extent(index); }
    void SetColWidths(int index, int width);
    int RowHeights(int index) const { return rows_.Extent(index); }
    void SetRowHeights(int index, int height);
    // Virtual, like DefaultDrawing: a grid that draws its own lines keeps the property
    // through every pointer to it, while the lines drawn here stay off.
    virtual int GridLineWidth() const { return gridLineWidth_; }
    virtual void SetGridLineWidth(int width);
    // Width and height of everything the grid would draw.
    int GridWidth() const;
    int GridHeight() const;

    // Scrolling: the first scrolling column and row shown.
    int LeftCol() const { return leftCol_; }
    void SetLeftCol(int col);
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    // Scrolling columns and rows shown whole (at least 1 while any scrolls).
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // The current cell. The writers ask SelectCell first and scroll the cell into view.
    int Col() const { return current_.X; }
    void SetCol(int col);
    int Row() const { return current_.Y; }
    void SetRow(int row);
    // The selected cells; the current cell is one corner. May lie outside the grid.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& rect);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);
    virtual bool DefaultDrawing() const { return defaultDrawing_; }
    virtual void SetDefaultDrawing(bool on);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    // Columns run from the right edge to the left.
    bool UseRightToLeftAlignment() const { return biDiMode_ == bdRightToLeft; }
    bool UseRightToLeftReading() const { return biDiMode_ != bdLeftToRight; }

    // A cell's rectangle in client pixels; empty when the cell is not in view.
    virtual TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 for a coordinate beyond the cells.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    void CalcDrawInfo(TGridDrawInfo& info) const;

    // The inplace editor.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool on);
    TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }
    TGridState GridState() const { return gridState_; }
    // The column or row being sized while the state is gsColSizing or gsRowSizing.
    int SizingIndex() const { return sizingIndex_; }

    // Moves a column or row with everything it holds; calls ColumnMoved / RowMoved.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);

    // Grows every size, font and width by M / D.
    virtual void ChangeScale(int M, int D);

protected:
    friend class TInplaceEdit;

    // Hooks for the grids built on this one.
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual TInplaceEdit* CreateEditor();
    virtual std::string GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const std::string& Value);
    virtual std::string GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    // Whether the editor of a cell keeps several lines, and whether it wraps words.
    virtual void GetEditLines(int ACol, int ARow, bool& MultiLine, bool& WordWrap);
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void TopLeftChanged();
    // Asked before a cell, a row or a column is repainted on its own: true while the grid
    // holds its painting back and repaints whole when it lets go, so that loading many
    // cells costs no repaint per cell.
    virtual bool HoldsRepaintBack() { return false; }
    // The part of the client area whose pixels move with the cells when the grid scrolls:
    // a frame the grid paints along its client edge stays out of it.
    virtual TRect ScrolledArea() const { return ClientRect(); }
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    // Decides whether a press at (X, Y) starts sizing or moving: State gsColSizing or
    // gsRowSizing with the column or row in Index, the line position in SizingPos and the
    // offset from the mouse in SizingOfs; gsNormal otherwise.
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                 TGridDrawInfo& FixedInfo);
    // The mouse is over a line that a press would size: the split cursor is shown.
    bool ShowsSizingCursor() const { return sizingCursor_; }

    // Editor control.
    void ShowEditor();
    void ShowEditorChar(char32_t ch);
    void HideEditor();
    void InvalidateEditor();
    void UpdateEditor();

    // Moves the current cell (MoveAnchor: the selection collapses to it) and scrolls it
    // into view when Show; SelectCell decides first.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    void ScrollCellIntoView(int ACol, int ARow);
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);

    // Standard behaviour.
    void Paint() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void Loaded() override;
    void WMGetDlgCode(TMessage& message) override;
    void WMChar(TMessage& message) override;
    void WMHScroll(TMessage& message) override;
    void WMVScroll(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;

    // The column whose sizing line is being dragged; for the grid's own painting.
    TGridState FGridState() const { return gridState_; }
    int SizingPos() const { return sizingPos_; }
    // Ends or changes a sizing, moving or selecting drag (a grid may cancel a move).
    void SetGridState(TGridState state);

private:
    // Geometry (GridGeometry.cpp).
    int AxisPos(const TGridAxis& axis, int fixed, int first, int index) const;
    void AxisCell(const TGridAxis& axis, int fixed, int first, int pos, int extent, int& cell) const;
    int MaxTopLeft(const TGridAxis& axis, int fixed, int extent) const;
    int VisibleCountFor(const TGridAxis& axis, int last, const TGridAxisDrawInfo& info) const;
    int MirrorX(int x) const;
    TRect MirrorRect(const TRect& r) const;
    TRect BoxRect(int col, int row) const;
    void SetTopLeft(int col, int row);
    void ScrollContents(int oldCol, int oldRow);
    void ClampTopLeft();
    void UpdateScrollRange();
    void ScrollBy(int bar, Word code, int pos);
    void ChangeSize(int newColCount, int newRowCount);
    void SetFixedCount(int& fixed, int count, int total, const char* tooBig);
    void SizesChanged();
    // Selection (GridSelection.cpp).
    TRect GridRectPixels(const TGridRect& rect) const;
    void SelectionMoved(const TGridRect& old);
    void MoveAnchor(TGridCoord anchor);
    void MoveCurrent(int col, int row, bool moveAnchor, bool show);
    void MoveLine(bool column, int from, int to);
    // Painting (GridPaint.cpp).
    bool IsActiveControl() const;
    TGridDrawState CellState(int col, int row, const TGridRect& sel, bool active) const;
    void PrepareCell(const TRect& where, TGridDrawState state);
    void DrawLines(const TGridDrawInfo& info, const std::vector<int>& cols, const std::vector<int>& rows);
    TRect GuideLineRect() const;
    // Mouse (GridMouse.cpp).
    void MoveGuide(int& field, int value);
    int SizingExtent() const;
    void ShowSizingCursor(TGridState state);
    // Editor (GridEditor.cpp).
    void HideEdit();

    TGridAxis cols_;
    TGridAxis rows_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int gridLineWidth_ = 1;
    int leftCol_ = 1;
    int topRow_ = 1;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TBorderStyle borderStyle_ = bsSingle;
    TColor fixedColor_ = clBtnFace;
    TScrollStyle scrollBars_ = ssBoth;
    bool defaultDrawing_ = true;
    TBiDiMode biDiMode_ = bdLeftToRight;

    TInplaceEdit* inplaceEdit_ = nullptr;
    bool editorMode_ = false;
    int inplaceCol_ = -1;
    int inplaceRow_ = -1;

    TGridState gridState_ = gsNormal;
    int sizingIndex_ = -1;
    int sizingPos_ = 0;
    int sizingOfs_ = 0;
    int moveIndex_ = -1;
    int movePos_ = -1;
    bool sizingCursor_ = false;
};

// A grid whose cells are drawn by OnDrawCell.
class TCustomDrawGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;

    using TCustomGrid::CellRect;
    using TCustomGrid::MouseToCell;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGetEditEvent OnGetEditText;
    TGetEditEvent OnGetEditMask;
    TSetEditEvent OnSetEditText;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    std::string GetEditText(int ACol, int ARow) override;
    std::string GetEditMask(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void TopLeftChanged() override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    using TCustomDrawGrid::TCustomDrawGrid;
};

// A grid with a text and an object in every cell. Cells are addressed by their real
// index and may be written and read beyond ColCount and RowCount; a cell never written
// reads "" and no object, and lowering a count keeps the cells beyond it. The objects are
// not owned by the grid.
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* owner);

    virtual std::string Cells(int ACol, int ARow) const;
    virtual void SetCells(int ACol, int ARow, const std::string& Value);
    virtual TObject* Objects(int ACol, int ARow) const;
    virtual void SetObjects(int ACol, int ARow, TObject* Value);
    // The ColCount cells of a row, or the RowCount cells of a column, with their objects;
    // setting copies texts and objects into the cells from 0 on.
    TGridStrings Rows(int ARow) const;
    void SetRows(int ARow, const TGridStrings& Value);
    TGridStrings Cols(int ACol) const;
    void SetCols(int ACol, const TGridStrings& Value);
    // The rows, and a row's columns, that may hold a text or an object: a reader that clears
    // a large area visits these, not every cell of it.
    int KeptRowCount() const { return store_.KeptRows(); }
    int KeptColCount(int ARow) const { return store_.KeptColumns(ARow); }

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    std::string GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const std::string& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    TGridCellStore& CellStore() { return store_; }
    const TGridCellStore& CellStore() const { return store_; }

private:
    TGridStrings Line(bool column, int index) const;
    void SetLine(bool column, int index, const TGridStrings& value);

    TGridCellStore store_;
};
