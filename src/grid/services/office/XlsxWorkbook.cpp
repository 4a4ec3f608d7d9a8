#include "grid/services/office/XlsxWorkbook.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "grid/services/CellTable.h"
#include "grid/services/office/SheetAddress.h"
#include "grid/services/office/SheetDateStyles.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
const char* const SpreadsheetNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const RelationNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const PackageRelationNs = "http://schemas.openxmlformats.org/package/2006/relationships";
const char* const WorksheetType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const WorksheetContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

const char* const NewContentTypes =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>";
const char* const NewPackageRelations =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";
const char* const NewWorkbookRelations =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>";
const char* const NewWorkbook =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<bookViews><workbookView activeTab=\"0\"/></bookViews><sheets/></workbook>";
const char* const NewStyles =
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" "
    "builtinId=\"0\"/></cellStyles></styleSheet>";

std::string WorkbookXmlPart(const char* Xml)
{
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") + Xml;
}

// Cell texts carry the characters XML cannot hold as _xHHHH_; a text that only looks like such
// an escape keeps its underscore as _x005F_, so that it reads back as it was written.
bool IsCharEscapeAt(const std::string& Text, size_t Pos)
{
    if (Pos + 7 > Text.size() || Text[Pos] != '_' || Text[Pos + 1] != 'x' || Text[Pos + 6] != '_')
        return false;
    return std::all_of(Text.begin() + Pos + 2, Text.begin() + Pos + 6,
                       [](char ch) { return std::isxdigit(static_cast<unsigned char>(ch)); });
}

std::string EncodeCellText(const std::string& Text)
{
    std::string encoded;
    for (size_t i = 0; i < Text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(Text[i]);
        char escape[8];
        if (ch < 0x20 && ch != '\t' && ch != '\n') {
            std::snprintf(escape, sizeof escape, "_x%04X_", ch);
            encoded += escape;
        } else {
            if (IsCharEscapeAt(Text, i)) encoded += "_x005F";
            encoded += Text[i];
        }
    }
    return encoded;
}

std::string DecodeCellText(const std::string& Text)
{
    std::string decoded;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (!IsCharEscapeAt(Text, i)) {
            decoded += Text[i];
            continue;
        }
        const auto code = static_cast<char32_t>(std::stoul(Text.substr(i + 2, 4), nullptr, 16));
        utf8::Append(decoded, code);
        i += 6;
    }
    return decoded;
}

// The text of a shared or inline string: its own text, or its runs' texts joined.
std::string SheetRichText(const TXMLNode& Node)
{
    std::string text;
    for (TXMLNode child = Node.FirstChild(); child; child = child.NextSibling()) {
        if (child.NodeType() != TXMLNodeType::ntElement) continue;
        if (PartLocalName(child) == "t") text += child.Text();
        if (PartLocalName(child) == "r")
            for (const TXMLNode& t : PartChildElements(child, "t"))
                text += t.Text();
    }
    return DecodeCellText(text);
}

struct TPlacedNode {
    int Position;
    TXMLNode Node;
};

