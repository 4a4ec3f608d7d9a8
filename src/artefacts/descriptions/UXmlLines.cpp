#include "artefacts/descriptions/UXmlLines.h"

std::string Xml_Escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        // XML 1.0 has no way to write the other control characters, not even as references.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string TXmlLines::Start(const std::string& name, const Attributes& attributes)
{
    std::string text = "<" + name;
    for (const auto& [key, value] : attributes)
        text += " " + key + "=\"" + Xml_Escape(value) + "\"";
    return text;
}

void TXmlLines::Open(const std::string& name, const Attributes& attributes)
{
    Line(Start(name, attributes) + ">");
    ++depth_;
}

void TXmlLines::Close(const std::string& name)
{
    --depth_;
    Line("</" + name + ">");
}

void TXmlLines::Empty(const std::string& name, const Attributes& attributes)
{
    Line(Start(name, attributes) + "/>");
}

void TXmlLines::Text(const std::string& name, const std::string& text)
{
    Line("<" + name + ">" + Xml_Escape(text) + "</" + name + ">");
}
