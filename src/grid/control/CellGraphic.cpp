#include "grid/control/CellGraphic.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/model/IntList.h"
#include "grid/foundation/painting/FilePicture.h"

TCellGraphic::~TCellGraphic() { FreeOwnedObjects(); }

// Which objects die with the graphic is a matter of its kind: some kinds always own what
// they hold, others only what the grid created for them.
void TCellGraphic::FreeOwnedObjects()
{
    switch (CellType) {
    case ctBitmap:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (CellCreated) delete CellBitmap;
        break;
    case ctIcon:
        if (CellCreated) delete CellIcon;
        break;
    case ctRadio:
        if (CellCreated) delete CellStrings;
        break;
    case ctImages:
        delete CellBitmap;
        break;
    case ctBalloon:
        delete CellStrings;
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (CellAngle == 1) delete CellStrings;
        break;
    default:
        break;
    }
    CellBitmap = nullptr;
    CellIcon = nullptr;
    CellStrings = nullptr;
}

void TCellGraphic::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TCellGraphic*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    CellType = other->CellType;
    CellVAlign = other->CellVAlign;
    CellHAlign = other->CellHAlign;
    CellIndex = other->CellIndex;
    CellTransparent = other->CellTransparent;
    CellValue = other->CellValue;
    CellAngle = other->CellAngle;
    CellBoolean = other->CellBoolean;
    CellErrFrom = other->CellErrFrom;
    CellErrLen = other->CellErrLen;
    CellText = other->CellText;
    CellCreated = other->CellCreated;
    CellColor = other->CellColor;
    CellColor2 = other->CellColor2;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject)
{
    CellType = ctInterface;
    CellBitmap = AObject;
}

void TCellGraphic::SetBitmap(TGraphic* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctBitmap;
    CellBitmap = ABmp;
    CellTransparent = Transparent;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val)
{
    SetFilePicture(APicture, Transparent, StretchMode, padding, hal, val);
    CellType = ctPicture;
}

void TCellGraphic::SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    CellType = ctFilePicture;
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetIcon(TGraphic* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctIcon;
    CellIcon = AIcon;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImageList;
    CellIndex = idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    SetImageIdx(idx, hal, val);
    CellType = ctDataImage;
}

void TCellGraphic::SetMultiImage(TIntList* List, int dir, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImages;
    CellHAlign = hal;
    CellVAlign = val;
    CellBoolean = dir == 0;
    CellBitmap = List;
    CellCreated = true;
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctButton;
    CellIndex = static_cast<int>((static_cast<unsigned>(bh) << 16) | (static_cast<unsigned>(bw) & 0xFFFF));
    CellBoolean = false;
    CellText = caption;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellBoolean = Value;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState State, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    SetCheckBox(false, false, Flat, hal, val);
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = State;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    SetCheckBox(Value, false, Flat, hal, val);
    CellType = ctRadioButton;
}

void TCellGraphic::SetAngle(int AAngle)
{
    int angle = static_cast<int16_t>(AAngle);
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    CellType = ctRotated;
    CellAngle = angle;
}

namespace {

TPoint OwnPictureSize(const TObject* Picture)
{
    if (const auto* picture = dynamic_cast<const TPicture*>(Picture))
        return {picture->Width(), picture->Height()};
    if (const auto* file = dynamic_cast<const TFilePicture*>(Picture)) return {file->Width(), file->Height()};
    return {0, 0};
}

double SideRatio(int Room, int Side) { return Side > 0 ? static_cast<double>(Room) / Side : 1.0; }

// The larger side fills the room, the other follows the picture's proportions.
TPoint AspectFit(TPoint Own, TPoint Room, double MaxRatio)
{
    const double rx = std::min(SideRatio(Room.X, Own.X), MaxRatio);
    const double ry = std::min(SideRatio(Room.Y, Own.Y), MaxRatio);
    if (rx >= ry) return {static_cast<int>(std::lround(Own.X * ry)), Room.Y};
    return {Room.X, static_cast<int>(std::lround(Own.Y * rx))};
}

} // namespace

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const
{
    if (CellType != ctPicture && CellType != ctFilePicture) return {0, 0};
    const TPoint own = OwnPictureSize(CellBitmap);
    const TPoint room{cw - CellIndex, rh - CellIndex};
    const bool fits = own.X <= room.X && own.Y <= room.Y;
    switch (CellAngle) {
    case Stretch:
        return room;
    case StretchWithAspectRatio:
        return AspectFit(own, room, HUGE_VAL);
    case Shrink:
        return fits ? own : room;
    case ShrinkWithAspectRatio:
        return fits ? own : AspectFit(own, room, 1.0);
    default:
        return own;
    }
}
