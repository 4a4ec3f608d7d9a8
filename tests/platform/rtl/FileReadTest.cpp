#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "support/TestFiles.h"

namespace {
TEST(FileRead, GivesEveryByteOfFilesOfAnySize)
{
    TempDir dir;
    for (const size_t size : {size_t{0}, size_t{1}, size_t{300001}}) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 % 256);
        WriteTestFile(dir.File("f.bin"), bytes);
        EXPECT_EQ(ReadFileBytes(dir.File("f.bin")), bytes) << size;
    }
}

TEST(FileRead, ReadsToTheEndWhereTheSystemGivesNoSize)
{
    // The system reports such files as empty.
    EXPECT_NE(ReadFileBytes("/proc/self/status").find("Name:"), std::string::npos);
}

TEST(FileRead, RefusesDirectoriesAndMissingFiles)
{
    TempDir dir;
    EXPECT_THROW(ReadFileBytes(dir.Path()), EFOpenError);
    EXPECT_THROW(ReadFileBytes(dir.File("missing")), EFOpenError);
}
} // namespace
