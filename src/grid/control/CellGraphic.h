#pragma once
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/ui/StdCtrls.h"

// The kinds of graphic or in-cell control a cell can show, in their stored order.
enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage,
    ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment,
    ctButton, ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary,
    ctRangeIndicator, ctXPProgress, ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape,
    ctRating, ctTriStateCheckBox, ctExpand
};
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };

// The one graphic of a cell: what it shows and the values it shows it with. Which slot
// means what depends on the kind.
class TCellGraphic : public TPersistent {
public:
    TCellType CellType = ctNone;
    TObject* CellBitmap = nullptr;
    TObject* CellIcon = nullptr;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int CellIndex = 0;
    bool CellTransparent = false;
    // The grid created the main object and frees it with the graphic.
    bool CellCreated = false;
    bool CellBoolean = false;
    int CellAngle = 0;
    double CellValue = 0;
    int CellErrFrom = 0;
    int CellErrLen = 0;
    std::string CellText;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
};
