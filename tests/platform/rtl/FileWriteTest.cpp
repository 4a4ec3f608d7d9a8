#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "support/DiskFull.h"
#include "support/TestFiles.h"

namespace {
// Every name in the directory, hidden ones included, so that a left-over temporary shows.
std::string Names_In(const std::string& dir)
{
    std::string names;
    for (const TSearchRec& entry : FindFiles(dir, "*"))
        names += entry.Name + ";";
    return names;
}

std::string Write_Failure(const std::string& path, const std::string& bytes)
{
    try {
        WriteFileBytes(path, bytes);
    } catch (const EFCreateError& e) {
        return e.Message();
    }
    return "";
}

const std::string Old_Content = "<Par_Gen><CANopen_IDDev>7</CANopen_IDDev></Par_Gen>";
} // namespace

TEST(FileWrite, ReplacesTheFileAndLeavesNothingElse)
{
    TempDir dir;
    WriteTestFile(dir.File("ParGen.xml"), Old_Content);
    WriteFileBytes(dir.File("ParGen.xml"), "new");
    EXPECT_EQ(ReadTestFile(dir.File("ParGen.xml")), "new");
    WriteFileBytes(dir.File("bank.bin"), std::string("\0\1\2", 3));
    EXPECT_EQ(ReadTestFile(dir.File("bank.bin")), std::string("\0\1\2", 3));
    EXPECT_EQ(Names_In(dir.Path()), "ParGen.xml;bank.bin;");
}

// However far the write got before the disk filled up, the good file stays whole.
class FileWriteOnFullDisk : public testing::TestWithParam<size_t> {};

TEST_P(FileWriteOnFullDisk, KeepsTheOldFileAndNamesIt)
{
    TempDir dir;
    const std::string path = dir.File("ParGen.xml");
    WriteTestFile(path, Old_Content);
    const std::string bigger(8192, 'x');
    {
        TDiskFull disk(GetParam());
        EXPECT_EQ(Write_Failure(path, bigger), "Cannot write file \"" + path + "\". No space left on device");
    }
    EXPECT_EQ(ReadTestFile(path), Old_Content);
    EXPECT_EQ(Names_In(dir.Path()), "ParGen.xml;");
}

INSTANTIATE_TEST_SUITE_P(Room, FileWriteOnFullDisk, testing::Values(0u, 1u, 4096u, 8191u));

TEST(FileWrite, NewFileOnAFullDiskIsNotCreated)
{
    TempDir dir;
    {
        TDiskFull disk(10);
        EXPECT_NE(Write_Failure(dir.File("bank.bin"), std::string(100, 'b')), "");
    }
    EXPECT_EQ(Names_In(dir.Path()), "");
}

TEST(FileWrite, MissingDirectoryIsReportedWithTheFile)
{
    TempDir dir;
    const std::string path = dir.File("bin/bank.bin");
    EXPECT_EQ(Write_Failure(path, "x"), "Cannot create file \"" + path + "\". No such file or directory");
}

