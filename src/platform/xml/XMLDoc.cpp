#include "platform/xml/XMLDoc.h"

#include <pugixml.hpp>

#include <sstream>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/xml/XMLDamage.h"

namespace {
pugi::xml_node Node(void* handle) { return pugi::xml_node(static_cast<pugi::xml_node_struct*>(handle)); }
void* Handle(pugi::xml_node node) { return node.internal_object(); }

pugi::xml_node RequireNode(void* handle)
{
    if (!handle) throw EXMLDocError("Node is missing");
    return Node(handle);
}

bool IsText(pugi::xml_node n) { return n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata; }
}  // namespace

std::string TXMLNode::NodeName() const { return Node(node_).name(); }

TXMLNodeType TXMLNode::NodeType() const
{
    switch (Node(node_).type()) {
    case pugi::node_element: return TXMLNodeType::ntElement;
    case pugi::node_pcdata:
    case pugi::node_cdata: return TXMLNodeType::ntText;
    case pugi::node_comment: return TXMLNodeType::ntComment;
    default: return TXMLNodeType::ntOther;
    }
}

std::string TXMLNode::Text() const
{
    const pugi::xml_node n = Node(node_);
    if (n.type() != pugi::node_element) return n.value();
    std::string text;
    for (pugi::xml_node child : n.children())
        if (IsText(child)) text += child.value();
    return text;
}

std::string TXMLNode::InnerText() const
{
    const pugi::xml_node n = Node(node_);
    if (n.type() != pugi::node_element) return n.value();
    // Walked without recursion, so that no nesting depth can exhaust the stack.
    std::string text;
    pugi::xml_node at = n.first_child();
    while (at && at != n) {
        if (IsText(at)) text += at.value();
        if (at.type() == pugi::node_element && at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at != n && !at.next_sibling()) at = at.parent();
        if (at != n) at = at.next_sibling();
    }
    return text;
}

void TXMLNode::SetText(const std::string& text)
{
    pugi::xml_node n = RequireNode(node_);
    for (pugi::xml_node child = n.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (IsText(child)) n.remove_child(child);
        child = next;
    }
    if (!text.empty()) n.append_child(pugi::node_pcdata).set_value(text.c_str());
}

bool TXMLNode::HasAttribute(const std::string& name) const
{
    return static_cast<bool>(Node(node_).attribute(name.c_str()));
}

std::string TXMLNode::Attribute(const std::string& name) const
{
    return Node(node_).attribute(name.c_str()).value();
}

std::vector<std::pair<std::string, std::string>> TXMLNode::Attributes() const
{
    std::vector<std::pair<std::string, std::string>> attributes;
    for (pugi::xml_attribute a : Node(node_).attributes())
        attributes.emplace_back(a.name(), a.value());
    return attributes;
}

void TXMLNode::SetAttribute(const std::string& name, const std::string& value)
{
    pugi::xml_node n = RequireNode(node_);
    pugi::xml_attribute a = n.attribute(name.c_str());
    if (!a) a = n.append_attribute(name.c_str());
    a.set_value(value.c_str());
}

TXMLNodeList TXMLNode::ChildNodes() const { return TXMLNodeList(node_); }

TXMLNode TXMLNode::FirstChild() const { return TXMLNode(Handle(Node(node_).first_child())); }

TXMLNode TXMLNode::NextSibling() const { return TXMLNode(Handle(Node(node_).next_sibling())); }

TXMLNode TXMLNode::FindNode(const std::string& name) const
{
    return TXMLNode(Handle(Node(node_).child(name.c_str())));
}

TXMLNode TXMLNode::Child(const std::string& name) const
{
    TXMLNode found = FindNode(name);
    if (!found) throw EXMLDocError("Node \"" + name + "\" not found");
    return found;
}

TXMLNode TXMLNode::AddChild(const std::string& name)
{
    return TXMLNode(Handle(RequireNode(node_).append_child(name.c_str())));
}

TXMLNode TXMLNode::InsertChildBefore(const std::string& name, const TXMLNode& Before)
{
    pugi::xml_node parent = RequireNode(node_);
    if (Before.IsNull()) return AddChild(name);
    return TXMLNode(Handle(parent.insert_child_before(name.c_str(), Node(Before.node_))));
}

