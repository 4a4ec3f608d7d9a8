#include "artefacts/image/USaveBincc.h"

#include "artefacts/image/UBankImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "workspace/UComon.h"

std::string Bank_Image;

void Compile_Bank()
{
    // Emptied first: a build that fails must leave no earlier image for Save_Bank to write.
    Bank_Image.clear();
    Bank_Image = Build_Bank_Image({File_ParGen,
                                   File_EtherNetIP_Master_Rules,
                                   {File_SDO_Server_CANopen, File_SDO_Client_CANopen, File_PDO_CANopen}});
}

void Save_Bank()
{
    if (Bank_Image.empty()) throw EInOutError("The configuration image has not been built.");
    WriteFileBytes(Project_Dir + "/bin/bank.bin", Bank_Image);
}
