#pragma once
#include <string>
#include <vector>

#include "grid/foundation/model/GridEnums.h"

class TExtColumnGrid;

// Rule grid columns that offer a list: a pick list (edComboList) or proposals for a text
// (edComboEdit).
void Set_Column_List(TExtColumnGrid& Grid, int Col, TEditorType Editor,
                     const std::vector<std::string>& Items);

// The positions of an exchange array of Count bytes, "0" to Count - 1, after "None" when
// a byte may stay unused.
void Fill_Position_List(TExtColumnGrid& Grid, int Col, int Count, bool WithNone);
