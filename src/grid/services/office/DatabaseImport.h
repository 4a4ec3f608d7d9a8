#pragma once
#include <string>

class TExtStringGrid;

// Reads the records of a query on an Access database file (.mdb) into the grid.
class TDatabaseImport {
public:
    explicit TDatabaseImport(TExtStringGrid& Grid) : FGrid(Grid) {}
    // Raises EDatabaseError with the database's own message.
    void LoadQuery(const std::string& FileName, const std::string& SQL);

private:
    TExtStringGrid& FGrid;
};
