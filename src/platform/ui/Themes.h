#pragma once
#include "platform/rtl/Sets.h"
#include "platform/ui/Graphics.h"

// The desktop's themed look of common parts, drawn by the platform style onto any canvas.
// Visual styles always count as active.

bool ThemesEnabled();

enum TThemedPart { tpPushButton, tpCheckBox, tpRadioButton, tpHeaderItem, tpComboButton };
enum TThemedStateFlag { tsHot, tsPressed, tsDisabled, tsChecked, tsMixed, tsFocused };
using TThemedState = TSet<TThemedStateFlag>;

void DrawThemedPart(TCanvas* canvas, TThemedPart part, TThemedState state, const TRect& rect);
