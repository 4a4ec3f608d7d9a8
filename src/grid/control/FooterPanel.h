#pragma once
#include <vector>

#include "platform/ui/ExtCtrls.h"

class TExtStringGrid;

// The floating footer's panel, docked along the grid's bottom edge: it stays while the rows
// scroll and paints what the grid's FloatingFooter settings choose. Its columns line up
// with the grid's fixed columns and its scrolled columns from LeftCol on.
class TFooterPanel : public TPanel {
public:
    explicit TFooterPanel(TExtStringGrid* AGrid);

    // The grid column under the panel's x-coordinate X; -1 right of the last column.
    int ColumnAt(int X) const;
    // The column whose hint is showing, or -1.
    int LastHintX() const { return FLastHintX; }

protected:
    void CreateWnd() override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The width of the fixed columns and of the scrolled columns from LeftCol on.
    int ContentWidth() const;
    void PaintPreviewFrame(int Width);
    std::vector<int> FooterColumns() const;
    void PaintFooterLines(const std::vector<int>& Columns);
    int PaintFooterCells(const std::vector<int>& Columns);
    void ShowHintFor(struct THintInfo& Info, TMessage& Message);

    TExtStringGrid* FGrid;
    int FLastHintX = -1;
};
