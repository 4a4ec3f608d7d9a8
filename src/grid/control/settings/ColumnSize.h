#pragma once
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
    bool Stretch = false;
    int StretchColumn = -1;
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;
    TAutoSizeRows Rows = arAll;

    void Assign(const TPersistent& Source) override;
};

// Whether the inplace editor grows the row or the column while the user types.
class TSizeWhileTyping : public TPersistent {
public:
    bool Height = false;
    bool Width = false;

    void Assign(const TPersistent& Source) override;
};
