#include "grid/control/NoActiveForm.h"

#include "platform/ui/LayeredWindow.h"

TNoActiveForm::TNoActiveForm(TWinControl* AGrid) : TCustomControl(nullptr), FPicture(std::make_unique<TBitmap>())
{
    SetVisible(false);
    SetEnabled(false);
    SetParent(AGrid);
    MakeOverlayWindow(this);
}

void TNoActiveForm::SetPicture(const TBitmap& Value)
{
    FPicture->Assign(Value);
    SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
}

void TNoActiveForm::ShowAt(TPoint ScreenPos)
{
    FScreenPos = ScreenPos;
    const TSize size{FPicture->Width(), FPicture->Height()};
    TBlendFunction blend;
    blend.SourceConstantAlpha = static_cast<BYTE>(FAlpha);
    UpdateLayeredWindow(this, &ScreenPos, &size, FPicture.get(), nullptr, clNone, &blend, ULW_ALPHA);
    SetVisible(true);
}
