#pragma once
#include <functional>
#include <string>

#include "grid/foundation/model/GridEnums.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Types.h"

class TObject;
class TEditLink;

// Where an editor puts its text: as the cell it edits is painted.
struct TEditorTextAlignment {
    TAlignment Horizontal = taLeftJustify;
    TVAlignment Vertical = vtaTop;
};

// Events of the grid's editing cycle and of the validation of edited cells. They pass the
// column before the row; the column is a real column.

using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TGetEditorPropIntEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const std::string& ASelection, TObject* AObject)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
// Turns a cell text into the date a date editor opens on; ADate comes in as now.
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const std::string& Value, TDateTime& ADate)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
// Serves the date and the time spin editors alike.
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TClipboardBeforePasteEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;

// Hears of every changed cell rectangle of a grid it is registered with.
class TGridChangeNotifier {
public:
    virtual ~TGridChangeNotifier() = default;
    virtual void CellsChanged(const TRect& R) = 0;
};
