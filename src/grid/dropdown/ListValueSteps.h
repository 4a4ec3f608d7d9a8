#pragma once
#include <vector>

#include "grid/dropdown/DropDownColumns.h"

// The steps through a list drop-down's values while its popup is closed.
enum TListValueStep { lvsFirst, lvsLast, lvsNext, lvsPrevious, lvsPageDown, lvsPageUp };

// The index a step leads to from Current (-1: nothing picked) among Count values, or -1 when
// the step picks nothing new.
int ListValueStepTarget(TListValueStep Step, int Current, int Count);

// The widths that share Room among the grid's ColCount columns in proportion to the
// columns' Width; the rounding is carried over so that the widths add up.
std::vector<int> FittedColumnWidths(const TDropDownColumns& Columns, int ColCount, int Room);
