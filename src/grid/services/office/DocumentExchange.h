#pragma once
#include <string>

#include "grid/services/office/DocxDocument.h"

class TExtStringGrid;

// Writes the grid's cells as a table into word-processor documents (.docx).
class TDocumentExchange {
public:
    explicit TDocumentExchange(TExtStringGrid& Grid) : FGrid(Grid) {}

    // At the start of a new document, or with CreateNew false of the existing file.
    void Save(const std::string& FileName, bool CreateNew);
    // Into the existing file: at the bookmark when it has one of that name, else at its end.
    void Append(const std::string& FileName, const std::string& Bookmark);

private:
    TDocxTable GridTable();
    void Write(TDocxDocument& Document, const std::string& FileName, const std::string* Bookmark);

    TExtStringGrid& FGrid;
};
