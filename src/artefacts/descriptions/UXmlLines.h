#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Classes.h"

// Writes an XML document line by line, one element or comment per line, indented by tabs
// with the nesting. Attribute values and texts are escaped, so that any value read from a
// project file keeps the document well formed.
class TXmlLines {
public:
    using Attributes = std::vector<std::pair<std::string, std::string>>;

    explicit TXmlLines(TStringList& lines) : lines_(lines) {}

    void Line(const std::string& text) { lines_.Add(std::string(depth_, '\t') + text); }
    void Open(const std::string& name, const Attributes& attributes = {});
    void Close(const std::string& name);
    void Empty(const std::string& name, const Attributes& attributes);
    void Text(const std::string& name, const std::string& text);
    void Comment(const std::string& text) { Line("<!-- " + text + " -->"); }

private:
    static std::string Start(const std::string& name, const Attributes& attributes);

    TStringList& lines_;
    size_t depth_ = 0;
};

// The text with &, <, >, " and ' replaced by their entities and control characters that
// XML cannot hold left out.
std::string Xml_Escape(const std::string& text);
