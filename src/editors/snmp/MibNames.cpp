#include "editors/snmp/MibNames.h"

#include "platform/rtl/SysUtils.h"

namespace {
const char* const Fixed_Names[] = {"identity",    "quorvane",     "gateway",  "application", "data",
                                   "hellostring", "countin",      "countout", "bufferin",    "bufferinval",
                                   "bufferout",   "bufferoutval", "traps",    "trapsval",    "enterprises"};

// The names numbered per entry or per block: the prefix followed by a number.
const char* const Numbered_Prefixes[] = {"bufferinblk", "bufferoutblk", "bufferinval", "bufferoutval",
                                         "trapval"};

bool Is_Numbered(const std::string& Name, const std::string& Prefix)
{
    if (Name.size() <= Prefix.size() || !SameText(Name.substr(0, Prefix.size()), Prefix)) return false;
    return Name.find_first_not_of("0123456789", Prefix.size()) == std::string::npos;
}
} // namespace

bool Is_MIB_Name(const std::string& Name)
{
    for (const char* fixed : Fixed_Names)
        if (SameText(Name, fixed)) return true;
    for (const char* prefix : Numbered_Prefixes)
        if (Is_Numbered(Name, prefix)) return true;
    return false;
}
