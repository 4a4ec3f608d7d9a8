#include <gtest/gtest.h>

#include "platform/db/MdbQuery.h"
#include "platform/zip/ZipArchive.h"
#include "support/HostileFiles.h"
#include "support/TestFiles.h"

// The readers whose libraries open files themselves (zip archives of the office documents,
// desktop databases) refuse at once what is no regular file, as every other reader does,
// instead of waiting on a FIFO or reading a device without end.
TEST(LibraryReaders, RefuseWhatIsNoFileAndNameIt)
{
    TempDir dir;
    const std::string path = dir.File("book.xlsx");
    for (const THostileEntry& entry : Hostile_Entries()) {
        entry.Place(path);
        EXPECT_EQ(Read_Refusal([&] { TZipArchive::LoadFromFile(path); }), Refusal_Text(path, entry))
            << entry.Name;
        EXPECT_EQ(Read_Refusal([&] { RunMdbQuery(path, "select * from t"); }), Refusal_Text(path, entry))
            << entry.Name;
    }
}
