#pragma once
#include "platform/ui/Controls.h"

class TExtStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

// The grid along one direction, as a scroll control sees it.
struct TScrollAxis {
    int Count = 0;       // RowCount or ColCount
    int Fixed = 0;       // fixed rows or columns
    int Visible = 0;     // scrolling lines shown
    int First = 0;       // TopRow or LeftCol
    int FixedExtent = 0; // pixels of the fixed lines at the start
    int EndExtent = 0;   // pixels of the fixed footers or right columns at the end
    int FirstExtent = 0; // pixels of line 0
};

// Where a slim scroll control draws its thumb, in the control's pixels along its direction.
struct TScrollThumb {
    bool Shown = false; // only while the grid has more scrollable lines than it shows
    int Position = 0;
    int Size = 0;
};

// The slim scroll indicator that a grid with ScrollType ssMetro shows at its right and
// bottom edges instead of scroll bars. Pressing beside the thumb pages; the thumb drags.
// It serves the TExtStringGrid it is placed on, and without one draws nothing.
class TScrollControl : public TCustomControl {
public:
    static constexpr int MinThumbSize = 20;

    explicit TScrollControl(TComponent* AOwner);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int ScrollWidth = 4; // the thumb's thickness
    TScrollDirection Direction = sdVertical;

    static TScrollAxis AxisOf(const TExtStringGrid& Grid, TScrollDirection Direction);
    // The thumb for a control of Length pixels along its direction.
    static TScrollThumb ThumbFor(const TScrollAxis& Axis, int Length);
    TScrollThumb Thumb() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TExtStringGrid* Grid() const;
    int Along(int X, int Y) const { return Direction == sdVertical ? Y : X; }
    int Length() const { return Direction == sdVertical ? Height() : Width(); }
    // The grid's first scrolling line shown: TopRow, or LeftCol for horizontal controls.
    int First() const;
    void SetFirst(int Value);

    TColor FColor = clSilver;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};
