#include "grid/services/HtmlNumbering.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/os/FileSystem.h"

namespace {

// The highest number written between Prefix and Suffix anywhere in Text, or -1. A number
// too large for an int is no name the export wrote, and is passed over.
int HighestBetween(const std::string& Text, const std::string& Prefix, const std::string& Suffix)
{
    int highest = -1;
    for (size_t at = Text.find(Prefix); at != std::string::npos; at = Text.find(Prefix, at + 1)) {
        const size_t first = at + Prefix.size();
        size_t end = first;
        while (end < Text.size() && std::isdigit(static_cast<unsigned char>(Text[end]))) ++end;
        if (end == first || Text.compare(end, Suffix.size(), Suffix) != 0) continue;
        int value = 0;
        if (std::from_chars(Text.data() + first, Text.data() + end, value).ec == std::errc())
            highest = std::max(highest, value);
    }
    return highest;
}

} // namespace

THtmlNumbering HtmlNumberingAfter(const std::string& Page, const std::string& ImagesFolder)
{
    const int lastStyle = std::max(HighestBetween(Page, ".c", " {"), HighestBetween(Page, "class=\"c", "\""));
    int lastPicture = HighestBetween(Page, "images/img", ".jpg");
    for (const TSearchRec& file : FindFiles(ImagesFolder, "img*.jpg"))
        lastPicture = std::max(lastPicture, HighestBetween(file.Name, "img", ".jpg"));
    return {lastStyle + 1, std::max(lastPicture, 0) + 1};
}
