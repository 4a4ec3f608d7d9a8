#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Files and directories. Paths use "/".

bool FileExists(const std::string& path);       // a file, not a directory
bool DirectoryExists(const std::string& path);
// Anything at the path: a file, a directory, a device ... (a link counts by its target).
// A reader that takes a missing file as "use the defaults" asks this, so that whatever else
// stands there reaches the read and is reported.
bool PathExists(const std::string& path);
bool CreateDir(const std::string& path);        // one level; false when it fails
// Creates one level as CreateDir does and says why it failed, in the system's words: "" when
// the directory was made; "Not a directory" where something else stands at the path.
std::string CreateDirFailure(const std::string& path);
// Why the path cannot be used as a directory, in the system's words; "" when it is one.
std::string DirectoryFailure(const std::string& path);
bool ForceDirectories(const std::string& path); // every missing level

// File attributes as the Parts test them.
enum TFileAttr : uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,  // a name starting with "."
    faSysFile = 0x04,
    faDirectory = 0x10,
    faArchive = 0x20,
    faNormal = 0x80,
};

struct TSearchRec {
    std::string Name;
    uint32_t Attr = 0;
    int64_t Size = 0;
};

// The entries of a directory whose names match a "*" / "?" pattern (letter case ignored),
// "." and ".." left out, sorted by name.
std::vector<TSearchRec> FindFiles(const std::string& dir, const std::string& pattern);

// The directory of the running executable, without a trailing "/".
std::string ExeDir();
