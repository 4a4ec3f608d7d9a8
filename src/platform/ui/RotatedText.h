#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// Draws text in the canvas font turned counter-clockwise by `escapement` tenths of a
// degree about (x, y), the top-left corner of its first character cell, as a font with
// that escapement draws it: at 900 the text runs upward from y and its cells lie right of
// x. Only the characters are drawn, never a background.
void TextOutRotated(TCanvas* canvas, int x, int y, const std::string& text, int escapement);
