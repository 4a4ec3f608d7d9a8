#include <gtest/gtest.h>

#include "app/window/UStepFiles.h"
#include "support/TestFiles.h"
#include "workspace/UComon.h"
#include "workspace/UProjects.h"

TEST(EdeFileName, AppendsCsvUnlessTheLastFourCharactersAreIt)
{
    const std::pair<const char*, const char*> cases[] = {{"plant.CSV", "plant.CSV"},
                                                         {"plant.csv", "plant.csv"},
                                                         {"plant.Csv", "plant.Csv"},
                                                         {"plant", "plant.csv"},
                                                         {"plant.csv.bak", "plant.csv.bak.csv"},
                                                         {"csv", "csv.csv"},
                                                         {"", ".csv"},
                                                         {"\xC3\xA4.csv", "\xC3\xA4.csv"},
                                                         {"\xC3\xA4"
                                                          "csv",
                                                          "\xC3\xA4"
                                                          "csv.csv"}};
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(EDE_File_Name(chosen), expected) << chosen;
}

TEST(GetTypeBACnet, ReadsTheElementUnderTheRootElseZero)
{
    TempDir dir;
    Project_Dir = dir.Path();
    Set_Files();
    EXPECT_EQ(Get_Type_BACnet(), 0) << "no file";
    const std::pair<const char*, int> cases[] = {
        {"<!-- v --><Par_Gen><BACnet_Type>3</BACnet_Type></Par_Gen>", 3},
        {"<Par_Gen><BACnet_Type>x</BACnet_Type></Par_Gen>", 0},
        {"<Par_Gen><Other>3</Other></Par_Gen>", 0},
        {"<Par_Gen><BACnet_Type>3</Par_Gen>", 0}};
    for (const auto& [xml, expected] : cases) {
        WriteTestFile(File_ParGen, xml);
        EXPECT_EQ(Get_Type_BACnet(), expected) << xml;
    }
    Project_Dir.clear();
    Set_Files();
}
