#include "grid/services/office/DocxDocument.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

namespace {
const char* const NewDocContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></"
    "Types>";
const char* const NewDocRelations =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/></Relationships>";
const char* const NewDocBody =
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body><w:p/>"
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1440\" w:right=\"1440\" "
    "w:bottom=\"1440\" w:left=\"1440\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/></w:sectPr>"
    "</w:body></w:document>";

// The width the table spreads over, in twentieths of a point: an A4 page less its margins.
constexpr int TableWidth = 9026;

void AddRunText(TXMLNode Paragraph, const std::string& Text)
{
    TXMLNode run = Paragraph.AddChild("w:r");
    size_t start = 0;
    for (;;) {
        const size_t end = Text.find('\n', start);
        std::string line = Text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        TXMLNode t = run.AddChild("w:t");
        t.SetAttribute("xml:space", "preserve");
        t.SetText(line);
        if (end == std::string::npos) break;
        run.AddChild("w:br");
        start = end + 1;
    }
}

void FillTableProperties(TXMLNode Table, int Columns)
{
    TXMLNode props = Table.AddChild("w:tblPr");
    TXMLNode width = props.AddChild("w:tblW");
    width.SetAttribute("w:w", "0");
    width.SetAttribute("w:type", "auto");
    TXMLNode borders = props.AddChild("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        TXMLNode border = borders.AddChild(side);
        border.SetAttribute("w:val", "single");
        border.SetAttribute("w:sz", "4");
        border.SetAttribute("w:space", "0");
        border.SetAttribute("w:color", "auto");
    }
    TXMLNode grid = Table.AddChild("w:tblGrid");
    for (int c = 0; c < Columns; ++c)
        grid.AddChild("w:gridCol").SetAttribute("w:w", std::to_string(TableWidth / Columns));
}

void FillTableCell(TXMLNode Row, const TDocxCell& Cell, int Columns)
{
    TXMLNode tc = Row.AddChild("w:tc");
    TXMLNode width = tc.AddChild("w:tcPr").AddChild("w:tcW");
    width.SetAttribute("w:w", std::to_string(TableWidth / Columns));
    width.SetAttribute("w:type", "dxa");
    TXMLNode paragraph = tc.AddChild("w:p");
    if (Cell.Align != TDocxAlign::Left)
        paragraph.AddChild("w:pPr").AddChild("w:jc").SetAttribute(
            "w:val", Cell.Align == TDocxAlign::Right ? "right" : "center");
    if (!Cell.Text.empty()) AddRunText(paragraph, Cell.Text);
}

TXMLNode FindBookmarkStart(const TXMLNode& Node, const std::string& Name)
{
    for (TXMLNode child = Node.FirstChild(); child; child = child.NextSibling()) {
        if (child.NodeType() != TXMLNodeType::ntElement) continue;
        if (PartLocalName(child) == "bookmarkStart" && child.Attribute("w:name") == Name) return child;
        if (TXMLNode found = FindBookmarkStart(child, Name)) return found;
    }
    return {};
}
} // namespace

TDocxDocument::TDocxDocument()
    : FPackage({{"[Content_Types].xml", NewDocContentTypes}, {"_rels/.rels", NewDocRelations}}),
      FDocumentPart("word/document.xml"), FDocument(std::make_unique<TXMLDocument>())
{
    FDocument->KeepSpaceOnlyText(true);
    FDocument->LoadFromXML(NewDocBody);
}

TDocxDocument::TDocxDocument(TDocxDocument&&) noexcept = default;
TDocxDocument& TDocxDocument::operator=(TDocxDocument&&) noexcept = default;
TDocxDocument::~TDocxDocument() = default;

TDocxDocument TDocxDocument::LoadFromFile(const std::string& FileName)
{
    TDocxDocument doc;
    doc.FPackage = TOfficePackage::LoadFromFile(FileName, "Word 97-2003 document (.doc)");
    doc.FDocumentPart = doc.FPackage.MainPart();
    if (doc.FDocumentPart.empty()) throw EXMLDocError("\"" + FileName + "\" holds no document");
    doc.FPackage.ReadPart(doc.FDocumentPart, *doc.FDocument);
    if (!doc.Body()) throw EXMLDocError("\"" + FileName + "\" holds no document body");
    return doc;
}

void TDocxDocument::SaveToFile(const std::string& FileName)
{
    FPackage.WritePart(FDocumentPart, *FDocument);
    FPackage.SaveToFile(FileName);
}

TXMLNode TDocxDocument::Body() const { return PartFirstChild(FDocument->DocumentElement(), "body"); }

TXMLNode TDocxDocument::BodyEnd() const
{
    const std::vector<TXMLNode> sections = PartChildElements(Body(), "sectPr");
    return sections.empty() ? TXMLNode() : sections.back();
}

void TDocxDocument::InsertParagraphAtStart(const std::string& Text)
{
    TXMLNode paragraph = Body().InsertChildBefore("w:p", Body().FirstChild());
    if (!Text.empty()) AddRunText(paragraph, Text);
}

void TDocxDocument::InsertTableBefore(const TDocxTable& Table, const TXMLNode& Before)
{
    const int columns = Table.empty() ? 0 : static_cast<int>(Table.front().size());
    if (columns == 0) return;
    TXMLNode table = Body().InsertChildBefore("w:tbl", Before);
    FillTableProperties(table, columns);
    for (const auto& cells : Table) {
        TXMLNode row = table.AddChild("w:tr");
        for (const TDocxCell& cell : cells)
            FillTableCell(row, cell, columns);
    }
}

void TDocxDocument::InsertTableAtStart(const TDocxTable& Table)
{
    InsertTableBefore(Table, Body().FirstChild());
}

TXMLNode TDocxDocument::BookmarkBlock(const std::string& Name) const
{
    TXMLNode node = FindBookmarkStart(Body(), Name);
    while (node && node.Parent() && PartLocalName(node.Parent()) != "body")
        node = node.Parent();
    return node;
}

bool TDocxDocument::HasBookmark(const std::string& Name) const
{
    return static_cast<bool>(BookmarkBlock(Name));
}

void TDocxDocument::InsertTableAtBookmark(const TDocxTable& Table, const std::string& Name)
{
    InsertTableBefore(Table, BookmarkBlock(Name));
}

void TDocxDocument::AppendTable(const TDocxTable& Table)
{
    Body().InsertChildBefore("w:p", BodyEnd());
    InsertTableBefore(Table, BodyEnd());
    // A document body does not end in a table.
    Body().InsertChildBefore("w:p", BodyEnd());
}
