#pragma once
#include <string>

class TExtStringGrid;

// How the grid drop-down narrows down and sorts the rows of its popup grid. The default
// narrows with the grid's hidden rows and sorts with the grid's own sort; a filter service
// that keeps levels of conditions takes the job over by deriving from it.
class TDropDownRowFilter {
public:
    virtual ~TDropDownRowFilter() = default;
    // Leaves the data rows whose cell in Column holds Text (letter case ignored); an empty
    // Text leaves them all.
    virtual void NarrowDown(TExtStringGrid& Grid, const std::string& Text, int Column);
    virtual void RemoveAllFilters(TExtStringGrid& Grid);
    // Sorts again on the grid's sort settings.
    virtual void Sort(TExtStringGrid& Grid);
};
