#pragma once
#include "platform/ui/ButtonTypes.h"

// The enumerations of the styled push button.

// The shape of the face.
enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

// Colour presets; the button always reads back lcsCustom.
enum TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};

// Standard buttons with their own glyph, caption and modal result.
enum TLbButtonKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

// Where the glyph stands beside the caption: the platform's button layout.
using TLbButtonLayout = TButtonLayout;
