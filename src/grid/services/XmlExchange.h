#pragma once
#include <string>

class TExtStringGrid;
class TStringList;
class TXMLNode;

// The text of an XML file in the encoding its declaration names: UTF-8 and UTF-16 as they
// are, ISO-8859-1 byte for byte, and any other name as ASCII, which every single-byte
// encoding shares. A character the encoding cannot hold is written as a character
// reference, so no text is lost and every XML reader gets the same text back.
std::string EncodeXmlFileText(const std::string& Utf8Text, const std::string& EncodingName);

// A cell text as element content: the standard entities for &, <, > and the double quote.
std::string EscapeXmlCellText(const std::string& Text);

// Writes the grid's save area as a list of records.
class TXmlGridWriter {
public:
    explicit TXmlGridWriter(TExtStringGrid& Grid) : FGrid(Grid) {}
    void Save(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
              const TStringList* FieldDescr, bool ExportEmptyCells);

private:
    std::string FieldName(int Index, const TStringList* FieldDescr) const;

    TExtStringGrid& FGrid;
};

// Reads an XML file into the grid by walking its tree: each child of the document element
// is a record, and every element text and attribute value below it a cell.
class TXmlGridReader {
public:
    TXmlGridReader(TExtStringGrid& Grid, bool LevelToRow, bool LoadFieldDescr);
    void Load(const std::string& FileName);

private:
    void WalkRecord(const TXMLNode& Record, bool FirstRecord);
    void Walk(const TXMLNode& Record);
    void LoadAttributes(const TXMLNode& Node);
    void LoadField(const TXMLNode& Node, bool UnderRecord);
    // The column of a field element: its own number for FIELDn, the column whose header is its
    // name when headers are read, or the next column; so that fields left out on writing
    // still land in their own columns.
    int FieldColumn(const TXMLNode& Node, bool UnderRecord) const;
    void EnsureCell(int ACol, int ARow);
    void NameHeader(int ACol, const std::string& Name);
    void Store(int ACol, int ARow, const std::string& Text);

    TExtStringGrid& FGrid;
    const bool FLevelToRow, FLoadFieldDescr, FHeadersInRowZero;
    int FFirstCol = 0, FFirstRow = 0, FHighestCol = 0, FHighestRow = 0;
    int FColumn = 0, FRow = 0, FLevel = 1;
};
