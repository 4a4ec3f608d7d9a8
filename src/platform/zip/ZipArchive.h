#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

// A zip archive held in memory as its named entries, in archive order. Office documents are
// zip packages of XML parts: they are read whole, changed and written whole.
struct TZipEntry {
    std::string Name;
    std::string Data;
};

// An entry that would unpack to more than the reader takes.
class EZipEntryTooLarge : public EFOpenError {
    using EFOpenError::EFOpenError;
};

class TZipArchive {
public:
    // The most one entry may unpack to: far above any document part, far below what a few
    // hundred bytes of a hostile archive may claim.
    static constexpr uint64_t kMaxEntrySize = uint64_t{256} << 20;

    // Raises EFOpenError naming the file and what went wrong (missing, not a zip archive ...),
    // EZipEntryTooLarge when an entry claims to unpack to more than kMaxEntrySize.
    static TZipArchive LoadFromFile(const std::string& Path);
    // Writes to a temporary file beside Path and puts it in Path's place only when the whole
    // archive was written, so a failed write leaves an existing file as it was. Raises
    // EFCreateError naming the file.
    void SaveToFile(const std::string& Path) const;

    const std::vector<TZipEntry>& Entries() const { return FEntries; }
    bool Contains(const std::string& Name) const;
    // The entry's bytes, "" when there is none.
    std::string Read(const std::string& Name) const;
    // Replaces the entry of that name or appends a new one.
    void Write(const std::string& Name, const std::string& Data);
    void Remove(const std::string& Name);

private:
    std::vector<TZipEntry> FEntries;
};
