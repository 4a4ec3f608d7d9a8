#include "artefacts/image/UReadParGen.h"

#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"

namespace {
int32_t Element_Int(const TXMLNode& root, const std::string& name, int32_t def)
{
    const TXMLNode element = root.FindNode(name);
    return element ? StrToIntDef(element.Text(), def) : def;
}

bool Element_Is_On(const TXMLNode& root, const std::string& name)
{
    const TXMLNode element = root.FindNode(name);
    return element && element.Text() == "1";
}

// The four elements prefix1 to prefix4; an octet keeps the low 8 bits of its number.
TOctets Element_Octets(const TXMLNode& root, const std::string& prefix, const TOctets& defaults)
{
    TOctets octets{};
    for (int i = 0; i < 4; ++i)
        octets[i] = static_cast<uint8_t>(Element_Int(root, prefix + std::to_string(i + 1), defaults[i]));
    return octets;
}

uint32_t Bit_Rate_Of_Index(int32_t index)
{
    static const uint32_t rates[] = {10000, 20000, 50000, 100000, 125000, 250000, 500000, 800000, 1000000};
    return index >= 0 && index < 9 ? rates[index] : 1000000;
}

void Store_Address(TGen_Par_Block& block, int offset, int copyOffset, const TOctets& octets)
{
    block.Set_Octets(offset, octets);
    block.Set_Octets(copyOffset, octets);
}
} // namespace

void Read_ParGen(const std::string& path, TGen_Par_Block& block)
{
    if (!PathExists(path)) return;
    TXMLDocument document;
    document.LoadFromFile(path);
    const TXMLNode root = document.DocumentElement();

    Store_Address(block, GenPar::Master_IP, GenPar::Master_IP_Copy,
                  Element_Octets(root, "EtherNetIP_Master_IP", {192, 168, 0, 5}));
    Store_Address(block, GenPar::Master_Subnet_Mask, GenPar::Master_Subnet_Mask_Copy,
                  Element_Octets(root, "EtherNetIP_Master_SM", {255, 255, 255, 0}));
    const TOctets noGateway{255, 255, 255, 255};
    Store_Address(block, GenPar::Master_Gateway, GenPar::Master_Gateway_Copy,
                  Element_Is_On(root, "EtherNetIP_Master_EN_GAT")
                      ? Element_Octets(root, "EtherNetIP_Master_GAT", {192, 168, 0, 1})
                      : noGateway);

    block.Set_U32(GenPar::Node_Id, static_cast<uint32_t>(Element_Int(root, "CANopen_IDDev", 1)));
    block.Set_U32(GenPar::Bit_Rate, Bit_Rate_Of_Index(Element_Int(root, "CANopen_BAUDRATE", 8)));
    const uint32_t flags = (Element_Is_On(root, "CANopen_Set_Operational") ? 1u : 0u) |
                           (Element_Is_On(root, "CANopen_Network_Start") ? 2u : 0u);
    block.Set_U32(GenPar::Startup_Flags, flags);
    block.Set_U32(GenPar::Network_Start_Delay,
                  static_cast<uint32_t>(Element_Int(root, "CANopen_Delay", 10)) * 1000u);
    block.Set_U32(GenPar::SDO_Client_TimeOut,
                  static_cast<uint32_t>(Element_Int(root, "CANopen_SDO_TimeOut", 10000)));
}
