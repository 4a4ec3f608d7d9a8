#include "editors/ethernetip/EdsText.h"

#include <algorithm>

#include "platform/rtl/SysUtils.h"

namespace {
// The escapes of a quoted string: a doubled quote, and a backslash before a quote or a
// backslash, each stand for their second character.
bool IsEscape(std::string_view text, size_t i)
{
    if (i + 1 >= text.size()) return false;
    const char next = text[i + 1];
    return (text[i] == '"' && next == '"') || (text[i] == '\\' && (next == '"' || next == '\\'));
}

// Reads the quoted string whose opening quote is at `at` into `out` when given; returns the
// offset after its closing quote, or npos when it is left open.
size_t ReadQuoted(std::string_view text, size_t at, std::string* out = nullptr)
{
    size_t i = at + 1;
    while (i < text.size()) {
        if (IsEscape(text, i)) {
            if (out) *out += text[i + 1];
            i += 2;
        } else if (text[i] != '"') {
            if (out) *out += text[i];
            ++i;
        } else {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

TEdsField MakeField(std::string_view raw)
{
    TEdsField field;
    field.Raw = std::string(raw);
    const std::string trimmed = Trim(field.Raw);
    if (trimmed.empty() || trimmed[0] != '"') {
        field.Text = field.Raw;
        return field;
    }
    field.Quoted = true;
    size_t i = 0;
    while (i < trimmed.size()) {
        if (trimmed[i] == '"') {
            i = std::min(ReadQuoted(trimmed, i, &field.Text), trimmed.size());
        } else if (IsBlank(trimmed[i])) {
            ++i;
        } else {
            // Text between strings is kept rather than moved into a field of its own, so
            // that the fields after it keep their places.
            const size_t next = std::min(trimmed.find('"', i), trimmed.size());
            field.Text += Trim(trimmed.substr(i, next - i));
            i = next;
        }
    }
    return field;
}
} // namespace

size_t FindUnquoted(std::string_view text, std::string_view delimiters, size_t from)
{
    size_t i = from;
    while (i < text.size()) {
        if (text[i] == '"') {
            i = ReadQuoted(text, i);
        } else if (delimiters.find(text[i]) != std::string_view::npos) {
            return i;
        } else {
            ++i;
        }
    }
    return std::string_view::npos;
}

bool EndsInsideQuote(std::string_view text)
{
    for (size_t i = text.find('"'); i != std::string_view::npos; i = text.find('"', i)) {
        i = ReadQuoted(text, i);
        if (i == std::string_view::npos) return true;
    }
    return false;
}

std::string_view StripEdsComment(std::string_view line)
{
    return TrimView(line.substr(0, FindUnquoted(line, "$")));
}

bool IsNumberedName(const std::string& name, const std::string& prefix)
{
    if (name.size() <= prefix.size() || UpperCase(name.substr(0, prefix.size())) != UpperCase(prefix))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::string TEdsField::Trimmed() const { return Trim(Text); }

std::vector<TEdsField> SplitEdsFields(std::string_view text)
{
    std::vector<TEdsField> fields;
    if (text.empty()) return fields;
    size_t start = 0;
    while (true) {
        const size_t comma = FindUnquoted(text, ",", start);
        if (comma == std::string_view::npos) {
            fields.push_back(MakeField(text.substr(start)));
            return fields;
        }
        fields.push_back(MakeField(text.substr(start, comma - start)));
        start = comma + 1;
    }
}
