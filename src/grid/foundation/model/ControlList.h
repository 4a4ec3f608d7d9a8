#pragma once
#include <memory>
#include <vector>

#include "platform/ui/Controls.h"

// A control placed in the cell (X, Y).
class TControlItem : public TObject {
public:
    TControlItem(int X, int Y, TControl* Control) : X(X), Y(Y), Control(Control) {}
    int X;
    int Y;
    TControl* Control;
};

// The controls placed in cells. The list owns its items, never the controls.
class TControlList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void AddControl(int X, int Y, TControl* AObject);
    // The index of the first item for the cell; -1 when none.
    int ControlIndex(int X, int Y) const;
    TControlItem* Control(int i) const { return items_.at(i).get(); }
    void RemoveControl(int i);
    void Clear() { items_.clear(); }
    // True when some item's control is this window.
    bool HasHandle(const TWinControl* Handle) const;

private:
    std::vector<std::unique_ptr<TControlItem>> items_;
};
