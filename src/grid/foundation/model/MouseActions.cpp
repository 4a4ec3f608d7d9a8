#include "grid/foundation/model/MouseActions.h"

#include "grid/foundation/model/SettingsNotify.h"

TMouseActions::TMouseActions(TComponent*) : FFixedComboValues(std::make_unique<TStringList>()) {}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        CheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit) OnDisableEdit(this);
}

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunct(bool& Field, bool Value)
{
    Field = Value;
    if (!Value || !IsDesigning()) return;
    for (bool* other : {&FDisjunctRowSelect, &FDisjunctColSelect, &FDisjunctCellSelect})
        if (other != &Field) *other = false;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) { SetDisjunct(FDisjunctRowSelect, Value); }
void TMouseActions::SetDisjunctColSelect(bool Value) { SetDisjunct(FDisjunctColSelect, Value); }
void TMouseActions::SetDisjunctCellSelect(bool Value) { SetDisjunct(FDisjunctCellSelect, Value); }

void TMouseActions::SetWheelAction(TWheelAction Value) { StoreChanged(FWheelAction, Value, OnChange, this); }

void TMouseActions::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TMouseActions*>(&Source);
    if (!other) return;
    const bool editOnDblClickOnly = FEditOnDblClickOnly;
    const bool hotmailRowSelect = FHotmailRowSelect;
    static_cast<TMouseActionsOptions&>(*this) = *other;
    FEditOnDblClickOnly = editOnDblClickOnly;
    FHotmailRowSelect = hotmailRowSelect;
}
