#include "artefacts/descriptions/UEdsPdo.h"

#include <functional>

#include "platform/rtl/SysUtils.h"

const EDS_PDO_Var_Names EDS_RPDO_Var_Names = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                              "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                              "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const EDS_PDO_Var_Names EDS_TPDO_Var_Names = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                              "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                              "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

namespace {
// What tells the receive objects from the transmit objects.
struct TPdoDirection {
    const EDS_PDO_Table& Table;
    int Count;
    int Communication_Base;
    std::string Communication_Name;
    int Mapping_Base;
    std::string Mapping_Name;
    bool Mapping_Numbered;
    int Array_Base;
    std::string Array_Name;
    const EDS_PDO_Var_Names& Var_Names;
    std::string Array_Count_Access;
    std::string Variable_Access;
};

TPdoDirection Receive()
{
    return {EDS_RPDO_Table, EDS_RPDO_Count,
            0x1400,         "Receive PDO Communication Parameter ",
            0x1600,         "Receive PDO Mapping Parameter",
            false,          0x7000,
            "RPDO",         EDS_RPDO_Var_Names,
            "ro",           "rww"};
}

TPdoDirection Transmit()
{
    return {EDS_TPDO_Table, EDS_TPDO_Count,
            0x1800,         "Transmit PDO Communication Parameter ",
            0x1A00,         "Transmit PDO Mapping Parameter ",
            true,           0x7050,
            "TPDO",         EDS_TPDO_Var_Names,
            "rw",           "rwr"};
}

void Write_Communication(TEdsBlockWriter& writer, const TPdoDirection& pdo)
{
    for (int i = 0; i < pdo.Count; ++i) {
        const int index = pdo.Communication_Base + i;
        writer.Object(EDS_Object(index), 4, pdo.Communication_Name + IntToStr(i + 1), "0x09");
        writer.Variable(EDS_Sub_Object(index, 0), "Number of Entries", EDS_UNSIGNED8, "ro", "0x03");
        writer.Variable(EDS_Sub_Object(index, 1), "COB-ID", EDS_UNSIGNED32, "rw",
                        EDS_Hex(pdo.Table[i].COB_ID, 8));
        writer.Variable(EDS_Sub_Object(index, 2), "Transmission Type", EDS_UNSIGNED8, "rw", "0xFE");
        writer.Variable(EDS_Sub_Object(index, 3), "Inhibit Time", EDS_UNSIGNED16, "rw", "0x0");
    }
}

// An object whose sub-index 0 counts its `dimension` entries, one per data byte.
void Write_Byte_Object(TEdsBlockWriter& writer, int index, int dimension, const std::string& name,
                       const std::string& objectType, const std::string& countAccess,
                       const std::function<void(const std::string& section, int byte)>& writeEntry)
{
    writer.Object(EDS_Object(index), dimension + 1, name, objectType);
    writer.Variable(EDS_Sub_Object(index, 0), "Number of Entries", EDS_UNSIGNED8, countAccess,
                    EDS_Hex(dimension, 2));
    for (int j = 1; j <= dimension; ++j)
        writeEntry(EDS_Sub_Object(index, j), j);
}

void Write_Mapping(TEdsBlockWriter& writer, const TPdoDirection& pdo)
{
    for (int i = 0; i < pdo.Count; ++i) {
        const std::string name = pdo.Mapping_Name + (pdo.Mapping_Numbered ? IntToStr(i + 1) : "");
        const int arrayIndex = pdo.Array_Base + i;
        Write_Byte_Object(writer, pdo.Mapping_Base + i, pdo.Table[i].Dimension, name, "0x09", "ro",
                          [&](const std::string& section, int j) {
                              const std::string mapped = EDS_Hex(arrayIndex, 4) + IntToHex(j, 2) + "08";
                              writer.Variable(section, "Mapping Entry " + IntToStr(j), EDS_UNSIGNED32, "ro",
                                              mapped);
                          });
    }
}

void Write_Arrays(TEdsBlockWriter& writer, const TPdoDirection& pdo)
{
    for (int i = 0; i < pdo.Count; ++i) {
        const std::string varName = pdo.Var_Names[i];
        Write_Byte_Object(writer, pdo.Array_Base + i, pdo.Table[i].Dimension,
                          pdo.Array_Name + IntToStr(i + 1), "0x08", pdo.Array_Count_Access,
                          [&](const std::string& section, int j) {
                              writer.Variable(section, varName + IntToStr(j), EDS_UNSIGNED8,
                                              pdo.Variable_Access, "0x00", 1);
                          });
    }
}

void Add_Indexes(std::vector<int>& indexes, int base, int count)
{
    for (int i = 0; i < count; ++i)
        indexes.push_back(base + i);
}
} // namespace

std::vector<int> PDO_Object_Indexes()
{
    const TPdoDirection receive = Receive();
    const TPdoDirection transmit = Transmit();
    std::vector<int> indexes;
    Add_Indexes(indexes, receive.Communication_Base, receive.Count);
    Add_Indexes(indexes, receive.Mapping_Base, receive.Count);
    Add_Indexes(indexes, transmit.Communication_Base, transmit.Count);
    Add_Indexes(indexes, transmit.Mapping_Base, transmit.Count);
    Add_Indexes(indexes, receive.Array_Base, receive.Count);
    Add_Indexes(indexes, transmit.Array_Base, transmit.Count);
    return indexes;
}

void Write_PDO_Objects(TEdsBlockWriter& writer)
{
    const TPdoDirection receive = Receive();
    const TPdoDirection transmit = Transmit();
    Write_Communication(writer, receive);
    Write_Mapping(writer, receive);
    Write_Communication(writer, transmit);
    Write_Mapping(writer, transmit);
    Write_Arrays(writer, receive);
    Write_Arrays(writer, transmit);
}
