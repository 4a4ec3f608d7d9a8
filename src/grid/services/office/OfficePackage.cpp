#include "grid/services/office/OfficePackage.h"

#include <algorithm>
#include <functional>

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/Files.h"

std::string PartLocalName(const TXMLNode& Node)
{
    const std::string name = Node.NodeName();
    const size_t colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

std::vector<TXMLNode> PartChildElements(const TXMLNode& Parent, const std::string& Name)
{
    std::vector<TXMLNode> found;
    for (TXMLNode child = Parent.FirstChild(); child; child = child.NextSibling())
        if (child.NodeType() == TXMLNodeType::ntElement && PartLocalName(child) == Name) found.push_back(child);
    return found;
}

TXMLNode PartFirstChild(const TXMLNode& Parent, const std::string& Name)
{
    for (TXMLNode child = Parent.FirstChild(); child; child = child.NextSibling())
        if (child.NodeType() == TXMLNodeType::ntElement && PartLocalName(child) == Name) return child;
    return {};
}

namespace {
bool IsLegacyCompoundFile(const std::string& FileName)
{
    static const std::string signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    try {
        return ReadFileBytes(FileName).compare(0, signature.size(), signature) == 0;
    } catch (const Exception&) {
        return false; // the zip reader says what is wrong with the file
    }
}

// "xl/worksheets/../media/a.png" -> "xl/media/a.png".
std::string NormalisedPartName(const std::string& Name)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= Name.size()) {
        const size_t slash = std::min(Name.find('/', start), Name.size());
        const std::string part = Name.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += (result.empty() ? "" : "/") + part;
    return result;
}

std::string PackageFolderOf(const std::string& Part)
{
    const size_t slash = Part.rfind('/');
    return slash == std::string::npos ? "" : Part.substr(0, slash + 1);
}
} // namespace

TOfficePackage TOfficePackage::LoadFromFile(const std::string& FileName, const std::string& LegacyKind)
{
    if (IsLegacyCompoundFile(FileName))
        throw EExtGridError("\"" + FileName + "\" is a binary " + LegacyKind +
                            " file; only Office Open XML files can be read and written");
    TOfficePackage package;
    package.FZip = TZipArchive::LoadFromFile(FileName);
    return package;
}

TOfficePackage::TOfficePackage(const std::vector<TZipEntry>& Parts)
{
    for (const TZipEntry& part : Parts)
        FZip.Write(part.Name, part.Data);
}

void TOfficePackage::ReadPart(const std::string& Name, TXMLDocument& Doc) const
{
    if (!FZip.Contains(Name)) throw EXMLDocError("The part " + Name + " is missing");
    Doc.KeepSpaceOnlyText(true);
    Doc.LoadFromXML(FZip.Read(Name));
}

void TOfficePackage::WritePart(const std::string& Name, const TXMLDocument& Doc)
{
    FZip.Write(Name, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n" + Doc.SaveToXML());
}

namespace {
void RemoveChildrenWhere(TXMLDocument& Doc, const std::string& Name,
                         const std::function<bool(const TXMLNode&)>& Match)
{
    TXMLNode root = Doc.DocumentElement();
    for (const TXMLNode& child : PartChildElements(root, Name))
        if (Match(child)) root.RemoveChild(child);
}
} // namespace

void TOfficePackage::RemovePart(const std::string& SourcePart, const std::string& Name)
{
    FZip.Remove(Name);
    TXMLDocument types;
    ReadPart("[Content_Types].xml", types);
    RemoveChildrenWhere(types, "Override",
                        [&](const TXMLNode& n) { return n.Attribute("PartName") == "/" + Name; });
    WritePart("[Content_Types].xml", types);
    std::vector<std::string> relationIds;
    for (const TPackageRelation& rel : Relations(SourcePart))
        if (rel.Target == Name) relationIds.push_back(rel.Id);
    const std::string relsPart = RelationsPartOf(SourcePart);
    if (relationIds.empty()) return;
    TXMLDocument rels;
    ReadPart(relsPart, rels);
    RemoveChildrenWhere(rels, "Relationship", [&](const TXMLNode& n) {
        return std::find(relationIds.begin(), relationIds.end(), n.Attribute("Id")) != relationIds.end();
    });
    WritePart(relsPart, rels);
}

std::string TOfficePackage::RelationsPartOf(const std::string& SourcePart)
{
    const size_t slash = SourcePart.rfind('/');
    const std::string name = slash == std::string::npos ? SourcePart : SourcePart.substr(slash + 1);
    return PackageFolderOf(SourcePart) + "_rels/" + name + ".rels";
}

std::vector<TPackageRelation> TOfficePackage::Relations(const std::string& SourcePart) const
{
    std::vector<TPackageRelation> relations;
    const std::string relsPart = RelationsPartOf(SourcePart);
    if (!FZip.Contains(relsPart)) return relations;
    TXMLDocument doc;
    ReadPart(relsPart, doc);
    for (const TXMLNode& rel : PartChildElements(doc.DocumentElement(), "Relationship")) {
        if (rel.Attribute("TargetMode") == "External") continue;
        const std::string target = rel.Attribute("Target");
        const std::string name =
            !target.empty() && target[0] == '/' ? target : PackageFolderOf(SourcePart) + target;
        relations.push_back({rel.Attribute("Id"), rel.Attribute("Type"), NormalisedPartName(name)});
    }
    return relations;
}

std::string TOfficePackage::RelatedPart(const std::string& SourcePart, const std::string& TypeName) const
{
    const std::string suffix = "/" + TypeName;
    for (const TPackageRelation& rel : Relations(SourcePart))
        if (rel.Type.size() >= suffix.size() &&
            rel.Type.compare(rel.Type.size() - suffix.size(), suffix.size(), suffix) == 0)
            return rel.Target;
    return "";
}
