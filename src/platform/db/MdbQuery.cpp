#include "platform/db/MdbQuery.h"

#include <mdbsql.h>

#include <memory>

#include "platform/os/FileSystem.h"

namespace {
struct TMdbSqlCloser {
    void operator()(MdbSQL* Sql) const { mdb_sql_exit(Sql); }
};
using TMdbSqlHandle = std::unique_ptr<MdbSQL, TMdbSqlCloser>;

std::vector<std::string> MdbFieldNames(MdbSQL* Sql)
{
    std::vector<std::string> names;
    for (unsigned i = 0; i < Sql->num_columns; ++i)
        names.emplace_back(static_cast<MdbSQLColumn*>(g_ptr_array_index(Sql->columns, i))->name);
    return names;
}

std::vector<std::string> MdbCurrentRecord(MdbSQL* Sql)
{
    std::vector<std::string> values;
    for (unsigned i = 0; i < Sql->num_columns; ++i) {
        const char* value = static_cast<const char*>(g_ptr_array_index(Sql->bound_values, i));
        values.emplace_back(value ? value : "");
    }
    return values;
}
}  // namespace

TQueryResult RunMdbQuery(const std::string& FileName, const std::string& SQL)
{
    // The engine opens whatever it is given and only complains on stderr; a missing file
    // gets its own message here.
    if (!FileExists(FileName)) throw EDatabaseError("Database file \"" + FileName + "\" not found");
    TMdbSqlHandle sql(mdb_sql_init());
    if (!mdb_sql_open(sql.get(), const_cast<char*>(FileName.c_str())))
        throw EDatabaseError("\"" + FileName + "\" cannot be opened as an Access database");
    if (!mdb_sql_run_query(sql.get(), SQL.c_str()) || mdb_sql_has_error(sql.get())) {
        const std::string reason = mdb_sql_has_error(sql.get()) ? mdb_sql_last_error(sql.get()) : "the query failed";
        throw EDatabaseError("Query \"" + SQL + "\" on \"" + FileName + "\": " + reason);
    }
    TQueryResult result;
    result.FieldNames = MdbFieldNames(sql.get());
    if (sql->cur_table)
        while (mdb_sql_fetch_row(sql.get(), sql->cur_table))
            result.Records.push_back(MdbCurrentRecord(sql.get()));
    return result;
}
