#include "grid/control/settings/BackGround.h"

TBackGround::TBackGround() : FColorTo(clBtnFace), FColor(clWindow), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::SetBitmap(const TBitmap& Value)
{
    FBitmap->Assign(Value);
    if (OnChange) OnChange(this);
}
