// Shows the hint of a header cell under the pointer. With a file name it rests the pointer
// over the second header, then saves the window with the hint window drawn where it stands
// on the screen and a cross at the pointer.
#include <iostream>
#include <string>

#include "grid/control/ExtStringGrid.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"

int main(int argc, char** argv)
{
    Application->Initialize();
    TForm form(nullptr);
    form.SetCaption("Header hints");
    form.SetClientSize(420, 200);
    auto* grid = new TExtStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 400, 180);
    grid->SetColCount(4);
    grid->SetRowCount(6);
    const char* headers[] = {"", "Name", "Address", "Type"};
    for (int c = 0; c < 4; ++c)
        grid->SetCells(c, 0, headers[c]);
    grid->SetShowHint(true);
    grid->OnGridHint = [](TObject*, int ARow, int ACol, std::string& Hint) {
        Hint = "Column " + std::to_string(ACol) + ", row " + std::to_string(ARow);
    };
    form.Show();
    if (argc < 2) {
        Application->Run();
        return 0;
    }
    const TRect header = grid->CellRect(2, 0);
    const TPoint at{header.Left + 25, header.Top + 8};
    if (!ShowControlHint(grid, at)) {
        std::cerr << "no hint shown\n";
        return 1;
    }
    Application->ProcessMessages();
    TBitmap shot(form.ClientWidth(), form.ClientHeight() + 40);
    shot.Canvas()->Brush()->SetColor(clBtnFace);
    shot.Canvas()->FillRect({0, 0, shot.Width(), shot.Height()});
    form.PaintTo(shot.Canvas(), 0, 0);
    const TPoint origin = form.ClientToScreen({0, 0});
    if (THintWindow* hint = ShownHintWindow()) hint->PaintTo(shot.Canvas(), hint->Left() - origin.X, hint->Top() - origin.Y);
    const TPoint pointer = grid->ClientToScreen(at);
    const int x = pointer.X - origin.X, y = pointer.Y - origin.Y;
    shot.Canvas()->Pen()->SetColor(clRed);
    shot.Canvas()->MoveTo(x - 5, y);
    shot.Canvas()->LineTo(x + 6, y);
    shot.Canvas()->MoveTo(x, y - 5);
    shot.Canvas()->LineTo(x, y + 6);
    shot.SaveToFile(argv[1]);
    std::cout << "saved " << argv[1] << "\n";
    return 0;
}
