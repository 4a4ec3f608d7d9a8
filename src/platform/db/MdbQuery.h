#pragma once
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

// Errors of the database: a file that cannot be opened as a database, an SQL text the
// engine refuses. The message says which.
class EDatabaseError : public Exception {
    using Exception::Exception;
};

// The whole result of a query: the field names and every record's values as text (an empty
// text for a field without data).
struct TQueryResult {
    std::vector<std::string> FieldNames;
    std::vector<std::vector<std::string>> Records;
};

// Runs an SQL query on a Microsoft Access database file (.mdb) and fetches every record.
TQueryResult RunMdbQuery(const std::string& FileName, const std::string& SQL);
