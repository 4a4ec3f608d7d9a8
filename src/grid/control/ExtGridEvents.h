#pragma once
#include <functional>
#include <string>

#include "grid/foundation/model/GridEvents.h"
#include "platform/grids/Grids.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Controls.h"

class TStringList;

// Events of the string grid beyond the base grid's. Like there, the can-edit and is-fixed
// events pass the row before the column; the change events pass the old position first.

using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;

// Cell questions whose handlers see the row first.
using TGridWideHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                           TBrush* ABrush, TFont* AFont)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TNodeClickEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;

// Cell questions and editor notifications whose handlers see the column first.
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TCellCursorEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList* Filter)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TRatingChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const std::string& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TUnitChangedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const std::string& NewUnit)>;

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
using TSearchFooterActionEvent = std::function<void(TObject* Sender, const std::string& Value, int ACol,
                                                    int ARow, TSearchAction SearchAction)>;
using TSelectionChangedEvent =
    std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;

// A listener told of every cell the focus is asked to move to.
class ITExtStringGridSelect {
public:
    virtual ~ITExtStringGridSelect() = default;
    virtual void CellSelected(int ACol, int ARow) = 0;
};

// The events through which the owning window answers the grid's questions about a cell and
// hears of its editors' changes. An empty event is never called; its question keeps the
// grid's own answer.
struct TExtGridCellEvents {
    TClickCellEvent OnClickCell;
    TClickCellEvent OnRightClickCell;
    TDblClickCellEvent OnDblClickCell;
    TClickCellEvent OnComboCloseUp;
    TClickCellEvent OnComboDropDown;
    TClickCellEvent OnDatePickerCloseUp;
    TClickCellEvent OnDatePickerDropDown;
    TCanEditCellEvent OnCanEditCell;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TGridGradientEvent OnGetCellGradient;
    TGridBorderPropEvent OnGetCellBorderProp;
    TNodeClickEvent OnExpandNode;
    TNodeClickEvent OnContractNode;
    TNodeAllowEvent OnBeforeExpandNode;
    TNodeAllowEvent OnBeforeContractNode;

    TGetEditorTypeEvent OnGetEditorType;
    TComboChangeEvent OnComboChange;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxChange;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TWordWrapEvent OnGetWordWrap;
    TCellCursorEvent OnGetCellCursor;
    TGridFormatEvent OnGetFormat;
    TGetColumnFilterEvent OnGetColumnFilter;
    TRadioClickEvent OnRadioClick;
    TRadioClickEvent OnRadioMouseUp;
    TRadioButtonClickEvent OnRadioButtonClick;
    TRatingChangeEvent OnRatingChange;
    TColorSelectEvent OnColorSelect;
    TImageSelectEvent OnImageSelect;
    TEditChangeEvent OnEditChange;
    TDateTimeChangeEvent OnDateTimeChange;
    TUnitChangedEvent OnUnitChanged;
    TGridBalloonEvent OnCellBalloon;
    TSearchFooterActionEvent OnSearchFooterAction;
    TCanInsertRowEvent OnCanInsertRow;
    TCanAddRowEvent OnCanAddRow;
    TSelectionChangedEvent OnSelectionChanged;
    TNotifyEvent OnRichEditSelectionChange;
};
