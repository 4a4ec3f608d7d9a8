#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// The colour of a markup attribute value: "#RRGGBB" (hexadecimal digits, red first) or a
// colour name such as "clRed" or "clBtnFace", found in any case; a name that is not known
// gives black.
TColor HtmlColorValue(const std::string& value);
