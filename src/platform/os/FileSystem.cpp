#include "platform/os/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

bool FileExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0;
}

bool CreateDir(const std::string& path) { return !path.empty() && mkdir(path.c_str(), 0777) == 0; }

std::string CreateDirFailure(const std::string& path)
{
    if (CreateDir(path)) return "";
    if (path.empty()) return std::strerror(ENOENT);
    const int error = errno;
    return std::strerror(error == EEXIST && !DirectoryExists(path) ? ENOTDIR : error);
}

std::string DirectoryFailure(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::strerror(errno);
    return S_ISDIR(st.st_mode) ? "" : std::strerror(ENOTDIR);
}

bool ForceDirectories(const std::string& path)
{
    if (path.empty()) return false;
    if (DirectoryExists(path)) return true;
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const size_t slash = trimmed.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !ForceDirectories(trimmed.substr(0, slash))) return false;
    return CreateDir(trimmed) || DirectoryExists(trimmed);
}

namespace {
std::string IncludeTrailingPathDelimiter(const std::string& path)
{
    return !path.empty() && path.back() == '/' ? path : path + "/";
}
}  // namespace

std::vector<TSearchRec> FindFiles(const std::string& dir, const std::string& pattern)
{
    std::vector<TSearchRec> found;
    DIR* d = opendir(dir.c_str());
    if (!d) return found;
    while (const dirent* entry = readdir(d)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) != 0) continue;
        struct stat st{};
        const std::string full = IncludeTrailingPathDelimiter(dir) + name;
        if (stat(full.c_str(), &st) != 0) continue;
        TSearchRec rec;
        rec.Name = name;
        rec.Size = st.st_size;
        if (S_ISDIR(st.st_mode)) rec.Attr |= faDirectory;
        else if (!S_ISREG(st.st_mode)) rec.Attr |= faSysFile;
        if (access(full.c_str(), W_OK) != 0) rec.Attr |= faReadOnly;
        if (name[0] == '.') rec.Attr |= faHidden;
        if (rec.Attr == 0) rec.Attr = faArchive;
        found.push_back(rec);
    }
    closedir(d);
    std::sort(found.begin(), found.end(), [](const TSearchRec& a, const TSearchRec& b) { return a.Name < b.Name; });
    return found;
}

std::string ExeDir()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    buffer[n] = 0;
    std::string path = buffer;
    return path.substr(0, path.find_last_of('/'));
}
