#include "grid/foundation/text/ClipboardHtml.h"

#include "platform/rtl/SysUtils.h"

namespace {
const std::string kDocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
const std::string kHead = "<html><head><META http-equiv=Content-Type content=\"text/html; "
                          "charset=iso-8859-1\"></head><body><!--StartFragment-->";
const std::string kTail = "<!--EndFragment--></body></html>";

std::string HeaderLine(const std::string& label, int offset)
{
    return Format("%s%.8d", {label, offset}) + "\r\n";
}

bool IsAddressChar(char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return std::string("%()-./:@\\_{}").find(c) != std::string::npos;
}
} // namespace

void BuildClipboardHtml(std::string& text)
{
    const int header = 13 + 20 + 18 + 24 + 22;
    const int fragmentStart = header + Length(kDocType) + Length(kHead);
    const int fragmentEnd = fragmentStart + Length(text);
    const int htmlEnd = fragmentEnd + Length(kTail);
    text = "Version:1.0\r\n" + HeaderLine("StartHTML:", header) + HeaderLine("EndHTML:", htmlEnd) +
           HeaderLine("StartFragment:", fragmentStart) + HeaderLine("EndFragment:", fragmentEnd) + kDocType +
           kHead + text + kTail;
}

bool HtmlEscapeWithLinks(const std::string& text, const std::string& prefix, std::string& result)
{
    std::string escaped = StringReplace(text, "<", "&lt;", rfReplaceAll);
    escaped = StringReplace(escaped, ">", "&gt;", rfReplaceAll);
    const size_t start = UpperCase(escaped).find(prefix);
    if (start == std::string::npos) return false;
    size_t end = start + prefix.size();
    while (end < escaped.size() && IsAddressChar(escaped[end]))
        ++end;
    const std::string address = escaped.substr(start, end - start);
    result =
        escaped.substr(0, start) + "<a href=\"" + address + "\">" + address + "</a>" + escaped.substr(end);
    return true;
}
