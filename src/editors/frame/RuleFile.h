#pragma once
#include <string>
#include <vector>

#include "editors/frame/RuleTable.h"

class TExtColumnGrid;

// The rule file of a window: the root element first, the version comment after it, in
// two-grid windows one section element per grid, and one `row` element per rule whose
// attributes hold the raw cell texts of columns 1 onwards.

// Fills the grids (already cleared) from the file. A damaged file, a missing section or a
// row without one of its attributes loses nothing that can be read: missing attributes
// read as empty cells and every readable row is shown; rows beyond the grid's last row are
// reported, since the next OK drops them. Returns "" or a message that says what was
// wrong, for the user.
std::string Load_Rule_File(const TRuleWindow& Window, const std::vector<TExtColumnGrid*>& Grids);

// Writes every grid's rows up to the first row with a blank key, replacing the file.
void Save_Rule_File(const TRuleWindow& Window, const std::vector<TExtColumnGrid*>& Grids);

// The rows of a grid that count: those before the first row whose key is blank.
int Rule_Row_Count(const TExtColumnGrid& Grid);
