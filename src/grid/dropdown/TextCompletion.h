#pragma once
#include <string>
#include <vector>

// What typing into a completing edit gives.
struct TTextCompletion {
    int Index = -1;        // the candidate completed to; -1: none matched
    std::string Text;      // the edit's new text
    int TypedLength = 0;   // characters typed; the rest of Text is the completed tail
};

// Completes the part of Text before the caret to the first candidate that begins with it
// (letter case ignored unless MatchCase); without a match the text is cut back to the typed
// part. The tail comes from the candidate, at most 255 characters of it.
TTextCompletion CompleteText(const std::vector<std::string>& Candidates, const std::string& Text, int Caret, bool MatchCase);
