// The grid's HTML export: a table as text, as a new file, or added to an existing file.
#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/HTMLSettings.h"
#include "grid/services/HtmlExport.h"
#include "platform/os/Shell.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"

std::string TExtStringGrid::SaveToHTMLString(const std::string& Dir) { return THtmlExport(*this, Dir).Text(); }

void TExtStringGrid::SaveToHTML(const std::string& FileName, bool Show, bool Unicode)
{
    WriteHTMLFile(FileName, Show, Unicode, false);
}

void TExtStringGrid::AppendToHTML(const std::string& FileName, bool Show, bool Unicode)
{
    WriteHTMLFile(FileName, Show, Unicode, true);
}

void TExtStringGrid::WriteHTMLFile(const std::string& FileName, bool Show, bool Unicode, bool Append)
{
    TStringList lines;
    if (Append) {
        // A file that is missing or cannot be read counts as empty.
        try {
            lines.LoadFromFile(FileName);
        } catch (const Exception&) {
            lines.Clear();
        }
    }
    const auto addFile = [&lines](const std::string& Name) {
        TStringList added;
        added.LoadFromFile(Name);
        for (const std::string& line : added.Items()) lines.Add(line);
    };
    if (!HTMLSettings()->HeaderFile.empty()) addFile(HTMLSettings()->HeaderFile);
    const size_t slash = FileName.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : FileName.substr(0, slash + 1);
    THtmlExport table(*this, dir);
    if (Append) table.ContinueAfter(HtmlNumberingAfter(lines.Text(), dir + "images"));
    if (Unicode) table.SetEncodingName("utf-16");
    lines.Add(table.Text());
    if (!HTMLSettings()->FooterFile.empty()) addFile(HTMLSettings()->FooterFile);

    const std::string text = lines.Text();
    WriteFileBytes(FileName, Unicode ? "\xFF\xFE" + Utf8ToUtf16Le(text) : HtmlAsciiText(text));
    if (Show || HTMLSettings()->AutoPreview) ShellOpen(FileName);
}
