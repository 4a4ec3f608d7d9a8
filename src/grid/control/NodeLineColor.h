#pragma once
#include "platform/ui/Graphics.h"

class TExtStringGrid;

// The colour the grid draws its node boxes' lines in.
TColor NodeLineColor(const TExtStringGrid& Grid);
