#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// The button's own bitmaps by resource name: "LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO",
// "LBCLOSE", "LBABORT", "LBRETRY", "LBIGNORE", "LBALL" (two frames, normal and disabled)
// and "LBARROW" (the drop-down arrow). Their background is the bottom-left pixel, so they
// are drawn transparently. Returns false, leaving the bitmap alone, for an unknown name.
bool LoadLbButtonBitmap(const std::string& resource, TBitmap& bitmap);
