#pragma once
#include <string>

#include "platform/rtl/Classes.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StdCtrls.h"

class TIntList;

// The kinds of graphic or in-cell control a cell can show, in their stored order.
enum TCellType {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand
};
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
};

// An object that draws itself in a cell. The grid never frees it.
class IGridCellDrawer {
public:
    virtual ~IGridCellDrawer() = default;
    virtual void Draw(TCanvas* Canvas, const TRect& R, TObject* Grid, int ACol, int ARow, bool Selected) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // True: drawn as the cell's background, before its text.
    virtual bool DrawBeforeText() const = 0;
};

// The one graphic of a cell: what it shows and the values it shows it with. Which slot
// means what depends on the kind. The graphic frees the objects its kind owns (always, or
// when CellCreated says the grid made them) with itself.
class TCellGraphic : public TPersistent {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    // Copies the kind and the plain values; the objects, CellVar and the tri-state stay.
    void Assign(const TPersistent& Source) override;

    TCellType CellType = ctNone;
    // The main object: bitmap, picture, file picture, glyph, image-index list or cell drawer.
    TObject* CellBitmap = nullptr;
    // The icon of an icon cell.
    TObject* CellIcon = nullptr;
    // The captions of a radio group, or the title and text of a balloon.
    TStringList* CellStrings = nullptr;
    // The colours a kind keeps: progress done and remaining, pie fill, range negative and
    // positive, shape line, rating empty.
    TColor CellColor = clNone;
    TColor CellColor2 = clNone;
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
    // The state of an expand cell (0 or 1), or the selected index of a radio group.
    int CellVar = 0;
    TCheckBoxState CellCheckBoxState = cbUnchecked;

    void SetInterfacedCell(TObject* AObject);
    void SetBitmap(TGraphic* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetIcon(TGraphic* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    void SetMultiImage(TIntList* List, int dir, TCellHAlign hal, TCellVAlign val);
    void SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const std::string& caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState State, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    // The angle is brought into 0..360.
    void SetAngle(int AAngle);

    int ButtonWidth() const { return CellIndex & 0xFFFF; }
    int ButtonHeight() const { return (CellIndex >> 16) & 0xFFFF; }
    // The size a picture is drawn at in a room of cw x rh, by the stretch mode; (0, 0) for
    // kinds that are no picture.
    TPoint GetPictureSize(int cw, int rh, bool hastext) const;

private:
    void FreeOwnedObjects();
};
