#include <cstdio>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/NoActiveForm.h"
#include "grid/control/settings/BackGround.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/CellNode.h"
#include "grid/control/settings/ColumnSize.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/DragDropSettings.h"
#include "grid/control/settings/DragScrollOptions.h"
#include "grid/control/settings/Filter.h"
#include "grid/control/settings/FilterDropDown.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/control/settings/PrintSettings.h"
#include "grid/control/settings/ProgressAppearance.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/MouseActions.h"
#include "grid/foundation/model/Navigation.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/foundation/model/SyncGrid.h"
#include "grid/foundation/painting/FocusHelper.h"
#include "platform/rtl/Classes.h"

namespace {

constexpr uint32_t kVersionNr = 0x06020103;
constexpr int kDefaultRowHeight = 22;
constexpr int kDefaultRowCount = 10;
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 250;
// The platform's system colours come from the classic desktop's table; its vertical
// scroll bar is this wide.
constexpr int kSystemScrollBarWidth = 17;
// The frame colour of themed desktops, which this platform always counts as.
constexpr TColor kThemedBorderColor = 0x00B99D7F;

} // namespace

TExtStringGrid::TExtStringGrid(TComponent* AOwner)
    : TBaseGrid(AOwner), FBorderColor(kThemedBorderColor), FScrollWidth(kSystemScrollBarWidth),
      FFixedFont(std::make_unique<TFont>()), FActiveCellFont(std::make_unique<TFont>()),
      FRowIndicator(std::make_unique<TBitmap>()), FColumnHeaders(std::make_unique<TStringList>()),
      FRowHeaders(std::make_unique<TStringList>()), FLookupItems(std::make_unique<TStringList>()),
      FFilterEntries(std::make_unique<TStringList>()), FNavigation(std::make_unique<TNavigation>(this)),
      FMouseActions(std::make_unique<TMouseActions>(this)),
      FSearchFooter(std::make_unique<TSearchFooter>(this, ComponentState().Contains(csDesigning))),
      FBands(std::make_unique<TBands>()), FSyncGrid(std::make_unique<TSyncGrid>(this)),
      FFocusHelper(std::make_unique<TFocusHelper>()), FCellNode(std::make_unique<TCellNode>()),
      FColumnSize(std::make_unique<TColumnSize>()), FSizeWhileTyping(std::make_unique<TSizeWhileTyping>()),
      FBalloon(std::make_unique<TBalloonSettings>()), FShowModified(std::make_unique<TShowModified>()),
      FDragScrollOptions(std::make_unique<TDragScrollOptions>()),
      FBackGround(std::make_unique<TBackGround>()), FControlLook(std::make_unique<TControlLook>()),
      FProgressAppearance(std::make_unique<TGridProgressAppearance>()),
      FFloatingFooter(std::make_unique<TFloatingFooter>(this)), FSortSettings(std::make_unique<TSortSettings>()),
      FFilter(std::make_unique<TFilter>()), FFilterDropDown(std::make_unique<TFilterDropDown>()),
      FGrouping(std::make_unique<TGrouping>()), FHTMLSettings(std::make_unique<THTMLSettings>()),
      FPrintSettings(std::make_unique<TPrintSettings>()),
      FDragDropSettings(std::make_unique<TDragDropSettings>())
{
    const bool designing = ComponentState().Contains(csDesigning);
    SuiteGradientTo = ColorToRGB(clBtnFace);

    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle(TFontStyles{fsBold});
    if (designing) FActiveCellFont->SetName("Tahoma");
    FActiveCellFont->SetStyle(TFontStyles{fsBold});

    // Settings that change what is drawn repaint the grid.
    FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
    FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
    FCellNode->OnChange = [this](TObject*) { Invalidate(); };
    FBands->OnChange = [this](TObject*) { Invalidate(); };
    FBackGround->OnChange = [this](TObject*) { Invalidate(); };
    // The list ColumnHeaders() hands out may be edited in place; the headers follow it.
    FColumnHeaders->OnChange = [this] {
        if (!FColumnHeadersChanging) SetColumnHeaders(TStringList(*FColumnHeaders));
    };
    // The modification marks are drawn in the fixed column.
    FShowModified->OnChange = [this](TObject*) { RepaintCol(0); };
    FColumnSize->OnStretchChange = [this] {
        if (Parent()) StretchColumn(FColumnSize->StretchColumn);
    };
    MergedColumns.OnChange = [this](TObject*, int, int) { RemergeListedColumns(); };
    CreateFooterPanel();
    CreateSearchPanel();
    CreateFilterDropLists();
    WireSettings();

    SetScrollBars(ssBoth);
    SetRowCount(kDefaultRowCount);
    TExtStringGrid::SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetDefaultRowHeight(kDefaultRowHeight);
    FFloatingFooter->SetHeight(kDefaultRowHeight);
    SetFixedRowHeight(kDefaultRowHeight);
    ChainOwnerFormResize(AOwner);
}

// Hidden rows hold the properties of their cells, freed the way the base grid frees its own.
TExtStringGrid::~TExtStringGrid()
{
    UnchainOwnerFormResize();
    FreeStoredRows(FRows.Replaced());
    // Columns inserted before cells with properties moved them past every column the base
    // grid knows of; the hidden columns count here.
    FreeCellPropertiesRange(0, 0, TExtStringGrid::TotalColCount() - 1, RowCount() - 1);
}

uint32_t TExtStringGrid::GetVersionNr() const { return kVersionNr; }

std::string TExtStringGrid::GetVersionString() const { return Version() + " Sep, 2012"; }

std::string TExtStringGrid::Version() const
{
    const uint32_t nr = GetVersionNr();
    char text[24];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", nr >> 24, (nr >> 16) & 0xFF, (nr >> 8) & 0xFF, nr & 0xFF);
    return text;
}
