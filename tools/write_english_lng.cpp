// Writes the built-in texts as the language file English.lng, so that English is listed among
// the languages like any other and a user who switched away can switch back to it. Run by
// the build; the file also shows translators every entry in the form they write.
//   write_english_lng OUTPUT
#include <cstdio>
#include <string>

#include "resources/BuiltinTexts.h"

namespace {
const std::string Pilcrow = "\u00B6";

bool Is_Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The text as a line's reader gives it back: blanks at its ends survive only between
// pilcrows, and a comment mark would cut it.
bool Line_Text(const std::string& text, std::string& written)
{
    if (text.find("/#/") != std::string::npos || text.find(Pilcrow) != std::string::npos ||
        text.find_first_of("\r\n") != std::string::npos)
        return false;
    written = Is_Blank(text.front()) || Is_Blank(text.back()) ? Pilcrow + text + Pilcrow : text;
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_english_lng OUTPUT\n");
        return 2;
    }
    // The byte-order mark makes every reader take the file as UTF-8.
    std::string file = "\xEF\xBB\xBF";
    for (int entry = 0; entry < Builtin_Text_Count; ++entry) {
        const std::string text = Builtin_Texts[entry];
        // Unused entries keep their filler without a line.
        if (text == " ") continue;
        std::string written;
        if (!Line_Text(text, written)) {
            std::fprintf(stderr, "write_english_lng: entry %d cannot be written as a line: %s\n", entry,
                         text.c_str());
            return 1;
        }
        file += "STR" + std::to_string(entry) + " = " + written + "\r\n";
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
