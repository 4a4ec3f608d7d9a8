#pragma once
#include <string>
#include <vector>

#include "platform/xml/XMLDoc.h"
#include "platform/zip/ZipArchive.h"

// Element names without their namespace prefix, so that "x:row" and "row" are alike.
std::string PartLocalName(const TXMLNode& Node);
std::vector<TXMLNode> PartChildElements(const TXMLNode& Parent, const std::string& Name);
TXMLNode PartFirstChild(const TXMLNode& Parent, const std::string& Name); // null when none

struct TPackageRelation {
    std::string Id;
    std::string Type;
    std::string Target; // the part's name inside the package, without a leading "/"
};

// An Office Open XML package: a zip archive of XML parts tied together by relationship
// parts. It is read and written whole.
class TOfficePackage {
public:
    // Raises EExtGridError when the file is a legacy binary Office file (LegacyKind names it,
    // such as "Excel 97-2003 workbook (.xls)"), else the zip errors.
    static TOfficePackage LoadFromFile(const std::string& FileName, const std::string& LegacyKind);
    // A package from its parts' texts.
    explicit TOfficePackage(const std::vector<TZipEntry>& Parts = {});
    void SaveToFile(const std::string& FileName) const { FZip.SaveToFile(FileName); }

    bool HasPart(const std::string& Name) const { return FZip.Contains(Name); }
    // Raises EXMLDocError naming the part when it is missing or not well-formed.
    void ReadPart(const std::string& Name, TXMLDocument& Doc) const;
    void WritePart(const std::string& Name, const TXMLDocument& Doc);
    // Takes the part out with its content type and the source's relation to it.
    void RemovePart(const std::string& SourcePart, const std::string& Name);

    std::vector<TPackageRelation> Relations(const std::string& SourcePart) const;
    // The target of the first relation whose type ends in "/" + TypeName; "" when none.
    std::string RelatedPart(const std::string& SourcePart, const std::string& TypeName) const;
    // The main document part (workbook, document).
    std::string MainPart() const { return RelatedPart("", "officeDocument"); }
    static std::string RelationsPartOf(const std::string& SourcePart);

private:
    TZipArchive FZip;
};
