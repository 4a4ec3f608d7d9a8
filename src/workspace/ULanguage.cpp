#include "workspace/ULanguage.h"

#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "resources/BuiltinTexts.h"
#include "workspace/UComon.h"
#include "workspace/UFileNames.h"

TStringList Lang_Table;

namespace {
const std::string Pilcrow = "\u00B6";
const std::string CommentMark = "/#/";

// The text a language-file line sets, the comment and pilcrow rules applied; false when
// the line leaves its entry alone. The pilcrows let a text keep blanks at its ends.
bool TextOfLine(const std::string& line, int equalsAt, std::string& text)
{
    text = Trim(Copy(line, equalsAt + 1, Length(line)));
    if (text.empty()) return false;
    const int commentAt = Pos(CommentMark, text);
    if (commentAt > 0) {
        text = Trim(Copy(text, 1, commentAt - 1));
        if (text.empty()) return false;
    }
    if (text.starts_with(Pilcrow)) text = text.substr(Pilcrow.size());
    const int pilcrowAt = Pos(Pilcrow, text);
    if (pilcrowAt > 0) text = Copy(text, 1, pilcrowAt - 1);
    return true;
}

// Entry numbers are plain decimal: a sign and digits, nothing else.
bool ReadEntryNumber(const std::string& text, int& number)
{
    const size_t digitsAt = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (digitsAt == text.size()) return false;
    for (size_t i = digitsAt; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return TryStrToInt(text, number);
}

// Applies one line of the form "STR<number><separator>=<text>". The character just before
// "=" is the separator whatever it is, so "STR12=abc" sets entry 1.
void ApplyLine(const std::string& rawLine)
{
    const std::string line = Trim(rawLine);
    if (!line.starts_with("STR")) return;
    const int equalsAt = Pos("=", line);
    if (equalsAt == 0) return;
    int number = 0;
    if (!ReadEntryNumber(Trim(Copy(line, 4, equalsAt - 5)), number)) return;
    if (number < 0 || number >= Lang_Table.Count()) return;
    std::string text;
    if (TextOfLine(line, equalsAt, text)) Lang_Table.Put(number, text);
}
}  // namespace

void Load_Default_Texts()
{
    Lang_Table.Clear();
    for (const char* text : Builtin_Texts) Lang_Table.Add(text);
}

void Read_Language_File(const std::string& path)
{
    TStringList lines;
    lines.LoadFromFile(path);
    for (const std::string& line : lines.Items()) ApplyLine(line);
}

std::string Language_File_Path(const std::string& FileName)
{
    // The name comes from the settings file, which anybody may have edited: it names a file
    // of the language folder, never a path to elsewhere.
    if (!Is_Plain_File_Name(FileName)) return "";
    const std::string exact = Language_Dir + "/" + FileName;
    // Whatever stands at the exact name is taken, so that a folder or a device there is
    // reported by the reader instead of passed over.
    if (PathExists(exact)) return exact;
    for (const TSearchRec& file : FindFiles(Language_Dir, "*"))
        if ((file.Attr & faDirectory) == 0 && AnsiCompareText(file.Name, FileName) == 0)
            return Language_Dir + "/" + file.Name;
    return "";
}

void Load_Language()
{
    Load_Default_Texts();
    if (const std::string file = Language_File_Path(Language_Name + ".lng"); !file.empty()) {
        Read_Language_File(file);
        return;
    }
    Language_Name = "English";
    if (const std::string english = Language_File_Path("English.lng"); !english.empty())
        Read_Language_File(english);
}
