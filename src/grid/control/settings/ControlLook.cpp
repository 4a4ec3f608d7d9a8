#include "grid/control/settings/ControlLook.h"

#include "grid/control/settings/BarAppearance.h"

namespace {

bool IsMirror(TFixedGradient Which)
{
    switch (Which) {
    case fgMirrorFrom:
    case fgMirrorTo:
    case fgHoverMirrorFrom:
    case fgHoverMirrorTo:
    case fgDownMirrorFrom:
    case fgDownMirrorTo:
        return true;
    default:
        return false;
    }
}

} // namespace

TControlLook::TControlLook()
    : FUnCheckedGlyph(std::make_unique<TBitmap>()), FCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOffGlyph(std::make_unique<TBitmap>()), FRadioOnGlyph(std::make_unique<TBitmap>()),
      FDropDownHeader(std::make_unique<THeaderAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>())
{
    Init();
}

TControlLook::~TControlLook() = default;

void TControlLook::Init()
{
    FColor = clBlack;
    FCommentColor = clRed;
    ProgressBorderColor = clGray;
    FFixedGradients[fgFrom] = clNone;
    FFixedGradients[fgTo] = clNone;
    FFixedGradients[fgMirrorFrom] = clNone;
    FFixedGradients[fgMirrorTo] = clNone;
    FFixedGradients[fgHoverTo] = clWhite;
    FFixedGradients[fgHoverFrom] = clGray;
    SetFixedGradient(fgHoverMirrorTo, clNone);
    SetFixedGradient(fgHoverMirrorFrom, clNone);
    FFixedGradients[fgHoverBorder] = clSilver;
    FFixedGradients[fgDownTo] = clSilver;
    FFixedGradients[fgDownFrom] = clGray;
    SetFixedGradient(fgDownMirrorTo, clNone);
    SetFixedGradient(fgDownMirrorFrom, clNone);
    FFixedGradients[fgDownBorder] = clGray;
}

void TControlLook::SetFixedGradient(TFixedGradient Which, TColor Value)
{
    FFixedGradients[Which] = Value;
    if ((IsMirror(Which) || Value != clNone) && OnFixedGradient) OnFixedGradient(Which, Value);
}

void TControlLook::RepaintGlyph(TBitmap& Glyph, const TBitmap& Value)
{
    Glyph.Assign(Value);
    if (OnChange) OnChange(this);
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader->Assign(Value); }
void TControlLook::SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter->Assign(Value); }

void TControlLook::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TControlLook*>(&Source);
    if (!other) return;
    FCheckSize = other->FCheckSize;
    FRadioSize = other->FRadioSize;
    FControlStyle = other->FControlStyle;
    FCheckedGlyph->Assign(*other->FCheckedGlyph);
    FUnCheckedGlyph->Assign(*other->FUnCheckedGlyph);
    FRadioOnGlyph->Assign(*other->FRadioOnGlyph);
    FRadioOffGlyph->Assign(*other->FRadioOffGlyph);
    FProgressMarginX = other->FProgressMarginX;
    FProgressMarginY = other->FProgressMarginY;
    FCommentColor = other->FCommentColor;
    FColor = other->FColor;
    ProgressBorderColor = other->ProgressBorderColor;
    CheckAlwaysActive = other->CheckAlwaysActive;
    RadioAlwaysActive = other->RadioAlwaysActive;
    FFixedGradients = other->FFixedGradients;
    FDropDownAlwaysVisible = other->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = other->FSpinButtonsAlwaysVisible;
    DropDownCount = other->DropDownCount;
    FDropDownFooter->Assign(*other->FDropDownFooter);
    FDropDownHeader->Assign(*other->FDropDownHeader);
    HintMaxWidth = other->HintMaxWidth;
}
