#pragma once
#include <string>
#include <vector>

#include "editors/ethernetip/EdsDocument.h"

// An EDS document from inline text, one line per "\n".
inline TEdsDocument EdsFromText(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return TEdsDocument::FromLines(lines);
}
