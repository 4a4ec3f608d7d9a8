#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// The size a cell text takes in the canvas's font: markup as the markup renderer lays it
// out, plain text line by line. With WordWrap the lines wrap at WrapWidth pixels.
TSize MeasureCellText(TCanvas* Canvas, const std::string& Text, bool Markup, bool WordWrap, int WrapWidth);
