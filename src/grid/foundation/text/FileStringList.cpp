#include "grid/foundation/text/FileStringList.h"

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(std::string& S)
{
    S = Strings(fp);
    ++fp;
}

void TFileStringList::WriteLn(const std::string& S)
{
    Add(cache + S);
    cache.clear();
}
