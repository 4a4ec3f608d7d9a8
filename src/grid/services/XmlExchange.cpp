#include "grid/services/XmlExchange.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "grid/control/ExtStringGrid.h"
#include "grid/services/FileProgress.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"
#include "platform/xml/XMLDoc.h"

namespace {
enum class TXmlByteEncoding { Utf8, Utf16, Latin1, Ascii };

TXmlByteEncoding XmlByteEncoding(const std::string& Name)
{
    const std::string name = UpperCase(Trim(Name));
    if (name == "UTF-8" || name == "UTF8") return TXmlByteEncoding::Utf8;
    if (name == "UTF-16" || name == "UTF16") return TXmlByteEncoding::Utf16;
    if (name == "ISO-8859-1" || name == "ISO8859-1" || name == "LATIN1" || name == "LATIN-1")
        return TXmlByteEncoding::Latin1;
    return TXmlByteEncoding::Ascii;
}


const char* const kFieldPrefix = "FIELD";
const char* const kEmptyCellText = "\"\"";

// "FIELD12" gives 12; anything else -1.
int FieldNumber(const std::string& Name)
{
    const size_t prefix = std::char_traits<char>::length(kFieldPrefix);
    if (Name.size() <= prefix || Name.size() > prefix + 6 || Name.compare(0, prefix, kFieldPrefix) != 0) return -1;
    int number = 0;
    for (size_t i = prefix; i < Name.size(); ++i) {
        if (Name[i] < '0' || Name[i] > '9') return -1;
        number = number * 10 + (Name[i] - '0');
    }
    return number;
}

int ChildCount(const TXMLNode& Node)
{
    int count = 0;
    for (TXMLNode child = Node.FirstChild(); child; child = child.NextSibling()) ++count;
    return count;
}
} // namespace

std::string EncodeXmlFileText(const std::string& Utf8Text, const std::string& EncodingName)
{
    const TXmlByteEncoding encoding = XmlByteEncoding(EncodingName);
    if (encoding == TXmlByteEncoding::Utf8) return Utf8Text;
    if (encoding == TXmlByteEncoding::Utf16) return "\xFF\xFE" + Utf8ToUtf16Le(Utf8Text);
    std::string bytes;
    bytes.reserve(Utf8Text.size());
    const char32_t lastByte = encoding == TXmlByteEncoding::Latin1 ? 0xFF : 0x7F;
    for (char32_t c : utf8::Decode(Utf8Text)) {
        if (c <= lastByte)
            bytes += static_cast<char>(c);
        else
            bytes += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
    }
    return bytes;
}

