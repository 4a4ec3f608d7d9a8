#pragma once
#include <memory>
#include <string>
#include <vector>

#include "grid/services/office/OfficePackage.h"

enum class TDocxAlign { Left, Center, Right };

struct TDocxCell {
    std::string Text;
    TDocxAlign Align = TDocxAlign::Left;
};

// Rows of cells, all of the same length.
using TDocxTable = std::vector<std::vector<TDocxCell>>;

// A word-processor document (.docx) read and written at file level: tables and paragraphs
// go into its body, and everything else in the package is written back unchanged.
class TDocxDocument {
public:
    // A new document holding one empty paragraph.
    TDocxDocument();
    TDocxDocument(TDocxDocument&&) noexcept;
    TDocxDocument& operator=(TDocxDocument&&) noexcept;
    ~TDocxDocument();
    // Raises EExtGridError for a legacy .doc file, EFOpenError for a file that cannot be read
    // as a zip archive, EXMLDocError for a package without a readable document part.
    static TDocxDocument LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);

    // A paragraph with Text before everything else.
    void InsertParagraphAtStart(const std::string& Text);
    void InsertTableAtStart(const TDocxTable& Table);
    bool HasBookmark(const std::string& Name) const;
    // Before the paragraph (or table) that holds the bookmark's start.
    void InsertTableAtBookmark(const TDocxTable& Table, const std::string& Name);
    // After a new, empty last paragraph.
    void AppendTable(const TDocxTable& Table);

private:
    TXMLNode Body() const;
    TXMLNode BookmarkBlock(const std::string& Name) const;
    void InsertTableBefore(const TDocxTable& Table, const TXMLNode& Before);
    TXMLNode BodyEnd() const; // the section properties that close the body, or null

    TOfficePackage FPackage;
    std::string FDocumentPart;
    std::unique_ptr<TXMLDocument> FDocument;
};
