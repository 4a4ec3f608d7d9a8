#include "editors/ethernetip/EdsIdentity.h"

#include "editors/ethernetip/EdsDocument.h"
#include "platform/rtl/SysUtils.h"

bool TEdsIdentity::IsKnown() const
{
    return VendCode != 0 || ProdType != 0 || ProdCode != 0 || MajRev != 0 || MinRev != 0;
}

std::string TEdsIdentity::ElectronicKeyText() const
{
    // The major revision has seven bits; the eighth asks the target for a compatible match.
    const int bytes[] = {VendCode & 0xFF, VendCode >> 8, ProdType & 0xFF,        ProdType >> 8,
                         ProdCode & 0xFF, ProdCode >> 8, 0x80 | (MajRev & 0x7F), MinRev};
    std::string text;
    for (const int byte : bytes) {
        if (!text.empty()) text += ", ";
        text += "0x" + IntToHex(byte, 2);
    }
    return text;
}

int32_t GetDeviceValue(const TEdsSection* device, const std::string& key)
{
    const TEdsEntry* entry = device ? device->Find(key) : nullptr;
    return entry ? StrToIntDef(entry->Value, 0) : 0;
}

TEdsIdentity ReadDeviceIdentity(const TEdsDocument& eds)
{
    const TEdsSection* device = eds.Section("Device");
    TEdsIdentity identity;
    identity.VendCode = static_cast<uint16_t>(GetDeviceValue(device, "VendCode"));
    identity.ProdType = static_cast<uint16_t>(GetDeviceValue(device, "ProdType"));
    identity.ProdCode = static_cast<uint16_t>(GetDeviceValue(device, "ProdCode"));
    identity.MajRev = static_cast<uint8_t>(GetDeviceValue(device, "MajRev"));
    identity.MinRev = static_cast<uint8_t>(GetDeviceValue(device, "MinRev"));
    return identity;
}
