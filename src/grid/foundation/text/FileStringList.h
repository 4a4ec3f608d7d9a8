#pragma once
#include <string>

#include "platform/rtl/Classes.h"

// A string list used as a line file by the text import and export: lines are read one by
// one from the start, and a line is written in pieces and ended by WriteLn. Line ends are
// those of the string list's own loading and saving.
class TFileStringList : public TStringList {
public:
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // Reading past the last line raises EListError; callers test Eof first.
    void ReadLn(std::string& S);
    void Write(const std::string& S) { cache += S; }
    void WriteLn(const std::string& S);

private:
    int fp = 0;
    std::string cache;
};
