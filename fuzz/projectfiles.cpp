// The project files that come back from disk: ParGen.xml and the rule files, read by the
// communication-parameter window, the image builder and the EDS generator. One input
// plays every file, so that each reader meets the others' files as well as its own.
#include "FuzzInput.h"
#include "artefacts/descriptions/UEds.h"
#include "artefacts/image/UBankImage.h"
#include "workspace/UComon.h"
#include "workspace/UParGenFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzFilePath("ProjectFile.xml");
    static const std::string eds = FuzzFilePath("EtherNetIPMaster_CANopen.eds");
    WriteTestFile(path, FuzzText(data, size));

    TParGen_Data parGen;
    Tolerating([&] { Load_ParGen_File(path, parGen); });
    Tolerating([&] { Build_Bank_Image({path, path, {path, path, path}}); });
    Tolerating([&] { Build_Bank_Image({path, path, {}}); });

    File_PDO_CANopen = path;
    File_SDO_Server_CANopen = path;
    Tolerating([&] { Create_EDS_File(eds); });
    return 0;
}
