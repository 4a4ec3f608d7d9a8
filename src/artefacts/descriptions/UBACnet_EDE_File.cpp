#include "artefacts/descriptions/UBACnet_EDE_File.h"

#include <array>

#include "artefacts/descriptions/UDescriptionFiles.h"
#include "grid/foundation/text/CsvText.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

std::vector<TBACnet_EDE_Obj> EDE_Object_List;
std::string EDE_Device_Instance;
bool EDE_Desc_Chars_Limit = false;

namespace {
struct TObject_Type_Name {
    const char* Name;
    int Type;
};

// The data types of the BACnet editor; each type listed here has an instance counter.
const TObject_Type_Name Object_Types[] = {
    {"ANALOG INPUT", 0},        {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},        {"BINARY INPUT", 3},
    {"BINARY OUT", 4},          {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},  {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},  {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},   {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},        {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},     {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};
constexpr size_t Counter_Count = std::size(Object_Types);
std::array<int, Counter_Count> EDE_Instance_Counters{};

// A text that holds the separator, a quote or a line break is quoted, so that a mnemonic
// never shifts the columns of its line.
std::string Safe_Field(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    return "\"" + DoubleQuoteChars(text) + "\"";
}

void Read_Object_Section(const TXMLNode& root, const std::string& section)
{
    const int nameLength = EDE_Desc_Chars_Limit ? 32 : 16;
    For_Each_Row(root, section, [&](const TXMLNode& row) {
        const int type = Get_Object_Type(UpperCase(Trim(row.Attribute("Data_Type"))));
        const std::string mnemonic = row.Attribute("Mnemonic");
        TBACnet_EDE_Obj object;
        object.DevObjInstance = EDE_Device_Instance;
        object.ObjectName = Copy(mnemonic, 1, nameLength);
        object.ObjectType = IntToStr(type);
        object.ObjectInstance = IntToStr(Next_Object_Instance(type));
        object.Keyname = EDE_Device_Instance + "_" + mnemonic + "_" + object.ObjectInstance;
        object.Description = object.ObjectName;
        object.UnitCode = row.Attribute("Eng_Unit");
        EDE_Object_List.push_back(std::move(object));
    });
}
} // namespace

int Get_Object_Type(const std::string& dataType)
{
    for (const TObject_Type_Name& entry : Object_Types)
        if (dataType == entry.Name) return entry.Type;
    return 0;
}

int Next_Object_Instance(int objectType)
{
    for (size_t k = 0; k < Counter_Count; ++k)
        if (Object_Types[k].Type == objectType) return EDE_Instance_Counters[k]++;
    return 0;
}

void Reset_Instance_Counters() { EDE_Instance_Counters.fill(0); }

std::string Get_Time_Stamp(TDateTime value)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, millisecond);
    return Format("%.2d:%.2d:%.2d %.2d/%.2d/%d", {hour, minute, second, day, month, year});
}

void Read_BACnet_Par()
{
    EDE_Device_Instance.clear();
    EDE_Desc_Chars_Limit = false;
    if (!PathExists(File_ParGen)) return;
    TXMLDocument xml;
    xml.LoadFromFile(File_ParGen);
    const TXMLNode root = xml.DocumentElement();
    const bool serial = StrToIntDef(Element_Text(root, "BACnet_Type"), 0) == 1;
    EDE_Device_Instance = Element_Text(root, serial ? "BACnet_Ser_DEV_IDE" : "BACnet_DEV_IDE");
    EDE_Desc_Chars_Limit = Element_Text(root, "BACnet_Desc_Chars_Limit") == "1";
}

void Read_BACnet_Objects()
{
    if (!PathExists(File_BACnet_Slave_SetAccess)) return;
    TXMLDocument xml;
    xml.LoadFromFile(File_BACnet_Slave_SetAccess);
    const TXMLNode root = xml.DocumentElement();
    Read_Object_Section(root, "BACnet_in_Read");
    Read_Object_Section(root, "BACnet_in_Write");
}

void Write_EDE_File(const std::string& fileName)
{
    TStringList lines;
    lines.Add("PROJECT_NAME;" + Safe_Field(" Quorvane--" + Project_Name) + ";;;;;;");
    lines.Add("VERSION_OF_REFERENCEFILE;1.0;;;;;;");
    lines.Add("TIMESTAMP_OF_LAST_CHANGE;" + Get_Time_Stamp(Now()) + ";;;;;;");
    lines.Add("AUTHOR_OF_LAST_CHANGE;Quorvane;;;;;;");
    lines.Add("VERSION_OF_LAYOUT;2;;;;;;");
    lines.Add("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;");
    lines.Add(
        "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;");
    for (const TBACnet_EDE_Obj& object : EDE_Object_List) {
        std::string line;
        for (const std::string* field :
             {&object.Keyname, &object.DevObjInstance, &object.ObjectName, &object.ObjectType,
              &object.ObjectInstance, &object.Description, &object.UnitCode})
            line += Safe_Field(*field) + ";";
        lines.Add(line);
    }
    lines.SaveToFile(fileName, TTextEncoding::ANSI);
}

void Build_EDE_File(const std::string& fileName)
{
    EDE_Object_List.clear();
    Reset_Instance_Counters();
    Read_BACnet_Par();
    Read_BACnet_Objects();
    Write_EDE_File(fileName);
    EDE_Object_List.clear();
}

void Create_BACnet_EDE(const std::string& fileName) { Build_EDE_File(fileName); }