TXMLNode TXMLNode::Parent() const
{
    const pugi::xml_node parent = Node(node_).parent();
    return parent.type() == pugi::node_element ? TXMLNode(Handle(parent)) : TXMLNode();
}

void TXMLNode::RemoveChild(const TXMLNode& Child)
{
    if (!Child.IsNull()) RequireNode(node_).remove_child(Node(Child.node_));
}

int TXMLNodeList::Count() const
{
    int count = 0;
    for (pugi::xml_node child = Node(parent_).first_child(); child; child = child.next_sibling()) ++count;
    return count;
}

TXMLNode TXMLNodeList::operator[](int index) const
{
    if (index < 0) return {};
    pugi::xml_node child = Node(parent_).first_child();
    while (child && index-- > 0) child = child.next_sibling();
    return TXMLNode(Handle(child));
}

TXMLNode TXMLNodeList::FindNode(const std::string& name) const { return TXMLNode(parent_).FindNode(name); }

struct TXMLDocument::Impl {
    pugi::xml_document doc;
    bool keepSpaceOnlyText = false;
};

TXMLDocument::TXMLDocument() : impl_(std::make_unique<Impl>()) {}
TXMLDocument::~TXMLDocument() = default;

void TXMLDocument::Clear() { impl_->doc.reset(); }

void TXMLDocument::KeepSpaceOnlyText(bool Keep) { impl_->keepSpaceOnlyText = Keep; }

namespace {
pugi::xml_parse_result Parse(pugi::xml_document& doc, const std::string& xml, bool keepSpaceOnlyText = false)
{
    const unsigned spaceText = keepSpaceOnlyText ? pugi::parse_ws_pcdata_single : 0;
    return doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_comments | spaceText);
}

// The file's own name leads, so that the user knows which file to look at.
std::string Damage_Message(const std::string& subject, const pugi::xml_parse_result& result, const std::string& xml)
{
    return subject + " is damaged (" + Damage_In_Words(result, xml) + ")";
}

std::string File_Subject(const std::string& path) { return path.substr(path.rfind('/') + 1) + ": the file"; }

std::string Read_XML_File(const std::string& path)
{
    try {
        return ReadFileBytes(path);
    } catch (const EInOutError& e) {
        throw EXMLDocError(e.Message());
    }
}
} // namespace

void TXMLDocument::LoadFromXML(const std::string& xml) { Load(xml, "The XML text"); }

void TXMLDocument::LoadFromFile(const std::string& path) { Load(Read_XML_File(path), File_Subject(path)); }

void TXMLDocument::Load(const std::string& xml, const std::string& subject)
{
    const pugi::xml_parse_result result = Parse(impl_->doc, xml, impl_->keepSpaceOnlyText);
    if (!result) {
        Clear();
        throw EXMLDocError(Damage_Message(subject, result, xml));
    }
}

std::string TXMLDocument::LoadReadablePart(const std::string& path)
{
    const std::string xml = Read_XML_File(path);
    const pugi::xml_parse_result result = Parse(impl_->doc, xml);
    if (result) return "";
    Keep_Readable_Part(impl_->doc, result, xml);
    return Damage_Message(File_Subject(path), result, xml);
}

std::string TXMLDocument::SaveToXML() const
{
    std::ostringstream out;
    impl_->doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

void TXMLDocument::SaveToFile(const std::string& path) const { WriteFileBytes(path, SaveToXML()); }

TXMLNode TXMLDocument::DocumentElement() const
{
    return TXMLNode(Handle(impl_->doc.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; })));
}

TXMLNodeList TXMLDocument::ChildNodes() const { return TXMLNodeList(Handle(impl_->doc)); }

TXMLNode TXMLDocument::AddChild(const std::string& name)
{
    return TXMLNode(Handle(impl_->doc.append_child(name.c_str())));
}

void TXMLDocument::AddComment(const std::string& text)
{
    impl_->doc.append_child(pugi::node_comment).set_value(text.c_str());
}
