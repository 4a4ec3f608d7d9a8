#include "platform/db/MdbQuery.h"

#include <mdbsql.h>

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Files.h"

namespace {
struct TMdbSqlCloser {
    void operator()(MdbSQL* Sql) const { mdb_sql_exit(Sql); }
};
using TMdbSqlHandle = std::unique_ptr<MdbSQL, TMdbSqlCloser>;

// The engine writes the reason of a refused query to stderr and keeps only a summary; this
// takes what it writes while it lives, so that the reason reaches the message.
class TStderrCapture {
public:
    TStderrCapture() : FFile(std::tmpfile())
    {
        std::fflush(stderr);
        FSaved = FFile ? dup(STDERR_FILENO) : -1;
        if (FSaved >= 0) dup2(fileno(FFile), STDERR_FILENO);
    }
    ~TStderrCapture()
    {
        Restore();
        if (FFile) std::fclose(FFile);
    }
    TStderrCapture(const TStderrCapture&) = delete;
    TStderrCapture& operator=(const TStderrCapture&) = delete;

    // The lines written so far, joined with "; ".
    std::string Text()
    {
        Restore();
        std::string text;
        if (!FFile) return text;
        std::rewind(FFile);
        char line[1024];
        while (std::fgets(line, sizeof line, FFile)) {
            std::string part(line);
            while (!part.empty() && (part.back() == '\n' || part.back() == '\r'))
                part.pop_back();
            if (!part.empty()) text += (text.empty() ? "" : "; ") + part;
        }
        return text;
    }

private:
    void Restore()
    {
        if (FSaved < 0) return;
        std::fflush(stderr);
        dup2(FSaved, STDERR_FILENO);
        close(FSaved);
        FSaved = -1;
    }

    std::FILE* FFile;
    int FSaved = -1;
};

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
} // namespace

TQueryResult RunMdbQuery(const std::string& FileName, const std::string& SQL)
{
    // The engine opens whatever it is given and only complains on stderr; a missing file
    // gets its own message here.
    if (!PathExists(FileName)) throw EDatabaseError("Database file \"" + FileName + "\" not found");
    CheckRegularFile(FileName);
    TStderrCapture engineOutput;
    TMdbSqlHandle sql(mdb_sql_init());
    if (!mdb_sql_open(sql.get(), const_cast<char*>(FileName.c_str())))
        throw EDatabaseError("\"" + FileName +
                             "\" cannot be opened as an Access database: " + engineOutput.Text());
    if (!mdb_sql_run_query(sql.get(), SQL.c_str()) || mdb_sql_has_error(sql.get())) {
        std::string reason = engineOutput.Text();
        if (reason.empty()) reason = mdb_sql_last_error(sql.get());
        throw EDatabaseError("Query \"" + SQL + "\" on \"" + FileName + "\": " + reason);
    }
    TQueryResult result;
    result.FieldNames = MdbFieldNames(sql.get());
    if (sql->cur_table)
        while (mdb_sql_fetch_row(sql.get(), sql->cur_table))
            result.Records.push_back(MdbCurrentRecord(sql.get()));
    return result;
}