std::string EscapeXmlCellText(const std::string& Text)
{
    std::string escaped;
    escaped.reserve(Text.size());
    for (char c : Text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        // A reader turns every line end into a line feed; a character reference keeps the CR.
        case '\r': escaped += "&#13;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// ---- writing ----

std::string TXmlGridWriter::FieldName(int Index, const TStringList* FieldDescr) const
{
    if (FieldDescr && Index < FieldDescr->Count()) return (*FieldDescr)[Index];
    return kFieldPrefix + std::to_string(Index);
}

void TXmlGridWriter::Save(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                          const TStringList* FieldDescr, bool ExportEmptyCells)
{
    const char* const eol = "\r\n";
    std::string text = "<?xml version=\"1.0\" encoding=\"" + FGrid.XMLEncoding + "\" ?>" + eol;
    text += "<" + ListDescr + ">" + eol;
    FGrid.ExportNotification(0, FGrid.SaveStartRow());
    TFileProgress progress = FGrid.FileProgressReporter();
    for (int r = FGrid.SaveStartRow(); r <= FGrid.SaveEndRow(); ++r) {
        FGrid.ExportNotification(5, r);
        text += "<" + RecordDescr + ">" + eol;
        for (int c = FGrid.SaveStartCol(); c <= FGrid.SaveEndColWithHidden(); ++c) {
            const int real = FGrid.SavedRealCol(c);
            if (FGrid.IsMergedNonBaseCell(real, r)) continue;
            std::string cell;
            FGrid.SaveCell(real, r, cell);
            if (cell.empty() && !ExportEmptyCells) continue;
            if (cell.empty() && FGrid.QuoteEmptyCells) cell = kEmptyCellText;
            const std::string name = FieldName(c - FGrid.SaveStartCol(), FieldDescr);
            text += "<" + name + ">" + EscapeXmlCellText(cell) + "</" + name + ">" + eol;
        }
        text += "</" + RecordDescr + ">" + eol;
        // Counted from the first saved row, so that fixed rows above it never push it past 100.
        progress.Report(r - FGrid.SaveStartRow(), FGrid.SaveEndRow() - FGrid.SaveStartRow());
    }
    text += "</" + ListDescr + ">" + eol;
    try {
        WriteFileBytes(FileName, EncodeXmlFileText(text, FGrid.XMLEncoding));
    } catch (const EInOutError& e) {
        throw EExtGridError("Cannot Create file " + FileName + " (" + e.Message() + ")");
    }
    FGrid.ExportNotification(2, -1);
}

// ---- reading ----

TXmlGridReader::TXmlGridReader(TExtStringGrid& Grid, bool LevelToRow, bool LoadFieldDescr)
    : FGrid(Grid),
      FLevelToRow(LevelToRow),
      FLoadFieldDescr(LoadFieldDescr),
      FHeadersInRowZero(Grid.SaveFixedCells || Grid.SaveFixedRows)
{
}

void TXmlGridReader::Load(const std::string& FileName)
{
    if (!FileExists(FileName)) throw EExtGridError("XML file not found");
    TXMLDocument document;
    try {
        document.LoadFromFile(FileName);
    } catch (const EXMLDocError& e) {
        throw EExtGridError("XMLDOM Parsing error: " + e.Message());
    }
    FFirstCol = FGrid.SaveStartCol();
    FFirstRow = (!FHeadersInRowZero || FLoadFieldDescr) ? FGrid.FixedRows() : 0;
    FHighestCol = FFirstCol;
    FHighestRow = FFirstRow;
    FRow = 0;
    FGrid.BeginUpdate();
    struct TEndUpdate {
        TExtStringGrid& Grid;
        ~TEndUpdate() { Grid.EndUpdate(); }
    } endUpdate{FGrid};
    bool first = true;
    for (TXMLNode record = document.DocumentElement().FirstChild(); record; record = record.NextSibling()) {
        WalkRecord(record, first);
        first = false;
    }
    FGrid.SetColCount(FHighestCol + 1);
    FGrid.SetRowCount(FHighestRow + 1);
    FGrid.ColumnsChanged();
}

void TXmlGridReader::WalkRecord(const TXMLNode& Record, bool FirstRecord)
{
    FColumn = 0;
    FLevel = 1;
    if (FLevelToRow && FirstRecord && Record.Attributes().empty()) FRow = -1;
    Walk(Record);
    if (!FLevelToRow) ++FRow;
}

// Nodes are visited in document order from an explicit stack: every node is handled before
// its children and nothing after them, and no nesting depth can exhaust the call stack.
void TXmlGridReader::Walk(const TXMLNode& Record)
{
    struct TVisit {
        TXMLNode Node;
        int Depth;  // 0 for the record itself
    };
    std::vector<TVisit> pending{{Record, 0}};
    while (!pending.empty()) {
        const TVisit visit = pending.back();
        pending.pop_back();
        const TXMLNode& node = visit.Node;
        bool rowAdvanced = false;
        if (node.NodeType() == TXMLNodeType::ntElement) {
            const bool hadAttributes = !node.Attributes().empty();
            LoadAttributes(node);
            if (FLevelToRow && hadAttributes) {
                ++FRow;
                FColumn = FLevel;
                rowAdvanced = true;
            }
        }
        const int children = ChildCount(node);
        if (children > 1) {
            if (FLevelToRow && !rowAdvanced) {
                ++FRow;
                FColumn = 0;
            }
            ++FLevel;
            const size_t at = pending.size();
            for (TXMLNode child = node.FirstChild(); child; child = child.NextSibling())
                pending.push_back({child, visit.Depth + 1});
            std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(at), pending.end());
        } else if (children == 0) {
            const int col = FFirstCol + FColumn, row = FFirstRow + FRow;
            // A field with no text never widens the grid, and never writes outside it.
            if (col < FGrid.ColCount() && row >= 0 && row < FGrid.RowCount()) FGrid.LoadCell(col, row, "");
            ++FColumn;
        } else {
            LoadField(node, visit.Depth == 1);
        }
    }
}

void TXmlGridReader::LoadAttributes(const TXMLNode& Node)
{
    for (const auto& [name, value] : Node.Attributes()) {
        const int col = FFirstCol + FColumn, row = FFirstRow + FRow;
        EnsureCell(col, row);
        if (FHeadersInRowZero) NameHeader(col, name);
        Store(col, row, value);
        ++FColumn;
    }
}

void TXmlGridReader::LoadField(const TXMLNode& Node, bool UnderRecord)
{
    FColumn = FieldColumn(Node, UnderRecord);
    const int col = FFirstCol + FColumn, row = FFirstRow + FRow;
    EnsureCell(col, row);
    if (FLoadFieldDescr && FHeadersInRowZero) NameHeader(col, Node.NodeName());
    std::string text = Node.InnerText();
    if (FGrid.QuoteEmptyCells && text == kEmptyCellText) text.clear();
    Store(col, row, text);
    ++FColumn;
}

int TXmlGridReader::FieldColumn(const TXMLNode& Node, bool UnderRecord) const
{
    if (!UnderRecord || FLevelToRow) return FColumn;
    // Fields written after a left-out empty cell skip its column; never back over a filled one.
    const int number = FieldNumber(Node.NodeName());
    if (number >= 0) return std::max(FColumn, number);
    if (FLoadFieldDescr && FHeadersInRowZero)
        for (int c = FFirstCol + FColumn; c < FGrid.ColCount(); ++c)
            if (FGrid.Cells(c, 0) == Node.NodeName()) return c - FFirstCol;
    return FColumn;
}

void TXmlGridReader::EnsureCell(int ACol, int ARow)
{
    // Rows grow a thousand at a time, so that a long file is not read in quadratic time; the
    // grid takes its final size when the read ends.
    constexpr int kRowGrowth = 1000;
    if (ACol >= FGrid.ColCount()) FGrid.SetColCount(ACol + 1);
    if (ARow >= FGrid.RowCount()) FGrid.SetRowCount(std::max(ARow + 1, FGrid.RowCount() + kRowGrowth));
}

void TXmlGridReader::NameHeader(int ACol, const std::string& Name)
{
    if (FGrid.Cells(ACol, 0).empty()) FGrid.LoadCell(ACol, 0, Name);
}

// The parser has decoded the entities; what remains is the dollar escape of the ampersand
// that the grid's files have always carried.
void TXmlGridReader::Store(int ACol, int ARow, const std::string& Text)
{
    if (ARow < 0) return;
    const bool dollarEscapes = Text.find("$amp;") != std::string::npos;
    FGrid.LoadCell(ACol, ARow, dollarEscapes ? StringReplace(Text, "$amp;", "&", rfReplaceAll) : Text);
    FHighestCol = std::max(FHighestCol, ACol);
    FHighestRow = std::max(FHighestRow, ARow);
}
