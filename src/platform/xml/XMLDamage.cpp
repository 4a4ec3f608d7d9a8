#include "platform/xml/XMLDamage.h"

#include <algorithm>
#include <vector>

namespace {
const char* const Blanks = " \t\r\n";

// A text cut short shows as a tag left open at its last character, or as a tag, comment or
// attribute that never ends; the user is better served by hearing that the file ends too
// early than by the parser's view of it.
bool Ends_Too_Early(const pugi::xml_parse_result& result, const std::string& xml)
{
    const size_t at = static_cast<size_t>(result.offset);
    if (result.status == pugi::status_end_element_mismatch &&
        xml.find_first_not_of(Blanks, at + 1) == std::string::npos)
        return true;
    return result.status != pugi::status_no_document_element && xml.find('>', at) == std::string::npos;
}

const char* Phrase(const pugi::xml_parse_result& result, const std::string& xml)
{
    if (Ends_Too_Early(result, xml)) return "the file ends too early";
    switch (result.status) {
    case pugi::status_out_of_memory:
        return "there is not enough memory to read it";
    case pugi::status_unrecognized_tag:
        return "a tag is not recognised";
    case pugi::status_bad_pi:
        return "a processing instruction or declaration is malformed";
    case pugi::status_bad_comment:
        return "a comment is malformed";
    case pugi::status_bad_cdata:
        return "a CDATA section is malformed";
    case pugi::status_bad_doctype:
        return "the document type declaration is malformed";
    case pugi::status_bad_pcdata:
        return "a text is malformed";
    case pugi::status_bad_start_element:
        return "a start tag is malformed";
    case pugi::status_bad_attribute:
        return "an attribute is malformed";
    case pugi::status_bad_end_element:
        return "an end tag is malformed";
    case pugi::status_end_element_mismatch:
        return "start and end tags do not match";
    case pugi::status_no_document_element:
        return xml.find_first_not_of(Blanks) == std::string::npos ? "the file is empty"
                                                                  : "there is no element in it";
    default:
        return "it cannot be read as XML";
    }
}

// Everything before this position was read whole.
size_t Read_Up_To(const pugi::xml_parse_result& result, const std::string& xml)
{
    return Ends_Too_Early(result, xml) ? xml.size()
                                       : std::min(static_cast<size_t>(result.offset), xml.size());
}

// Just past the first terminator after start, or npos when it does not end before limit.
size_t Past(const std::string& xml, size_t start, const char* terminator, size_t limit)
{
    const size_t end = xml.find(terminator, start);
    const size_t past = end == std::string::npos ? end : end + std::char_traits<char>::length(terminator);
    return past <= limit ? past : std::string::npos;
}

// A start tag ends at the first ">" outside a quoted attribute value.
size_t Past_Start_Tag(const std::string& xml, size_t start, size_t limit, bool& selfClosed)
{
    char quote = 0;
    for (size_t i = start; i < limit; ++i) {
        const char c = xml[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            selfClosed = xml[i - 1] == '/';
            return i + 1;
        }
    }
    return std::string::npos;
}

// Where the text that follows a node begins, or npos when the node itself was cut short
// (or its place in the text is not known).
size_t End_Of_Node(pugi::xml_node node, const std::string& xml, size_t limit, bool& selfClosed)
{
    selfClosed = false;
    const ptrdiff_t offset = node.offset_debug();
    if (offset < 0) return std::string::npos;
    const size_t start = static_cast<size_t>(offset);
    switch (node.type()) {
    case pugi::node_pcdata:
        return start; // a text runs up to the next "<"
    case pugi::node_comment:
        return Past(xml, start, "-->", limit);
    case pugi::node_cdata:
        return Past(xml, start, "]]>", limit);
    case pugi::node_element:
        return Past_Start_Tag(xml, start, limit, selfClosed);
    default:
        return std::string::npos;
    }
}

// The end tags read whole between from and limit, processing instructions skipped.
size_t Count_End_Tags(const std::string& xml, size_t from, size_t limit)
{
    size_t count = 0;
    for (size_t at = xml.find('<', from); at < limit; at = xml.find('<', at)) {
        const char kind = at + 1 < xml.size() ? xml[at + 1] : '\0';
        if (kind != '/' && kind != '?') break;
        const size_t past = Past(xml, at, kind == '/' ? ">" : "?>", limit);
        if (past == std::string::npos) break;
        if (kind == '/') ++count;
        at = past;
    }
    return count;
}

void Remove_Texts(pugi::xml_node element)
{
    for (pugi::xml_node child = element.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            element.remove_child(child);
        child = next;
    }
}

bool Has_Elements(pugi::xml_node node)
{
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) return true;
    return false;
}
} // namespace

std::string Damage_In_Words(const pugi::xml_parse_result& result, const std::string& xml)
{
    const size_t at = std::min(static_cast<size_t>(std::max<ptrdiff_t>(result.offset, 0)), xml.size());
    const auto line = std::count(xml.begin(), xml.begin() + static_cast<ptrdiff_t>(at), '\n') + 1;
    return "line " + std::to_string(line) + ": " + Phrase(result, xml);
}

void Keep_Readable_Part(pugi::xml_document& doc, const pugi::xml_parse_result& result, const std::string& xml)
{
    // Node positions are known only in the text as it came; a text the parser converted
    // from another encoding keeps nothing.
    if (result.encoding != pugi::encoding_utf8) {
        doc.reset();
        return;
    }
    const size_t limit = Read_Up_To(result, xml);

    // Only the nodes on the path to the last one read can have been cut open.
    std::vector<pugi::xml_node> path;
    for (pugi::xml_node node = doc.last_child(); node; node = node.last_child())
        path.push_back(node);
    if (path.empty()) return;
    const pugi::xml_node last = path.back();
    bool selfClosed = false;
    const size_t after = End_Of_Node(last, xml, limit, selfClosed);
    if (after == std::string::npos || selfClosed) path.pop_back();
    if (after == std::string::npos) last.parent().remove_child(last);

    std::vector<pugi::xml_node> open;
    for (pugi::xml_node node : path)
        if (node.type() == pugi::node_element) open.push_back(node);
    const size_t closed = after == std::string::npos ? 0 : Count_End_Tags(xml, after, limit);
    open.resize(open.size() - std::min(closed, open.size()));

    for (auto node = open.rbegin(); node != open.rend(); ++node) {
        Remove_Texts(*node);
        if (!Has_Elements(*node)) node->parent().remove_child(*node);
    }
}
