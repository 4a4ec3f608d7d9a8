#pragma once
#include <string>
#include <vector>

#include "platform/ui/Types.h"

// The grid's own text format keeps every cell on one line: a text with a carriage return or
// a line feed is written with 13 as 9 (tab), 10 as 8 and 0 as 1; a text holding an 8 reads
// back so.
std::string EncodeCellLineBreaks(const std::string& Text);
// Without Multiline only the text before the first carriage return remains.
std::string DecodeCellLineBreaks(const std::string& Text, bool Multiline);

// A cell line "column,row,text" or a width line "cw column,width", split at the first two
// commas; false when the line has fewer than two commas.
bool SplitCellLine(const std::string& Line, std::string& First, std::string& Second, std::string& Rest);

// Length in characters.
int CharLength(const std::string& Text);
// The longest line of the text, in characters; the first line only unless AllLines.
int LongestLineLength(const std::string& Text, bool AllLines);
// The lines of a cell text (split at CR LF, CR or LF).
std::vector<std::string> CellTextLines(const std::string& Text);

// A text aligned in a column of Width characters for the plain-text layout: right-aligned
// text padded in front, centred text on both sides, left-aligned text unchanged.
std::string AlignInColumn(const std::string& Text, int Width, TAlignment Alignment);
// Cut to Width characters or filled with spaces up to it.
std::string FitToWidth(const std::string& Text, int Width);
// Characters From to To - 1 (0-based) of a text; what lies beyond the text is empty.
std::string CharRange(const std::string& Text, int From, int To);
