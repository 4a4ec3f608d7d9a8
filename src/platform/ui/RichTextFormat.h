#pragma once
// Rich text as runs of equally formatted characters, and its RTF form. No window needed:
// cells and files hold the RTF, the rich edit shows the runs.
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Graphics.h"

struct TRichCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Size = 0;            // points; 0: the edit's own font size
    TColor Color = clNone;   // clNone: the edit's own font colour
    int Offset = 0;          // twips above (positive) or below the base line

    bool operator==(const TRichCharFormat&) const = default;
};

// Paragraphs end with '\n'; '\t' is a tab.
struct TRichRun {
    std::u16string Text;
    TRichCharFormat Format;

    bool operator==(const TRichRun&) const = default;
};

using TRichRuns = std::vector<TRichRun>;

// The runs of an RTF document; nothing when the text is no RTF document (it does not start
// with "{\rtf"). Anything the reader does not know is skipped, whatever the input holds.
std::optional<TRichRuns> ReadRtf(const std::string& rtf);

// A 7-bit RTF document of the runs: other characters go as \uN escapes.
std::string WriteRtf(const TRichRuns& runs);

// The runs' characters, paragraphs ending with CR LF, in UTF-8.
std::string RichPlainText(const TRichRuns& runs);
// What an RTF document says, as plain text; a text that is no RTF document stays as it is.
std::string RtfPlainText(const std::string& rtf);
