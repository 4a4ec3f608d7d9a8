#pragma once
#include "platform/ui/Forms.h"

class TButton;
class TExtStringGrid;
class TImage;

// A window that shows a grid's printout one page at a time, at the printer's page size on
// the screen, with buttons to the previous and next page.
class TGridPrintPreviewForm : public TForm {
public:
    TGridPrintPreviewForm(TComponent* AOwner, TExtStringGrid& Grid);

    // Draws page Page (from 1), kept within the printout's pages.
    void ShowPage(int Page);
    int Page() const { return FPage; }
    int PageCount() const { return FPageCount; }
    TImage* PageImage() const { return FImage; }
    TButton* PreviousButton() const { return FPrevious; }
    TButton* NextButton() const { return FNext; }

private:
    void DrawPage(int Page);
    void UpdateButtons();

    TExtStringGrid& FGrid;
    TImage* FImage;
    TButton* FPrevious;
    TButton* FNext;
    int FPage = 1;
    int FPageCount = 1;
};
