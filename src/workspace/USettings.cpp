#include "workspace/USettings.h"

#include <functional>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Exceptions.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

const std::string Settings_File_Name = "Vantrel.xml";
const std::string Default_IP_Address = "192.168.2.205";
const std::string Default_Language_Name = "English";

std::string Settings_File_Path() { return Exe_Dir + "/" + Settings_File_Name; }

namespace {
// What the user reads once about a settings file that could not be read whole.
std::string Damage_Note(const std::string& damage, bool anythingRead)
{
    return damage + (anythingRead ? ". The settings that could be read are kept; the others are back at their "
                                    "defaults."
                                  : ". The settings are back at their defaults.");
}

void Set_Defaults()
{
    Project_Name.clear();
    Project_Dir.clear();
    Last_IP_Address = Default_IP_Address;
    Language_Name = Default_Language_Name;
    Opt_Enable_Internet = 0;
    Opt_Enable_Update = 0;
    Opt_Jump_Field_Tables = 0;
    Opt_Double_Click_Auto_Size = 0;
}

// The text of root/group/item; raises when either element is missing, so that the caller
// falls back to that item's default alone.
std::string Item_Text(const TXMLNode& root, const char* group, const char* item)
{
    return root.Child(group).Child(item).Text();
}

// One guarded read: whatever stops it leaves the item at its default.
void Read_Item(const std::function<void()>& read, const std::function<void()>& fallback)
{
    try {
        read();
    } catch (const Exception&) {
        fallback();
    }
}

// Only the exact text "1" switches a flag on.
uint8_t Flag(const std::string& text) { return text == "1" ? 1 : 0; }

void Read_Flag(const TXMLNode& root, const char* item, uint8_t& flag)
{
    Read_Item([&] { flag = Flag(Item_Text(root, "lastinternet", item)); }, [&] { flag = 0; });
}
}  // namespace

std::string Read_Settings(const std::string& path)
{
    Set_Defaults();
    if (!PathExists(path)) return "";
    TXMLDocument doc;
    std::string damage;
    try {
        damage = doc.LoadReadablePart(path);
    } catch (const Exception& e) {
        return Damage_Note(e.Message(), false);
    }
    const TXMLNode root = doc.DocumentElement();
    if (!damage.empty()) damage = Damage_Note(damage, !root.IsNull());
    if (!root) return damage;
    Read_Item([&] { Project_Name = Item_Text(root, "lastproj", "projectname"); },
              [] { Project_Name.clear(); });
    Read_Item([&] { Last_IP_Address = Item_Text(root, "lastipadd", "ipaddress"); },
              [] { Last_IP_Address = Default_IP_Address; });
    Read_Item([&] { Language_Name = Item_Text(root, "lastlang", "language"); },
              [] { Language_Name = Default_Language_Name; });
    Read_Flag(root, "enable_internet", Opt_Enable_Internet);
    Read_Flag(root, "enable_update", Opt_Enable_Update);
    Read_Flag(root, "enable_jump_field_tables", Opt_Jump_Field_Tables);
    Read_Flag(root, "Double_Click_Auto_Size", Opt_Double_Click_Auto_Size);
    return damage;
}

void Write_Settings(const std::string& path)
{
    TXMLDocument doc;
    TXMLNode root = doc.AddChild("Conf_Settings");
    root.AddChild("lastproj").AddChild("projectname").SetText(Project_Name);
    root.AddChild("lastipadd").AddChild("ipaddress").SetText(Last_IP_Address);
    root.AddChild("lastlang").AddChild("language").SetText(Language_Name);
    TXMLNode internet = root.AddChild("lastinternet");
    const auto addFlag = [&](const char* name, uint8_t flag) {
        internet.AddChild(name).SetText(flag ? "1" : "0");
    };
    addFlag("enable_internet", Opt_Enable_Internet);
    addFlag("enable_update", Opt_Enable_Update);
    addFlag("enable_jump_field_tables", Opt_Jump_Field_Tables);
    addFlag("Double_Click_Auto_Size", Opt_Double_Click_Auto_Size);
    doc.SaveToFile(path);
}
