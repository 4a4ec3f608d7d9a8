#include "artefacts/descriptions/UProfibus_GSD.h"

#include <algorithm>

#include "artefacts/descriptions/UDescriptionFiles.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

int32_t GSD_NB_IN = 0;
int32_t GSD_NB_OUT = 0;

namespace {
const std::string GSD_Model = "GW30584";
// A DP module carries at most 64 bytes; its length byte holds the byte count less one.
constexpr int32_t GSD_Module_Bytes = 64;
constexpr int GSD_Box_Width = 85;
// The module number is one byte of the identifier; a list longer than that would repeat
// numbers, and absurd lengths from a damaged parameter file would write gigabytes.
constexpr int32_t GSD_Max_Modules = 255;

// Builds the lines of the file; Empty(n) adds n empty lines.
class TGsdLines {
public:
    TStringList Lines;

    void Add(const std::string& line) { Lines.Add(line); }
    void Add(std::initializer_list<const char*> lines)
    {
        for (const char* line : lines)
            Lines.Add(line);
    }
    void Empty(int count)
    {
        for (int k = 0; k < count; ++k)
            Lines.Add("");
    }
    // A line of the banner box: the text padded to the box's width between ";*" and "*".
    void Box(const std::string& text)
    {
        Add(";*" + text + StringOfChar(' ', GSD_Box_Width - 3 - Length(text)) + "*");
    }
    // A contact line of the banner: the label and its value from column 13.
    void Contact(const std::string& label, const std::string& value)
    {
        const std::string head = " " + label;
        Box(head + StringOfChar(' ', 10 - Length(head)) + value);
    }
    // A titled section: bar, title line and bar of the given width, then one empty line.
    void Section(const std::string& title, int width)
    {
        const std::string bar = ";" + StringOfChar('=', width - 1);
        const std::string head = ";==== " + title + " ";
        Add(bar);
        Add(head + StringOfChar('=', width - Length(head)));
        Add(bar);
        Empty(1);
    }
};

void Write_Banner(TGsdLines& gsd)
{
    gsd.Add(";");
    gsd.Add(";*********************** PROFIBUS Slave / MQTT - Converter **************************");
    const std::string rule = StringOfChar('=', GSD_Box_Width - 3);
    gsd.Box(rule);
    gsd.Box("");
    gsd.Contact("Vendor:", Maker_Contact.Organisation);
    gsd.Contact("", Maker_Contact.Street);
    gsd.Contact("", Maker_Contact.Postal_Town);
    gsd.Contact("", Maker_Contact.Province + " - " + Maker_Contact.Country);
    gsd.Contact("Tel. :", Maker_Contact.Phone);
    gsd.Contact("FAX. :", Maker_Contact.Fax);
    gsd.Contact("eMail:", Maker_Contact.Mail);
    gsd.Box("");
    gsd.Box(rule);
    gsd.Box("");
    gsd.Add(";* Function:       EtherNet/IP Master / PROFIBUS Slave - Converter                  *");
    gsd.Box("");
    gsd.Box("");
    gsd.Box(" Order Number : " + GSD_Model);
    gsd.Box("");
    gsd.Box("");
    gsd.Add(";" + StringOfChar('*', GSD_Box_Width - 1));
    gsd.Empty(2);
}

void Write_Parameter_Texts(TGsdLines& gsd)
{
    gsd.Section("Prm-Text-Def-List", 85);
    gsd.Add({"PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText"});
    gsd.Empty(1);
    gsd.Add({"PrmText  = 2", "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText"});
    gsd.Empty(1);
    gsd.Add("PrmText  = 3");
    for (int k = 1; k <= 5; ++k)
        gsd.Add("Text(" + IntToStr(k) + ")  = \"" + IntToStr(k * 10) + "\"");
    gsd.Add("EndPrmText");
    gsd.Empty(2);
}

void Write_User_Parameters(TGsdLines& gsd)
{
    struct Definition {
        const char* head;
        std::initializer_list<const char*> body;
    };
    const Definition definitions[] = {
        {"ExtUserPrmData=1 \"[SlotNumber]\"", {"Unsigned8 0 0-32"}},
        {"ExtUserPrmData=2 \"Diagnostic Alarm\"", {"Bit(0) 0 0-1", "Prm_Text_Ref=1"}},
        {"ExtUserPrmData=3 \"Process Alarm\"", {"Bit(1) 0 0-1", "Prm_Text_Ref=1"}},
        {"ExtUserPrmData=4 \"Counter mode\"", {"Unsigned8 0 0-1", "Prm_Text_Ref=2"}},
        {"ExtUserPrmData=5 \"Counter timebase (ms)\"", {"Unsigned8 1 1-5", "Prm_Text_Ref=3"}},
        {"ExtUserPrmData=6 \"Counter high-limit\"", {"Unsigned16 65535 0-65535"}},
        {"ExtUserPrmData=7 \"Counter low-limit\"", {"Unsigned16 0 0-65535"}},
    };
    gsd.Section("Ext-User-Prm-Data-Def-List", 86);
    for (const Definition& definition : definitions) {
        gsd.Add(definition.head);
        gsd.Add(definition.body);
        gsd.Add("EndExtUserPrmData");
        gsd.Empty(1);
    }
    gsd.Empty(1);
}

void Write_Keywords(TGsdLines& gsd)
{
    gsd.Section("General DP Keywords", 86);
    gsd.Add({"GSD_Revision = 5", "Vendor_Name = \"Quorvane\"", "Model_Name = \"GW30584\"",
             "Revision = \"1.00\"", "Ident_Number = 0xC3D5", "Protocol_Ident = 0", "Station_Type = 0",
             "FMS_supp = 0", "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0",
             "Repeater_Ctrl_Sig = 2", "24V_Pins = 0"});
    gsd.Empty(2);
    gsd.Section("Supported baudrates", 79);
    gsd.Add({"9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1",
             "500_supp = 1", "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1"});
    gsd.Empty(1);
    gsd.Add({"MaxTsdr_9.6=15", "MaxTsdr_19.2=15", "MaxTsdr_45.45=15", "MaxTsdr_93.75=15", "MaxTsdr_187.5=15",
             "MaxTsdr_500=15", "MaxTsdr_1.5M=20", "MaxTsdr_3M=35", "MaxTsdr_6M=50", "MaxTsdr_12M=95"});
    gsd.Empty(2);
}

int32_t Module_Count(int32_t bytes) { return bytes <= 0 ? 0 : (bytes - 1) / GSD_Module_Bytes + 1; }

// The bytes that the modules of one direction carry when its first module has number
// First: the list stops at the last module number, and the lengths the file states are
// those of the modules it lists, so that it never contradicts itself.
int64_t Written_Bytes(int32_t bytes, int32_t First)
{
    const int64_t room = static_cast<int64_t>(std::max(0, GSD_Max_Modules - First + 1)) * GSD_Module_Bytes;
    return std::clamp<int64_t>(bytes, 0, room);
}

void Write_Slave_Values(TGsdLines& gsd, int32_t modules)
{
    gsd.Section("Slave specific values", 79);
    gsd.Add({"OrderNumber=\"GW30584\"", "Slave_Family = 9@Quorvane@GW30584",
             "Implementation_Type = \"VPC3+\"",
             "Info_Text=\"Quorvane: EtherNet/IP Master / PROFIBUS Slave - Converter\"",
             "Bitmap_Device = \"DPV0_1N\"", "Bitmap_SF=\"DPV0_1S\""});
    gsd.Empty(1);
    gsd.Add({"Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1",
             "Set_Slave_Add_supp=0"});
    gsd.Empty(1);
    gsd.Add("Min_Slave_Intervall=6");
    gsd.Empty(1);
    gsd.Add("Modular_Station=1");
    gsd.Add("Max_Module=" + IntToStr(modules));
    gsd.Add("Modul_Offset=1");
    const int64_t input = Written_Bytes(GSD_NB_OUT, 1);
    const int64_t output = Written_Bytes(GSD_NB_IN, 1 + std::min(Module_Count(GSD_NB_OUT), GSD_Max_Modules));
    gsd.Add("Max_Input_Len=" + IntToStr(input));
    gsd.Add("Max_Output_Len=" + IntToStr(output));
    gsd.Add("Max_Data_Len=" + IntToStr(input + output));
    gsd.Add("Max_Diag_Data_Len=15");
    gsd.Empty(1);
    gsd.Add({"WD_Base_1ms_supp = 1", "Publisher_supp = 1"});
    gsd.Empty(1);
}

// The user parameters and the diagnostic areas of the two slots.
void Write_Parameters_And_Diagnostics(TGsdLines& gsd)
{
    gsd.Section("User-Prm-Data", 79);
    gsd.Add({"Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00"});
    gsd.Empty(1);
    gsd.Section("Modulstatus", 79);
    for (int slot = 1; slot <= 2; ++slot) {
        const std::string area = IntToStr(22 + 2 * slot) + " - " + IntToStr(23 + 2 * slot);
        const std::string name = "\"Slot " + IntToStr(slot) + ": ";
        gsd.Add("Unit_Diag_Area = " + area);
        gsd.Add("Value(1)= " + name + "Module error\"");
        gsd.Add("Value(2)= " + name + "Wrong module\"");
        gsd.Add("Value(3)= " + name + "No module\"");
        gsd.Add("Unit_Diag_Area_End");
    }
    gsd.Empty(2);
}

// The modules of one direction, numbered on from r: full 64-byte modules, then the rest.
void Write_Modules(TGsdLines& gsd, const std::string& kind, int identifier, int32_t bytes, int32_t& r)
{
    for (int32_t rest = bytes; rest > 0 && r <= GSD_Max_Modules; rest -= GSD_Module_Bytes) {
        const int32_t length = rest < GSD_Module_Bytes ? rest : GSD_Module_Bytes;
        gsd.Add("Module=\"" + kind + "  (PORT" + IntToStr(r) + ")    \" 0x" + IntToHex(identifier, 2) +
                ",0x" + IntToHex(length - 1, 2) + ",0x00,0x" + IntToHex(r, 2));
        gsd.Add(IntToStr(r));
        gsd.Add("EndModule");
        ++r;
    }
}

void Write_Module_List(TGsdLines& gsd, int32_t modules)
{
    gsd.Section("Module-Definition-List", 79);
    int32_t r = 1;
    Write_Modules(gsd, "DI", 0x42, GSD_NB_OUT, r);
    Write_Modules(gsd, "DO", 0x82, GSD_NB_IN, r);
    gsd.Empty(3);
    gsd.Add("SlotDefinition");
    for (int32_t s = 1; s <= modules; ++s) {
        const std::string number = IntToStr(s);
        gsd.Add("Slot(" + number + ") = \"Slot " + number + "\" " + number + " " + number);
    }
    gsd.Add("EndSlotDefinition");
    gsd.Empty(4);
}

int32_t Read_Length(const TXMLNode& root, const std::string& name)
{
    return StrToIntDef(Element_Text(root, name), 0);
}
} // namespace

