#pragma once
#include <functional>
#include <string>

#include "platform/ui/Component.h"

enum TColumnSizeLocation { clRegistry, clIniFile };

enum TAutoSizeRows { arAll, arNormal, arFixed };

// Where the grid saves its column widths, and which column stretches to fill the grid.
class TColumnSize : public TPersistent {
public:
    bool Save = false;
    // The registry key or INI file name, and the section the widths are stored under.
    std::string Key;
    std::string Section;
    bool Stretch() const { return FStretch; }
    // Stores the value and lets the grid stretch its column (OnStretchChange).
    void SetStretch(bool Value);
    int StretchColumn = -1;
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;
    TAutoSizeRows Rows = arAll;

    // Copies the settings, not the grid's handler, and stretches nothing.
    void Assign(const TPersistent& Source) override;

    std::function<void()> OnStretchChange;

private:
    bool FStretch = false;
};

// Whether the inplace editor grows the row or the column while the user types.
class TSizeWhileTyping : public TPersistent {
public:
    bool Height = false;
    bool Width = false;

    void Assign(const TPersistent& Source) override;
};
