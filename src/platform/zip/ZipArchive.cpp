#include "platform/zip/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <memory>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"

namespace {
struct TZipCloser {
    void operator()(zip_t* Archive) const { zip_discard(Archive); }
};
using TZipHandle = std::unique_ptr<zip_t, TZipCloser>;

std::string ZipErrorText(int Code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, Code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// The entry grows with what it really unpacks to: the size in the archive's directory is
// only a claim, and a claim of gigabytes is refused before anything is taken for it.
std::string ReadZipEntry(zip_t* Archive, zip_uint64_t Index, const std::string& Path)
{
    zip_stat_t stat;
    zip_file_t* file =
        zip_stat_index(Archive, Index, 0, &stat) == 0 ? zip_fopen_index(Archive, Index, 0) : nullptr;
    if (!file) throw EFOpenError("Cannot read \"" + Path + "\": " + zip_strerror(Archive));
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(file, zip_fclose);
    const std::string entry = std::string("the archive entry ") + (stat.name ? stat.name : "");
    if (stat.size > TZipArchive::kMaxEntrySize)
        throw EZipEntryTooLarge("Cannot read \"" + Path + "\": " + entry + " claims " + std::to_string(stat.size) +
                                " bytes, more than the " + std::to_string(TZipArchive::kMaxEntrySize) +
                                " an entry may hold");
    std::string data;
    char buffer[65536];
    zip_int64_t read = 0;
    while ((read = zip_fread(file, buffer, sizeof buffer)) > 0)
        data.append(buffer, static_cast<size_t>(read));
    if (read < 0 || data.size() != stat.size)
        throw EFOpenError("Cannot read \"" + Path + "\": " + entry + " is damaged");
    return data;
}
} // namespace

// Read through the platform's file reading, which refuses anything but a regular file: the
// library's own opening would wait on a FIFO and read a device without end.
TZipArchive TZipArchive::LoadFromFile(const std::string& Path)
{
    const std::string bytes = ReadFileBytes(Path);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    TZipHandle archive(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (!archive) {
        if (source) zip_source_free(source);
        const std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw EFOpenError("Cannot open \"" + Path + "\": " + reason);
    }
    zip_error_fini(&error);
    TZipArchive result;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive.get(), i, 0);
        if (!name) continue;
        result.FEntries.push_back({name, ReadZipEntry(archive.get(), i, Path)});
    }
    return result;
}

void TZipArchive::SaveToFile(const std::string& Path) const
{
    int code = 0;
    zip_t* archive = zip_open(Path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) throw EFCreateError("Cannot create \"" + Path + "\": " + ZipErrorText(code));
    TZipHandle guard(archive);
    for (const TZipEntry& entry : FEntries) {
        zip_source_t* source = zip_source_buffer(archive, entry.Data.data(), entry.Data.size(), 0);
        if (!source || zip_file_add(archive, entry.Name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source) zip_source_free(source);
            throw EFCreateError("Cannot create \"" + Path + "\": " + zip_strerror(archive));
        }
    }
    // zip_close writes the archive under a temporary name and renames it into place.
    if (zip_close(archive) != 0)
        throw EFCreateError("Cannot create \"" + Path + "\": " + zip_strerror(archive));
    guard.release();
}

bool TZipArchive::Contains(const std::string& Name) const
{
    return std::any_of(FEntries.begin(), FEntries.end(), [&](const TZipEntry& e) { return e.Name == Name; });
}

std::string TZipArchive::Read(const std::string& Name) const
{
    for (const TZipEntry& entry : FEntries)
        if (entry.Name == Name) return entry.Data;
    return "";
}

void TZipArchive::Write(const std::string& Name, const std::string& Data)
{
    for (TZipEntry& entry : FEntries)
        if (entry.Name == Name) {
            entry.Data = Data;
            return;
        }
    FEntries.push_back({Name, Data});
}

void TZipArchive::Remove(const std::string& Name)
{
    std::erase_if(FEntries, [&](const TZipEntry& e) { return e.Name == Name; });
}
