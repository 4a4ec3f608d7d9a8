#include "platform/rtl/Files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "platform/rtl/Exceptions.h"

std::string ReadFileBytes(const std::string& path)
{
    // A directory opens as a stream here but reads as nothing: refuse it as Windows does.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(EISDIR));
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw EFCreateError("Cannot write file \"" + path + "\". " + std::strerror(errno));
}
