#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "support/HostileFiles.h"
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

namespace {
// Whatever stands at the path instead of a regular file is refused at once, with the path
// and what stands there, and never read: a FIFO would block, a device never ends.
TEST(FileRead, RefusesEverythingButRegularFilesAtOnce)
{
    TempDir dir;
    const std::string path = dir.File("ParGen.xml");
    for (const THostileEntry& entry : Hostile_Entries()) {
        entry.Place(path);
        EXPECT_EQ(Read_Refusal([&] { ReadFileBytes(path); }), Refusal_Text(path, entry)) << entry.Name;
    }
}

TEST(FileRead, ReadsThroughALinkToARegularFile)
{
    TempDir dir;
    WriteTestFile(dir.File("target.xml"), "<a/>");
    ASSERT_EQ(symlink(dir.File("target.xml").c_str(), dir.File("link.xml").c_str()), 0);
    EXPECT_EQ(ReadFileBytes(dir.File("link.xml")), "<a/>");
}
} // namespace
