#include "app/window/UStepFiles.h"

#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

std::string EDE_File_Name(const std::string& chosen)
{
    const std::string ending = Copy(chosen, Length(chosen) - 3, 4);
    return SameText(ending, ".csv") ? chosen : chosen + ".csv";
}

int Get_Type_BACnet()
{
    if (!PathExists(File_ParGen)) return 0;
    try {
        TXMLDocument doc;
        doc.LoadFromFile(File_ParGen);
        const TXMLNode root = doc.DocumentElement();
        if (!root) return 0;
        return StrToIntDef(root.Child("BACnet_Type").Text(), 0);
    } catch (const Exception&) {
        return 0;
    }
}
