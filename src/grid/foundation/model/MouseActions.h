#pragma once
#include <memory>

#include "grid/foundation/model/GridEnums.h"
#include "grid/foundation/model/GridEvents.h"
#include "platform/rtl/Classes.h"

// The plain mouse options of TMouseActions, copied as a whole by Assign.
struct TMouseActionsOptions {
    bool AutoSizeColOnDblClick = true;
    bool PreciseNodeClick = true;

    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboClose = false;
    bool DirectComboDrop = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelectNoCtrl = false;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;

    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    int WheelIncrement = 0;

protected:
    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FEditOnDblClickOnly = false;
    bool FHotmailRowSelect = false;
    TWheelAction FWheelAction = waMoveSelection;
};

// Mouse and selection behaviour of the grid. The options whose writers do more than
// store have accessors.
class TMouseActions : public TPersistent, public TMouseActionsOptions {
public:
    // The owner is not kept.
    explicit TMouseActions(TComponent*);

    // Turning it on also turns DisjunctRowSelect and CheckAllCheck on; OnInvalidate fires
    // either way.
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    // Turning it on fires OnDisableEdit.
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    // In the designer, turning one of the three on turns the other two off; at run time
    // they may be combined.
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // DisjunctRowSelect written without side effects.
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value); // OnChange when changed
    TStringList* FixedComboValues() const { return FFixedComboValues.get(); }
    void SetFixedComboValues(const TStringList& Value) { *FFixedComboValues = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

    // Copies every option but EditOnDblClickOnly, HotmailRowSelect and FixedComboValues,
    // firing nothing.
    void Assign(const TPersistent& Source) override;

private:
    void SetDisjunct(bool& Field, bool Value);
    bool IsDesigning();

    std::unique_ptr<TStringList> FFixedComboValues;
};
