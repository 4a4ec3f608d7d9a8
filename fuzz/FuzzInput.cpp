#include "FuzzInput.h"

std::vector<std::string> FuzzParts(std::string_view text, size_t count)
{
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) break;
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    parts.emplace_back(text);
    return parts;
}

std::string FuzzFilePath(const std::string& name)
{
    static const TempDir dir;
    return dir.File(name);
}
