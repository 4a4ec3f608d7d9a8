#include "FuzzInput.h"

#include <filesystem>
#include <fstream>
#include <random>

std::vector<std::string> FuzzParts(std::string_view text, size_t count)
{
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) break;
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    parts.emplace_back(text);
    return parts;
}

namespace {
// One directory per process, so that parallel fuzzing jobs (-jobs=N) never share a file;
// it goes when the process ends.
class TFuzzDirectory {
public:
    TFuzzDirectory()
        : path_(std::filesystem::temp_directory_path() / ("vantrel-fuzz-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TFuzzDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& FuzzDirectory()
{
    static const TFuzzDirectory dir;
    return dir.Path();
}
} // namespace

TFuzzFile::TFuzzFile(const std::string& name) : path_((FuzzDirectory() / name).string()) {}

TFuzzFile::~TFuzzFile()
{
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void TFuzzFile::Write(const uint8_t* data, size_t size) const
{
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
