#include "workspace/UFileNames.h"

#include <array>

#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Utf8.h"

namespace {
bool Has_Refused_Character(const std::string& name)
{
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return true;
        if (std::string("/\\<>:\"|?*").find(c) != std::string::npos) return true;
    }
    return false;
}

// The devices answer to their names in every folder, whatever extension follows and with
// blanks before it.
bool Is_Device_Name(const std::string& name)
{
    const std::string base = UpperCase(TrimRight(name.substr(0, name.find('.'))));
    static const std::array<const char*, 4> fixed = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : fixed)
        if (base == device) return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}
} // namespace

std::string Desktop_File_Name(const std::string& typed)
{
    if (!utf8::IsValid(typed) || Has_Refused_Character(typed)) return {};
    const size_t kept = typed.find_last_not_of(" .");
    if (kept == std::string::npos) return {};
    std::string name = typed.substr(0, kept + 1);
    return Is_Device_Name(name) ? std::string() : name;
}

bool Is_Plain_File_Name(const std::string& name) { return !name.empty() && Desktop_File_Name(name) == name; }