TEST(FileWrite, KeepsPermissionsAndLinks)
{
    TempDir dir;
    WriteTestFile(dir.File("target.xml"), Old_Content);
    ASSERT_EQ(chmod(dir.File("target.xml").c_str(), 0640), 0);
    ASSERT_EQ(symlink("target.xml", dir.File("link.xml").c_str()), 0);

    WriteFileBytes(dir.File("link.xml"), "new");

    struct stat st {};
    ASSERT_EQ(lstat(dir.File("link.xml").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadTestFile(dir.File("target.xml")), "new");
    ASSERT_EQ(stat(dir.File("target.xml").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A write replaces a regular file only: renaming over a FIFO, a directory or (through a
// link) a device would put a file where the system keeps something else.
TEST(FileWrite, RefusesToReplaceAnythingButARegularFile)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0644), 0);
    ASSERT_EQ(symlink("fifo", dir.File("link.xml").c_str()), 0);
    ASSERT_EQ(mkdir(dir.File("folder.xml").c_str(), 0755), 0);
    const struct {
        const char* Name;
        const char* Kind;
    } cases[] = {
        {"fifo", "a FIFO (named pipe)"}, {"link.xml", "a FIFO (named pipe)"}, {"folder.xml", "a directory"}};
    for (const auto& c : cases) {
        const std::string path = dir.File(c.Name);
        EXPECT_EQ(Write_Failure(path, "x"),
                  "Cannot write file \"" + path + "\". It is " + c.Kind + ", not a regular file")
            << c.Name;
    }
    struct stat st {};
    ASSERT_EQ(lstat(dir.File("fifo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(lstat(dir.File("folder.xml").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(Names_In(dir.Path()), "fifo;folder.xml;link.xml;");
}

// A file written in parts replaces the old one at Commit only: until then, and when the
// writer gives up or the disk fills up after some parts went out, the old file stays
// whole and no temporary file is left.
TEST(FileWrite, PartsReplaceTheFileOnlyAtCommit)
{
    TempDir dir;
    const std::string path = dir.File("ParGen.xml");
    WriteTestFile(path, Old_Content);
    const std::string part(3u << 20, 'p');
    {
        TFileReplacement file(path);
        file.Write(part);
        file.Write(part);
        EXPECT_EQ(ReadTestFile(path), Old_Content) << "before Commit";
    }
    EXPECT_EQ(ReadTestFile(path), Old_Content) << "given up";
    EXPECT_EQ(Names_In(dir.Path()), "ParGen.xml;");
    {
        TFileReplacement file(path);
        file.Write(part);
        TDiskFull disk(4096);
        try {
            file.Write(part);
            ADD_FAILURE() << "a full disk must stop the write";
        } catch (const EFCreateError& e) {
            EXPECT_EQ(e.Message(), "Cannot write file \"" + path + "\". No space left on device");
        }
    }
    EXPECT_EQ(ReadTestFile(path), Old_Content) << "disk full";
    EXPECT_EQ(Names_In(dir.Path()), "ParGen.xml;");
    TFileReplacement file(path);
    for (int i = 0; i < 3; ++i)
        file.Write(part);
    file.Write("end");
    file.Commit();
    EXPECT_EQ(ReadTestFile(path), part + part + part + "end");
    EXPECT_EQ(Names_In(dir.Path()), "ParGen.xml;");
}

// A file the user protected stays as it was, whoever writes (the tests run as root, whom
// the system would let through); a file with any write permission is replaced.
TEST(FileWrite, RefusesAFileWithoutWritePermission)
{
    TempDir dir;
    const std::string path = dir.File("ParGen.xml");
    const struct {
        mode_t Mode;
        bool Refused;
    } cases[] = {{0444, true}, {0400, true}, {0555, true}, {0000, true}, {0644, false}, {0464, false}};
    for (const auto& c : cases) {
        WriteTestFile(path, Old_Content);
        ASSERT_EQ(chmod(path.c_str(), c.Mode), 0);
        EXPECT_EQ(Write_Failure(path, "new"),
                  c.Refused ? "Cannot write file \"" + path + "\". The file is read-only" : "")
            << std::oct << c.Mode;
        EXPECT_EQ(ReadTestFile(path), c.Refused ? Old_Content : "new") << std::oct << c.Mode;
        EXPECT_EQ(Names_In(dir.Path()), "ParGen.xml;") << std::oct << c.Mode;
        chmod(path.c_str(), 0644);
    }
}

// A writer killed before its rename leaves its hidden temporary file; the next write of
// the same file removes those of processes that are gone, and nothing else.
TEST(FileWrite, RemovesTheTemporaryFilesOfWritersThatAreGone)
{
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ASSERT_GT(gone, 0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string dead = std::to_string(gone), alive = std::to_string(getpid());

    TempDir dir;
    const std::string kept[] = {".ParGen.xml." + alive + ".7.tmp",    // a writer at work
                                ".Other.xml." + dead + ".1.tmp",      // another file's
                                ".ParGen.xml." + dead + ".x.tmp",     // not a writer's name
                                ".ParGen.xml." + dead + ".1.tmp.bak", // the user's own
                                "ParGen.xml." + dead + ".1.tmp"};
    const std::string removed[] = {".ParGen.xml." + dead + ".1.tmp", ".ParGen.xml." + dead + ".42.tmp"};
    for (const std::string& name : kept)
        WriteTestFile(dir.File(name), "kept");
    for (const std::string& name : removed)
        WriteTestFile(dir.File(name), std::string(1000, 'p'));

    WriteFileBytes(dir.File("ParGen.xml"), "new");

    EXPECT_EQ(ReadTestFile(dir.File("ParGen.xml")), "new");
    for (const std::string& name : kept)
        EXPECT_TRUE(FileExists(dir.File(name))) << name;
    for (const std::string& name : removed)
        EXPECT_FALSE(FileExists(dir.File(name))) << name;
}
