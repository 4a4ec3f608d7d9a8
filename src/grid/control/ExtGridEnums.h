#pragma once

// Enumerations of the string grid's own properties. Settings are saved by name and code
// compares by ordinal, so the order of the values is part of the interface: never reorder.

enum TGridLook {
    glStandard,
    glSoft,
    glClassic,
    glSuite,
    glXP,
    glListView,
    glVista,
    glWin7,
    glOffice2007,
    glCustom
};

enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };

enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };

enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };

enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };

enum THintShowLargeTextPos { hpCell, hpCursor };

enum TFilterDropDownColumns { fdNormal, fdAll };

// What a press on a fixed cell would select; it chooses the mouse cursor.
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };

enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
