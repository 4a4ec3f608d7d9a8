#pragma once
#include <string>

// A directory of its own for one test, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadTestFile(const std::string& path);
void WriteTestFile(const std::string& path, const std::string& bytes);

// The path of a shared fixture, or "" when the fixtures are not beside this checkout.
std::string FixturePath(const std::string& relative);

// Skips the current test when the shared fixtures cannot be found.
#define REQUIRE_FIXTURES()                                                         \
    do {                                                                           \
        if (FixturePath("").empty()) GTEST_SKIP() << "shared fixtures not found"; \
    } while (0)