std::string GSD_File_Name(const std::string& chosen)
{
    const size_t found = LowerCase(chosen).find(".gsd");
    return found != std::string::npos && found + 4 == chosen.size() ? chosen : chosen + ".gsd";
}

void Write_GSD_File(const std::string& path)
{
    const int32_t modules = std::min(Module_Count(GSD_NB_OUT) + Module_Count(GSD_NB_IN), GSD_Max_Modules);
    TGsdLines gsd;
    Write_Banner(gsd);
    gsd.Add("#Profibus_DP");
    gsd.Empty(2);
    Write_Parameter_Texts(gsd);
    Write_User_Parameters(gsd);
    Write_Keywords(gsd);
    Write_Slave_Values(gsd, modules);
    Write_Parameters_And_Diagnostics(gsd);
    Write_Module_List(gsd, modules);
    gsd.Lines.SaveToFile(path, TTextEncoding::ANSI);
}

void Create_PROFIBUS_GSD()
{
    if (!PathExists(File_ParGen)) {
        MessageDlg(Lang_Table[1104], mtError, {mbOK}, 0);
        return;
    }
    {
        TXMLDocument xml;
        xml.LoadFromFile(File_ParGen);
        const TXMLNode root = xml.DocumentElement();
        GSD_NB_IN = Read_Length(root, "PROFINET_NB_IN");
        GSD_NB_OUT = Read_Length(root, "PROFINET_NB_OUT");
    }
    const std::optional<std::string> chosen = Ask_Save_Path("Generic Station Description (*.gsd)|*.gsd");
    if (!chosen) return;
    const std::string name = GSD_File_Name(*chosen);
    if (!May_Replace_File(name, 1103)) return;
    Write_GSD_File(name);
}
