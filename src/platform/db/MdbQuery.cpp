#include "platform/db/MdbQuery.h"

#include <mdbsql.h>

#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/os/FileSystem.h"
#include "platform/rtl/DateFormat.h"
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

// The engine's date text, set to be read back without doubt about the order of its parts.
constexpr const char* kEngineDateFormat = "%Y-%m-%d %H:%M:%S";

// What a field's value is as a text in the grid.
enum class TFieldText { Plain, Date, None };

// The engine gives an OLE object or binary field as a few bytes of its storage, not as a text.
TFieldText FieldTextOf(MdbSQL* Sql, const char* Name)
{
    if (!Sql->cur_table) return TFieldText::Plain;
    for (unsigned j = 0; j < Sql->cur_table->num_cols; ++j) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(Sql->cur_table->columns, j));
        if (g_ascii_strcasecmp(column->name, Name) != 0) continue;
        if (column->col_type == MDB_DATETIME) return TFieldText::Date;
        if (column->col_type == MDB_OLE || column->col_type == MDB_BINARY) return TFieldText::None;
        return TFieldText::Plain;
    }
    return TFieldText::Plain;
}

// A date as the grid writes dates: the short date, and the time after it when there is one.
std::string DateFieldText(const char* Value)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(Value, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) != 6) return Value;
    try {
        const TDateTime date = EncodeDate(year, month, day);
        if (hour == 0 && minute == 0 && second == 0) return DateToStr(date);
        return DateToStr(date) + " " + TimeToStr(EncodeTime(hour, minute, second, 0));
    } catch (const Exception&) {
        return Value;
    }
}

std::vector<std::string> MdbCurrentRecord(MdbSQL* Sql, const std::vector<TFieldText>& Kinds)
{
    std::vector<std::string> values;
    for (unsigned i = 0; i < Sql->num_columns; ++i) {
        const char* value = static_cast<const char*>(g_ptr_array_index(Sql->bound_values, i));
        if (!value || !*value || Kinds[i] == TFieldText::None)
            values.emplace_back();
        else
            values.push_back(Kinds[i] == TFieldText::Date ? DateFieldText(value) : std::string(value));
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
    mdb_set_date_fmt(sql->mdb, kEngineDateFormat);
    if (!mdb_sql_run_query(sql.get(), SQL.c_str()) || mdb_sql_has_error(sql.get())) {
        std::string reason = engineOutput.Text();
        if (reason.empty()) reason = mdb_sql_last_error(sql.get());
        throw EDatabaseError("Query \"" + SQL + "\" on \"" + FileName + "\": " + reason);
    }
    TQueryResult result;
    result.FieldNames = MdbFieldNames(sql.get());
    std::vector<TFieldText> kinds;
    for (const std::string& name : result.FieldNames)
        kinds.push_back(FieldTextOf(sql.get(), name.c_str()));
    if (sql->cur_table)
        while (mdb_sql_fetch_row(sql.get(), sql->cur_table))
            result.Records.push_back(MdbCurrentRecord(sql.get(), kinds));
    return result;
}
