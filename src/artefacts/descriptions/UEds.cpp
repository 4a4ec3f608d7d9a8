#include "artefacts/descriptions/UEds.h"

#include "artefacts/descriptions/UEdsBlocks.h"
#include "artefacts/descriptions/UEdsPdo.h"
#include "artefacts/descriptions/UEdsRules.h"
#include "artefacts/descriptions/UEdsStamp.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

namespace {
const std::string EDS_File_Name = "EtherNetIPMaster_CANopen.eds";
const std::string EDS_Product_Description = "EtherNet/IP Master / CANopen - Converter";
const std::string EDS_Product_Number = "605";
const std::string EDS_Order_Code = "GW30605";

// The communication objects every converter has, listed under [OptionalObjects] before the PDOs.
const int EDS_Fixed_Optional_Objects[] = {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280};

// "SupportedObjects=" and one numbered line per object index.
std::vector<std::string> Object_List(const std::vector<int>& indexes)
{
    std::vector<std::string> lines{"SupportedObjects=" + IntToStr(static_cast<int64_t>(indexes.size()))};
    for (size_t k = 0; k < indexes.size(); ++k)
        lines.push_back(IntToStr(k + 1) + "=" + EDS_Hex(indexes[k], 4));
    return lines;
}

void Write_Header_Blocks(TEdsBlockWriter& writer, const std::string& date, const std::string& time)
{
    writer.Block("FileInfo", {"FileName=" + EDS_File_Name, "FileVersion=1", "FileRevision=0",
                              "EDSVersion=4.0", "Description=" + EDS_Product_Description,
                              "CreationTime=" + time, "CreationDate=" + date, "CreatedBy=Quorvane",
                              "ModificationTime=" + time, "ModificationDate=" + date, "ModifiedBy=Quorvane"});
    writer.Block("DeviceInfo", {"VendorName=Quorvane",
                                "VendorNumber=0x00",
                                "ProductName=" + EDS_Product_Description,
                                "ProductNumber=" + EDS_Product_Number,
                                "RevisionNumber=0x0",
                                "OrderCode=" + EDS_Order_Code,
                                "BaudRate_10=1",
                                "BaudRate_20=1",
                                "BaudRate_50=1",
                                "BaudRate_125=1",
                                "BaudRate_250=1",
                                "BaudRate_500=1",
                                "BaudRate_800=0",
                                "BaudRate_1000=1",
                                "DynamicChannelsSupported=0",
                                "GroupMessaging=0",
                                "LSS_Supported=0",
                                "Granularity=0",
                                "SimpleBootUpSlave=1",
                                "SimpleBootUpMaster=0",
                                "NrOfRXPDO=" + IntToStr(EDS_RPDO_Count),
                                "NrOfTXPDO=" + IntToStr(EDS_TPDO_Count)});
    writer.Block("Comments", {"Lines=0"});
    writer.Block("DummyUsage", {"Dummy0001=0", "Dummy0002=0", "Dummy0003=0", "Dummy0004=0", "Dummy0005=0",
                                "Dummy0006=0", "Dummy0007=0"});
    writer.Block("MandatoryObjects", Object_List({0x1000, 0x1001, 0x1018}));

    std::vector<int> optional(std::begin(EDS_Fixed_Optional_Objects), std::end(EDS_Fixed_Optional_Objects));
    for (int index : PDO_Object_Indexes())
        optional.push_back(index);
    writer.Block("OptionalObjects", Object_List(optional));

    std::vector<int> manufacturer;
    for (const SDO_Index& entry : SDO_Indexes)
        manufacturer.push_back(entry.Index);
    writer.Block("ManufacturerObjects", Object_List(manufacturer));
}

void Write_Fixed_Objects(TEdsBlockWriter& writer)
{
    const std::string& u8 = EDS_UNSIGNED8;
    const std::string& u16 = EDS_UNSIGNED16;
    const std::string& u32 = EDS_UNSIGNED32;
    writer.Variable("1000", "Device Type", u32, "const", "0x000101A4");
    writer.Variable("1001", "Error Register", u8, "ro", "0x00");
    writer.Variable("1005", "COB-ID SYNC", u32, "rw", "0x80000080");
    writer.Variable("1006", "Communication Cycle Period", u32, "rw", "0x00000000");
    writer.Variable("1008", "Manufacturer Device Name", EDS_VISIBLE_STRING, "const", "s1");
    writer.Variable("1014", "COB-ID EMCY", u32, "ro", "$NODEID+0x80");
    writer.Object("1016", 3, "Heartbeat Consumer Entries", "0x08");
    writer.Variable("1016sub0", "Number of Entries", u8, "ro", "0x02");
    writer.Variable("1016sub1", "Consumer Heartbeat Time 1", u32, "rw", "0x00000000");
    writer.Variable("1016sub2", "Consumer Heartbeat Time 2", u32, "rw", "0x00000000");
    writer.Variable("1017", "Producer Heartbeat Time", u16, "rw", "0x000003E8");
    writer.Object("1018", 5, "Identity Object", "0x09");
    writer.Variable("1018sub0", "number of entries", u8, "ro", "0x4");
    writer.Variable("1018sub1", "Vendor Id", u32, "ro", "");
    writer.Variable("1018sub2", "Product Code", u32, "ro", "");
    writer.Variable("1018sub3", "Revision number", u32, "ro", "");
    writer.Variable("1018sub4", "Serial number", u32, "ro", "");
    writer.Object("1029", 2, "Error Behaviour", "0x08");
    writer.Variable("1029sub0", "Number of Entries", u8, "ro", "1");
    writer.Variable("1029sub1", "Communication Error", u8, "rw", "0x0");
    writer.Object("1280", 4, "Client SDO Parameter 1", "0x09");
    writer.Variable("1280sub0", "Number of Entries", u8, "ro", "0x03");
    writer.Variable("1280sub1", "COB-ID Client -> Server", u32, "rw", "");
    writer.Variable("1280sub2", "COB-ID Server -> Client", u32, "rw", "");
    writer.Variable("1280sub3", "Node ID of the SDO Server", u8, "rw", "");
}

// The value range of an application variable follows its size: 1 byte, 2 bytes, else 4 bytes.
// ObjectType is written as the record's entries write it, or as a variable object.
std::vector<std::string> Application_Variable_Lines(const SDO_Sub_Type& entry,
                                                    const std::string& ObjectType = "0x7")
{
    const int digits = entry.Quantity == 1 ? 2 : entry.Quantity == 2 ? 4 : 8;
    const std::string& dataType = digits == 2 ? EDS_UNSIGNED8 : digits == 4 ? EDS_UNSIGNED16 : EDS_UNSIGNED32;
    return {"ParameterName=Application Variable",
            "ObjectType=" + ObjectType,
            "DataType=" + dataType,
            "LowLimit=" + EDS_Hex(0, digits),
            "HighLimit=0x" + StringOfChar('F', digits),
            "DefaultValue=" + EDS_Hex(0, digits),
            entry.Readonly ? "AccessType=ro" : "AccessType=rw",
            "PDOMapping=0"};
}

// One record per index of the SDO server rules; when the rules leave sub-index 0 out, a
// generated one tells the largest sub-index. An index read at sub-index 0 alone is a plain
// variable: in CANopen, sub-index 0 of a record counts its entries and is an UNSIGNED8, so
// tools refuse a record whose only entry is a value of its own at sub-index 0.
void Write_Application_Variables(TEdsBlockWriter& writer)
{
    for (const SDO_Index& entry : SDO_Indexes) {
        const std::vector<SDO_Sub_Type>& subs = entry.Sub_Indexs;
        if (subs.size() == 1 && subs.front().Sub == 0) {
            writer.Block(EDS_Object(entry.Index), Application_Variable_Lines(subs.front(), "0x07"));
            continue;
        }
        const bool hasSubZero = subs.front().Sub == 0;
        const int subNumber = static_cast<int>(subs.size()) + (hasSubZero ? 0 : 1);
        writer.Block(EDS_Object(entry.Index),
                     {"SubNumber=" + IntToStr(subNumber), "ParameterName=App Vars", "ObjectType=0x9"});
        if (!hasSubZero)
            writer.Block(EDS_Sub_Object(entry.Index, 0),
                         {"ParameterName=Largest Sub-Index supported", "ObjectType=0x7",
                          "DataType=" + EDS_UNSIGNED8, "AccessType=ro",
                          "DefaultValue=" + EDS_Hex(subs.back().Sub, 2), "PDOMapping=0"});
        for (const SDO_Sub_Type& sub : subs)
            writer.Block(EDS_Sub_Object(entry.Index, sub.Sub), Application_Variable_Lines(sub));
    }
}
} // namespace

void Create_EDS_File(const std::string& fileName)
{
    SDO_Indexes.clear();
    Read_PDO_Rules();
    Read_SDO_Server_Rules();
    Sort_Sub_Indexs();

    const TDateTime now = Now();
    const std::string date = EDS_Date_Text(now);
    const std::string time = EDS_Time_Text(now);

    TStringList lines;
    TEdsBlockWriter writer(lines);
    Write_Header_Blocks(writer, date, time);
    Write_Fixed_Objects(writer);
    Write_PDO_Objects(writer);
    Write_Application_Variables(writer);
    lines.Add("");
    lines.SaveToFile(fileName, TTextEncoding::ANSI);
}