// A row number of its "r", or 0 when it names none; a number longer than the sheet's
// largest reads past that limit, so that it is never converted with an overflow.
int64_t NamedRow(const std::string& R)
{
    if (R.empty() || !std::all_of(R.begin(), R.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
    return R.size() > 9 ? int64_t{kSheetMaxRows} + 1 : std::stoll(R);
}

// Rows by their number, or cells by their column: the position is the one the element
// names, else one past the one before it. A position beyond the largest sheet the
// spreadsheet program holds is refused: a few bytes of such a sheet would otherwise make
// the grid take billions of cells.
std::vector<TPlacedNode> PlacedChildren(const TXMLNode& Parent, const std::string& Name)
{
    const bool rows = Name == "row";
    const int64_t limit = rows ? kSheetMaxRows : kSheetMaxColumns;
    std::vector<TPlacedNode> placed;
    int64_t previous = 0;
    for (const TXMLNode& node : PartChildElements(Parent, Name)) {
        int64_t position = previous + 1;
        const std::string r = node.Attribute("r");
        if (rows) {
            if (const int64_t row = NamedRow(r); row > 0) position = row;
        } else {
            TSheetCellRef ref;
            if (ParseCellRef(r, ref) && ref.Column > 0) {
                if (ref.Row > kSheetMaxRows) throw EXMLDocError("The cell " + r + " lies beyond the sheet's last row");
                position = ref.Column;
            }
        }
        if (position > limit)
            throw EXMLDocError(std::string(rows ? "A row" : "A cell") + " lies beyond the sheet's last " +
                               (rows ? "row" : "column"));
        placed.push_back({static_cast<int>(position), node});
        previous = position;
    }
    return placed;
}

// The value of a cell as text; false for a cell without a value or with an error value.
// What a sheet's cells refer to: the workbook's shared strings and its date styles.
struct TSheetReadContext {
    std::vector<std::string> SharedStrings;
    TSheetDateStyles DateStyles;
};

bool CellValueText(const TXMLNode& Cell, const TSheetReadContext& Context, std::string& Text)
{
    const std::string type = Cell.Attribute("t");
    if (type == "inlineStr") {
        const TXMLNode is = PartFirstChild(Cell, "is");
        Text = is ? SheetRichText(is) : "";
        return static_cast<bool>(is);
    }
    const TXMLNode v = PartFirstChild(Cell, "v");
    if (!v || type == "e") return false;
    const std::string raw = v.Text();
    if (type == "s") {
        const int index = std::atoi(raw.c_str());
        if (index < 0 || index >= static_cast<int>(Context.SharedStrings.size()))
            throw EXMLDocError("Shared string " + raw + " is missing");
        Text = Context.SharedStrings[index];
    } else if (type == "b") {
        Text = raw == "1" ? "True" : "False";
    } else if (type == "str") {
        Text = DecodeCellText(raw);
    } else {
        char* end = nullptr;
        const double number = std::strtod(raw.c_str(), &end);
        const bool isNumber = end && *end == '\0' && !raw.empty();
        const bool isDate = isNumber && Context.DateStyles.IsDate(std::atoi(Cell.Attribute("s").c_str()));
        Text = isDate ? DateTimeCellText(number) : isNumber ? FloatToStr(number) : raw;
    }
    return true;
}

// The first of the placed nodes, from From on, at or after Position.
size_t PlacedAtOrAfter(const std::vector<TPlacedNode>& Nodes, size_t From, int Position)
{
    while (From < Nodes.size() && Nodes[From].Position < Position)
        ++From;
    return From;
}

TXMLNode PlacedNodeAt(const std::vector<TPlacedNode>& Nodes, size_t Index)
{
    return Index < Nodes.size() ? Nodes[Index].Node : TXMLNode();
}

std::string WithoutCarriageReturns(std::string Text)
{
    Text.erase(std::remove(Text.begin(), Text.end(), '\r'), Text.end());
    return Text;
}

// Table and sheet run in the same order, so one pass over the row's cells places them all.
void WriteRowCells(TXMLNode Row, int RowNumber, int TableRow, const TCellTable& Cells)
{
    const std::vector<TPlacedNode> cells = PlacedChildren(Row, "c");
    size_t next = 0;
    for (int column = 1; column <= Cells.ColCount(); ++column) {
        next = PlacedAtOrAfter(cells, next, column);
        std::string style;
        if (next < cells.size() && cells[next].Position == column) {
            style = cells[next].Node.Attribute("s");
            Row.RemoveChild(cells[next++].Node);
        }
        const std::string text = WithoutCarriageReturns(Cells.Cell(column - 1, TableRow));
        if (text.empty()) continue;
        TXMLNode cell = Row.InsertChildBefore("c", PlacedNodeAt(cells, next));
        cell.SetAttribute("r", CellRefText(column, RowNumber));
        if (!style.empty()) cell.SetAttribute("s", style);
        cell.SetAttribute("t", "inlineStr");
        TXMLNode t = cell.AddChild("is").AddChild("t");
        t.SetAttribute("xml:space", "preserve");
        t.SetText(EncodeCellText(text));
    }
    const std::vector<TPlacedNode> written = PlacedChildren(Row, "c");
    if (Row.HasAttribute("spans") && !written.empty())
        Row.SetAttribute("spans", std::to_string(written.front().Position) + ":" +
                                      std::to_string(written.back().Position));
}

std::string UnusedName(const std::string& Prefix, const std::string& Suffix,
                       const std::function<bool(const std::string&)>& Taken)
{
    for (int n = 1;; ++n)
        if (!Taken(Prefix + std::to_string(n) + Suffix)) return Prefix + std::to_string(n) + Suffix;
}
} // namespace

TXlsxWorkbook::TXlsxWorkbook()
    : FPackage({{"[Content_Types].xml", WorkbookXmlPart(NewContentTypes)},
                {"_rels/.rels", WorkbookXmlPart(NewPackageRelations)},
                {"xl/workbook.xml", WorkbookXmlPart(NewWorkbook)},
                {"xl/_rels/workbook.xml.rels", WorkbookXmlPart(NewWorkbookRelations)},
                {"xl/styles.xml", WorkbookXmlPart(NewStyles)}}),
      FWorkbookPart("xl/workbook.xml")
{
}

TXlsxWorkbook TXlsxWorkbook::LoadFromFile(const std::string& FileName)
{
    TXlsxWorkbook book;
    try {
        book.FPackage = TOfficePackage::LoadFromFile(FileName, "Excel 97-2003 workbook (.xls)");
    } catch (const EZipEntryTooLarge&) {
        throw Exception("Incorrect XLS file");
    }
    book.FWorkbookPart = book.FPackage.MainPart();
    if (book.FWorkbookPart.empty()) throw EXMLDocError("\"" + FileName + "\" holds no workbook");
    book.ReadWorkbookPart();
    return book;
}

void TXlsxWorkbook::ReadWorkbookPart()
{
    TXMLDocument doc;
    FPackage.ReadPart(FWorkbookPart, doc);
    const std::vector<TPackageRelation> relations = FPackage.Relations(FWorkbookPart);
    FSheets.clear();
    for (const TXMLNode& sheet :
         PartChildElements(PartFirstChild(doc.DocumentElement(), "sheets"), "sheet")) {
        const std::string id = sheet.Attribute("r:id");
        const auto rel = std::find_if(relations.begin(), relations.end(),
                                      [&](const TPackageRelation& r) { return r.Id == id; });
        const bool found = rel != relations.end();
        FSheets.push_back(
            {sheet.Attribute("name"), found ? rel->Target : "", found && rel->Type == WorksheetType});
    }
    const TXMLNode view = PartFirstChild(PartFirstChild(doc.DocumentElement(), "bookViews"), "workbookView");
    FActiveSheet =
        std::clamp(std::atoi(view.Attribute("activeTab").c_str()), 0, std::max(SheetCount() - 1, 0));
}

int TXlsxWorkbook::FindSheet(const std::string& Name) const
{
    for (int i = SheetCount() - 1; i >= 0; --i)
        if (FSheets[i].Name == Name) return i;
    return -1;
}

int TXlsxWorkbook::AddSheet(const std::string& Name)
{
    const std::string folder = FWorkbookPart.substr(0, FWorkbookPart.rfind('/') + 1);
    const std::string fileName = UnusedName(
        "worksheets/sheet", ".xml", [&](const std::string& n) { return FPackage.HasPart(folder + n); });
    const std::string part = folder + fileName;
    const std::vector<TPackageRelation> relations = FPackage.Relations(FWorkbookPart);
    const std::string relId = UnusedName("rId", "", [&](const std::string& id) {
        return std::any_of(relations.begin(), relations.end(),
                           [&](const TPackageRelation& r) { return r.Id == id; });
    });

    TXMLDocument rels;
    const std::string relsPart = TOfficePackage::RelationsPartOf(FWorkbookPart);
    if (FPackage.HasPart(relsPart))
        FPackage.ReadPart(relsPart, rels);
    else
        rels.AddChild("Relationships").SetAttribute("xmlns", PackageRelationNs);
    TXMLNode rel = rels.DocumentElement().AddChild("Relationship");
    rel.SetAttribute("Id", relId);
    rel.SetAttribute("Type", WorksheetType);
    rel.SetAttribute("Target", fileName);
    FPackage.WritePart(relsPart, rels);

    TXMLDocument types;
    FPackage.ReadPart("[Content_Types].xml", types);
    TXMLNode type = types.DocumentElement().AddChild("Override");
    type.SetAttribute("PartName", "/" + part);
    type.SetAttribute("ContentType", WorksheetContentType);
    FPackage.WritePart("[Content_Types].xml", types);

    TXMLDocument book;
    FPackage.ReadPart(FWorkbookPart, book);
    TXMLNode sheets = PartFirstChild(book.DocumentElement(), "sheets");
    if (!sheets) sheets = book.DocumentElement().AddChild("sheets");
    int sheetId = 0;
    for (const TXMLNode& sheet : PartChildElements(sheets, "sheet"))
        sheetId = std::max(sheetId, std::atoi(sheet.Attribute("sheetId").c_str()));
    TXMLNode sheet = sheets.AddChild("sheet");
    sheet.SetAttribute("name", Name);
    sheet.SetAttribute("sheetId", std::to_string(sheetId + 1));
    if (!book.DocumentElement().HasAttribute("xmlns:r")) sheet.SetAttribute("xmlns:r", RelationNs);
    sheet.SetAttribute("r:id", relId);
    FPackage.WritePart(FWorkbookPart, book);

    TXMLDocument worksheet;
    TXMLNode root = worksheet.AddChild("worksheet");
    root.SetAttribute("xmlns", SpreadsheetNs);
    root.AddChild("sheetData");
    FPackage.WritePart(part, worksheet);

    FSheets.push_back({Name, part, true});
    return SheetCount() - 1;
}

std::vector<std::string> TXlsxWorkbook::ReadSharedStrings() const
{
    std::vector<std::string> strings;
    const std::string part = FPackage.RelatedPart(FWorkbookPart, "sharedStrings");
    if (part.empty() || !FPackage.HasPart(part)) return strings;
    TXMLDocument doc;
    FPackage.ReadPart(part, doc);
    for (const TXMLNode& si : PartChildElements(doc.DocumentElement(), "si"))
        strings.push_back(SheetRichText(si));
    return strings;
}

TSheetValues TXlsxWorkbook::ReadSheet(int Index) const
{
    TXMLDocument doc;
    FPackage.ReadPart(FSheets[Index].Part, doc);
    TSheetReadContext context{ReadSharedStrings(), {}};
    const std::string stylesPart = FPackage.RelatedPart(FWorkbookPart, "styles");
    if (!stylesPart.empty() && FPackage.HasPart(stylesPart)) {
        TXMLDocument styles;
        FPackage.ReadPart(stylesPart, styles);
        context.DateStyles = TSheetDateStyles(styles);
    }
    TSheetValues values;
    for (const TPlacedNode& row : PlacedChildren(PartFirstChild(doc.DocumentElement(), "sheetData"), "row"))
        for (const TPlacedNode& cell : PlacedChildren(row.Node, "c")) {
            std::string text;
            if (!CellValueText(cell.Node, context, text)) continue;
            const bool first = values.Empty();
            values.Cells[{row.Position, cell.Position}] = text;
            values.Left = first ? cell.Position : std::min(values.Left, cell.Position);
            values.Right = std::max(values.Right, cell.Position);
            values.Top = first ? row.Position : std::min(values.Top, row.Position);
            values.Bottom = std::max(values.Bottom, row.Position);
        }
    return values;
}

int TXlsxWorkbook::ActiveRow(int Index) const
{
    TXMLDocument doc;
    FPackage.ReadPart(FSheets[Index].Part, doc);
    const TXMLNode view = PartFirstChild(PartFirstChild(doc.DocumentElement(), "sheetViews"), "sheetView");
    TSheetCellRef ref;
    if (ParseCellRef(PartFirstChild(view, "selection").Attribute("activeCell"), ref) && ref.Row > 0)
        return ref.Row;
    return 1;
}

void TXlsxWorkbook::WriteCells(int Index, int FirstRow, const TCellTable& Cells)
{
    TXMLDocument doc;
    FPackage.ReadPart(FSheets[Index].Part, doc);
    TXMLNode root = doc.DocumentElement();
    // The stored used range would be wrong after the write; the sheet is valid without it.
    root.RemoveChild(PartFirstChild(root, "dimension"));
    TXMLNode sheetData = PartFirstChild(root, "sheetData");
    if (!sheetData) sheetData = root.AddChild("sheetData");
    const std::vector<TPlacedNode> rows = PlacedChildren(sheetData, "row");
    size_t next = 0;
    for (int r = 0; r < Cells.RowCount(); ++r) {
        const int rowNumber = FirstRow + r;
        next = PlacedAtOrAfter(rows, next, rowNumber);
        TXMLNode row = PlacedNodeAt(rows, next);
        if (next >= rows.size() || rows[next].Position != rowNumber) {
            row = sheetData.InsertChildBefore("row", row);
            row.SetAttribute("r", std::to_string(rowNumber));
        }
        WriteRowCells(row, rowNumber, r, Cells);
    }
    FPackage.WritePart(FSheets[Index].Part, doc);
    // The calculation chain may name formula cells that were just overwritten; the
    // spreadsheet program rebuilds it when it is missing, and calls a stale one damaged.
    const std::string calcChain = FPackage.RelatedPart(FWorkbookPart, "calcChain");
    if (!calcChain.empty()) FPackage.RemovePart(FWorkbookPart, calcChain);
}
