#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The XML document object of the system's files. Documents are written as UTF-8 with no
// declaration and no indentation, and read in any well-formed layout.

enum class TXMLNodeType { ntElement, ntText, ntComment, ntOther };

class TXMLNodeList;

// A handle to a node of a document; it stays valid while its document lives. A null
// handle answers every read with "nothing" and refuses every change.
class TXMLNode {
public:
    TXMLNode() = default;
    explicit TXMLNode(void* node) : node_(node) {}

    bool IsNull() const { return node_ == nullptr; }
    explicit operator bool() const { return node_ != nullptr; }

    std::string NodeName() const;
    TXMLNodeType NodeType() const;
    std::string Text() const;  // the node's own text children joined; comments: their text
    // Every text below the node, in document order, as a reader of the whole element sees it.
    std::string InnerText() const;
    void SetText(const std::string& text);

    bool HasAttribute(const std::string& name) const;
    std::string Attribute(const std::string& name) const;  // "" when missing
    void SetAttribute(const std::string& name, const std::string& value);
    // The attributes as (name, value) pairs in document order.
    std::vector<std::pair<std::string, std::string>> Attributes() const;

    TXMLNodeList ChildNodes() const;
    // Walking the children from the first through NextSibling costs one step a child,
    // where indexing ChildNodes starts again from the first every time.
    TXMLNode FirstChild() const;   // null when there is none
    TXMLNode NextSibling() const;  // null after the last child
    TXMLNode FindNode(const std::string& name) const;  // first child element of that name, or null
    TXMLNode Child(const std::string& name) const;     // same, raising EXMLDocError when missing
    TXMLNode AddChild(const std::string& name);
    // A new element placed just before the child Before (appended when Before is null).
    TXMLNode InsertChildBefore(const std::string& name, const TXMLNode& Before);
    TXMLNode Parent() const;  // null for the document and for a null handle
    void RemoveChild(const TXMLNode& Child);

private:
    void* node_ = nullptr;
};

class TXMLNodeList {
public:
    explicit TXMLNodeList(void* parent) : parent_(parent) {}
    int Count() const;
    TXMLNode operator[](int index) const;  // null when out of range
    TXMLNode FindNode(const std::string& name) const;

private:
    void* parent_;
};

class TXMLDocument {
public:
    TXMLDocument();
    ~TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;

    void Clear();
    // Text made only of blanks is dropped on loading unless this is set; office documents
    // need it kept, since a cell or a run may hold just a space.
    void KeepSpaceOnlyText(bool Keep);
    // Both raise EXMLDocError, whose message names the file and says in words what is wrong
    // and on which line: "ParGen.xml: the file is damaged (line 3: start and end tags do not
    // match)".
    void LoadFromFile(const std::string& path);
    void LoadFromXML(const std::string& xml);
    // For a file whose readable values are worth keeping: a damaged file leaves what was
    // read whole before the damage (an element cut open keeps only its whole children) and
    // returns the message LoadFromFile would raise; a whole file returns "". Raises
    // EXMLDocError only when the file cannot be read at all.
    std::string LoadReadablePart(const std::string& path);
    void SaveToFile(const std::string& path) const;  // raises EFCreateError
    std::string SaveToXML() const;

    // The document's first element, whatever comes before it; null when there is none.
    TXMLNode DocumentElement() const;
    TXMLNodeList ChildNodes() const;
    TXMLNode AddChild(const std::string& name);
    void AddComment(const std::string& text);  // appended at document level, after the root

private:
    void Load(const std::string& xml, const std::string& subject);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
