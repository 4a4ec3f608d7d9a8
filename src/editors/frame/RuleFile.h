#pragma once
#include <functional>
#include <string>
#include <vector>

#include "editors/frame/RuleTable.h"

class TExtColumnGrid;

// The rule file of a window: the root element first, the version comment after it, a
// section element per grid where the tables name one (always in two-grid windows), and
// one `row` element per rule whose attributes hold the raw cell texts of columns 1 onwards.

// A window's own step after a row element filled row Row of table Table: Present tells,
// per column (index = column), whether the element carried the column's attribute.
using TRuleRowLoaded = std::function<void(int Table, int Row, const std::vector<bool>& Present)>;

// Fills the grids (already cleared) from the file. A damaged file, a missing section or a
// row without one of its attributes loses nothing that can be read: missing attributes
// read as their column's default (empty cells, reported, for required ones) and every
// readable row is shown; rows beyond the grid's last row are reported, since the next OK
// drops them. Returns "" or a message that says what was wrong, for the user.
std::string Load_Rule_File(const TRuleWindow& Window, const std::vector<TExtColumnGrid*>& Grids,
                           const TRuleRowLoaded& Loaded = {});

// Writes every grid's rows up to the first row with a blank key, replacing the file.
void Save_Rule_File(const TRuleWindow& Window, const std::vector<TExtColumnGrid*>& Grids);

// The rows of a grid that count: those before the first row whose key is blank.
int Rule_Row_Count(const TExtColumnGrid& Grid, int KeyColumn = Rule_Key_Column);
