#pragma once
#include <memory>

#include "grid/foundation/model/SettingsNotify.h"
#include "platform/ui/Graphics.h"

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };

enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// The grid's background: a picture, tiled or placed at Left and Top, or a gradient from
// Color to ColorTo. Every change tells the grid (OnChange) so that it repaints.
class TBackGround : public TPersistent {
public:
    TBackGround();
    ~TBackGround() override;

    int Top() const { return FTop; }
    void SetTop(int Value) { Change(FTop, Value); }
    int Left() const { return FLeft; }
    void SetLeft(int Value) { Change(FLeft, Value); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay Value) { Change(FDisplay, Value); }
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells Value) { Change(FCells, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Change(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Change(FColorTo, Value); }
    // Owned; the writer copies the picture.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap& Value);

    TNotifyEvent OnChange;

private:
    template <typename T> void Change(T& Field, T Value) { StoreAndNotify(Field, Value, OnChange, this); }

    int FTop = 0;
    int FLeft = 0;
    TBackGroundDisplay FDisplay = bdTile;
    TBackGroundCells FCells = bcNormal;
    TColor FColorTo;
    TColor FColor;
    std::unique_ptr<TBitmap> FBitmap;
};
