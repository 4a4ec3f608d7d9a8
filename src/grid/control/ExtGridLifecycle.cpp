#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/foundation/model/Navigation.h"
#include "platform/ui/Forms.h"

// The grid follows its form's size: it takes over the form's resize event and passes
// every resize on to the handler that was there before.
void TExtStringGrid::ChainOwnerFormResize(TComponent* AOwner)
{
    auto* form = dynamic_cast<TCustomForm*>(AOwner);
    if (!form || ComponentState().Contains(csDesigning)) return;
    FOwnerForm = form;
    FKeptFormResize = form->OnResize;
    form->OnResize = [this](TObject* Sender) { OwnerFormResize(Sender); };
    FFormSize = {form->Width(), form->Height()};
}

// A form that is being freed no longer needs its handler back.
void TExtStringGrid::UnchainOwnerFormResize()
{
    if (!FOwnerForm || FOwnerForm->ComponentState().Contains(csDestroying)) return;
    FOwnerForm->OnResize = FKeptFormResize;
}

void TExtStringGrid::OwnerFormResize(TObject* Sender)
{
    if (SizeWithForm) {
        const int width = Width() + FOwnerForm->Width() - FFormSize.X;
        const int height = Height() + FOwnerForm->Height() - FFormSize.Y;
        if (width > 0 && height > 0) {
            SetBounds(Left(), Top(), width, height);
            FFormSize = {FOwnerForm->Width(), FOwnerForm->Height()};
        }
    }
    try {
        if (FKeptFormResize) FKeptFormResize(Sender);
    } catch (...) {
        // The form's own handler must not stop the grid from following the form.
    }
    Restretch();
}

void TExtStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    SearchFooterChanged();
    ShowColumnHeaders();
    ShowRowHeaders();
    // SetLook ignores the look the form stored; the suite look's colours must still apply.
    if (FLook == glSuite) {
        FLook = glCustom;
        SetLook(glSuite);
    }
    if (AutoSize) AutoSizeColumns(true, 4);
    if (ColumnSize()->Save) LoadColSizes();
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    MinRowHeight = DefaultRowHeight();
    MinColWidth = 10;
    FMaxRowCount = RowCount();
    if (Options().Contains(goAlwaysShowEditor)) {
        Navigation()->AlwaysEdit = true;
        SetOptions(Options() - goAlwaysShowEditor);
    }
    ApplyScrollBarAlways(false);
    if (FAutoThemeAdapt && !ComponentState().Contains(csDesigning)) FollowOfficeTheme();
    SetColumnOrder();
    BalloonChanged();
}
