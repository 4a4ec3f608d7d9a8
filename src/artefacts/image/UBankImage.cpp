#include "artefacts/image/UBankImage.h"

#include "artefacts/image/UEipTargets.h"
#include "artefacts/image/UReadParGen.h"

std::string Build_Bank_Image(const TBank_Sources& sources)
{
    TGen_Par_Block block;
    TEIP_Targets targets{};
    TCANopen_Tables tables;

    Read_ParGen(sources.ParGen, block);
    block.Set_U32(GenPar::Target_Records_Address, EIP_Slaves_Address);
    Read_EtherNetIP_Slaves(sources.EtherNetIP_Master_Rules, EIP_Slaves_Address, targets, block);
    Read_CANopen_Rules(sources.CANopen, tables);
    for (int table = 0; table < Rule_Table_Count; ++table) {
        block.Set_U32(GenPar::Rule_Counts + 4 * table, tables.Counts[table]);
        block.Set_U32(GenPar::Rule_Table_Addresses + 4 * table, Rule_Table_Address(TRule_Table(table)));
    }

    std::string image;
    image.reserve(EIP_Slaves_Offset +
                  Max_EIP_Targets * (EIP_Slave_Rec_Size + 8 + Max_Key_Values + Max_Segment_Values));
    TImageWriter writer(image);
    Copy_CANopen_Tables(tables, writer);
    block.Seal();
    writer.Bytes(block.Bytes(), Gen_Par_Block_Size);
    Copy_EtherNetIP_Slaves(targets, writer);
    return image;
}
