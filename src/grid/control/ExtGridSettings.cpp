#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/ProgressAppearance.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/SearchFooter.h"

namespace {

// The grid's copy of each fixed-cell gradient of the control look, in TFixedGradient order.
constexpr TColor TExtGridProperties::*kSuiteGradients[FixedGradientCount] = {
    &TExtGridProperties::SuiteGradientFrom,
    &TExtGridProperties::SuiteGradientTo,
    &TExtGridProperties::SuiteGradientMirrorFrom,
    &TExtGridProperties::SuiteGradientMirrorTo,
    &TExtGridProperties::SuiteGradientHoverFrom,
    &TExtGridProperties::SuiteGradientHoverTo,
    &TExtGridProperties::SuiteGradientHoverMirrorFrom,
    &TExtGridProperties::SuiteGradientHoverMirrorTo,
    &TExtGridProperties::SuiteGradientHoverBorder,
    &TExtGridProperties::SuiteGradientDownFrom,
    &TExtGridProperties::SuiteGradientDownTo,
    &TExtGridProperties::SuiteGradientDownMirrorFrom,
    &TExtGridProperties::SuiteGradientDownMirrorTo,
    &TExtGridProperties::SuiteGradientDownBorder,
};

} // namespace

void TExtStringGrid::WireSettings()
{
    const auto repaint = [this](TObject*) { Invalidate(); };
    FProgressAppearance->OnChange = repaint;
    FFilterDropDown->OnChange = repaint;
    FSortSettings->OnChange = repaint;
    FControlLook->OnChange = repaint;
    FBalloon->OnEnableChange = [this](TObject*) { BalloonChanged(); };
    FSearchFooter->OnChange = [this](TObject*) { SearchFooterChanged(); };
    FDragDropSettings->OnDropTargetChange = [this](TObject*) { OleDropTargetChanged(); };

    FSortSettings->FixedRowCount = [this] { return FixedRows(); };
    FSortSettings->Grid = this;
    // The sorted column's header colours are drawn in the last fixed row.
    FSortSettings->OnHeaderChange = [this](TObject*) {
        if (FixedRows() > 0) RepaintRow(FixedRows() - 1);
    };
    FFilter->OnColumnFilterRemoved = [this](int Col) { RepaintCell(Col, 0); };
    FSearchFooter->OnChange = [this](TObject*) { SearchFooterChanged(); };

    // The plain fixed-cell gradients are painted as stored, in RGB; the hover and down
    // looks only show on the next hover or press.
    FControlLook->OnFixedGradient = [this](TFixedGradient Which, TColor Value) {
        const bool painted = Which <= fgMirrorTo;
        this->*kSuiteGradients[Which] = painted ? ColorToRGB(Value) : Value;
        if (painted) Invalidate();
    };

    FFloatingFooter->OnChange = [this](TFloatingFooter* Footer, TFloatingFooterChange Change) {
        const bool footerRow = Footer->Visible() && Footer->FooterStyle() == fsFixedLastRow;
        if (Change == ffcVisible) FixedFooters = footerRow ? 1 : 0;
        // The panel shows the last row; the scrolling area must not show it a second time.
        if (Change == ffcVisible || Change == ffcStyle) FHideLastRow = footerRow;
        if (Change != ffcShowHint && Change != ffcHeight) Invalidate();
        FooterSettingChanged(Change);
    };
}
