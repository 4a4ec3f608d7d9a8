// Renders a few windows of the system's building blocks and saves each as a picture, for a
// look by eye after a change to painting:
//
//   window_gallery FOLDER      (under QT_QPA_PLATFORM=offscreen where there is no display)
//
// markup-grid.bmp: a string grid whose cells are drawn by the markup renderer, scrolled,
// with a column widened and a cell being edited, all through real input events.
// markup-hint.bmp: a hint as a grid shows it, markup on the info colour.
#include <iostream>
#include <string>

#include "grid/foundation/markup/HtmlDraw.h"
#include "platform/grids/Grids.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Input.h"

namespace {

const char* const MarkupCells[] = {
    "<B>Bold</B>, <I>italic</I>, <U>underlined</U>, <S>struck</S>",
    "<FONT COLOR=\"clRed\">red</FONT> on <FONT BGCOLOR=\"clYellow\">yellow</FONT>",
    "x<SUP>2</SUP> and H<SUB>2</SUB>O",
    "<A HREF=\"http://example\">an anchor</A> in a cell",
    "<UL><LI>one<LI>two</UL>",
    "<P ALIGN=\"right\">right aligned</P>",
    "<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"16\" VALUE=\"TRUE\"> a check box",
};

void SaveMarkupGrid(const std::string& path)
{
    TForm form(nullptr);
    form.SetClientSize(520, 240);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetAlign(alClient);
    grid->SetColCount(4);
    grid->SetRowCount(30);
    grid->SetDefaultRowHeight(34);
    grid->SetDefaultColWidth(160);
    grid->SetColWidths(0, 30);
    grid->SetDefaultDrawing(false);
    grid->SetOptions(grid->Options() + goEditing + goColSizing);
    for (int r = 1; r < 30; ++r) {
        grid->SetCells(0, r, IntToStr(r));
        for (int c = 1; c < 4; ++c) grid->SetCells(c, r, MarkupCells[(r + c) % std::size(MarkupCells)]);
    }
    grid->OnDrawCell = [grid](TObject*, int col, int row, const TRect& rect, TGridDrawState state) {
        TCanvas* canvas = grid->Canvas();
        canvas->Brush()->SetColor(state.Contains(gdFixed) ? clBtnFace : state.Contains(gdSelected) ? clHighlight : clWindow);
        canvas->Font()->SetColor(state.Contains(gdSelected) ? clHighlightText : clWindowText);
        canvas->FillRect(rect);
        TRect inner = rect;
        inner.Left += 2;
        inner.Top += 2;
        THtmlDrawParams params;
        params.WordWrap = true;
        params.Selected = state.Contains(gdSelected);
        HtmlDraw(canvas, grid->Cells(col, row), inner, params);
    };
    form.Show();
    grid->SetFocus();
    SendClick(grid, 250, 120);
    SendWheel(grid, 250, 120, -240);
    SendKey(VK_F2);
    SendText(" edited");
    Application->ProcessMessages();

    TBitmap shot(form.ClientWidth(), form.ClientHeight());
    form.PaintTo(shot.Canvas(), 0, 0);
    shot.SaveToFile(path);
}

void SaveMarkupHint(const std::string& path)
{
    TBitmap hint(240, 60);
    hint.Canvas()->Brush()->SetColor(clInfoBk);
    hint.Canvas()->FillRect(Rect(0, 0, 240, 60));
    THtmlDrawParams params;
    params.WordWrap = true;
    HtmlDraw(hint.Canvas(), "<B>Hint</B><BR>with <FONT COLOR=\"clRed\">colour</FONT> and a <A HREF=\"h\">link</A>",
             Rect(4, 4, 236, 56), params);
    hint.SaveToFile(path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: window_gallery FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    Application->Initialize();
    SaveMarkupGrid(folder + "/markup-grid.bmp");
    SaveMarkupHint(folder + "/markup-hint.bmp");
    std::cout << "saved markup-grid.bmp and markup-hint.bmp in " << folder << "\n";
    return 0;
}
