#include "artefacts/descriptions/USNMP_MIB.h"

#include "artefacts/descriptions/UDescriptionFiles.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

std::array<bool, 2 * MIB_Section_Size> MIB_Integer_Flags{};

namespace {
void Read_Trap_Section(const TXMLNode& root, const std::string& section, TStringList& descriptions,
                       int firstFlag)
{
    For_Each_Row(root, section, [&](const TXMLNode& row) {
        if (descriptions.Count() == MIB_Section_Size) return;
        if (UpperCase(row.Attribute("Enable")) != "Y") return;
        MIB_Integer_Flags[firstFlag + descriptions.Count()] = UpperCase(row.Attribute("Type")) == "INT";
        descriptions.Add(row.Attribute("Description"));
    });
}

void Write_Identity(TStringList& mib)
{
    mib.Add("GATEWAY DEFINITIONS ::= BEGIN");
    mib.Add("IMPORTS");
    // SMIv2 macros and enterprises all come from SNMPv2-SMI.
    mib.Add("       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,");
    for (const char* line : {"enterprises", "FROM SNMPv2-SMI", "DisplayString, TimeStamp", "FROM SNMPv2-TC;"})
        mib.Add(std::string("         ") + line);
    mib.Add("");
    mib.Add("identity MODULE-IDENTITY");
    mib.Add("    LAST-UPDATED \"201701310000Z\"");
    mib.Add("    ORGANIZATION \"" + Maker_Contact.Organisation + "\"");
    mib.Add("    CONTACT-INFO");
    mib.Add("\t \"" + Maker_Contact.Street);
    mib.Add("    " + Maker_Contact.Postal_Town + " " + Maker_Contact.Province);
    mib.Add("    " + Maker_Contact.Country);
    mib.Add("    email: " + Maker_Contact.Mail + "\"");
    mib.Add("    DESCRIPTION");
    mib.Add("\t\"MIB objects for agent module \"");
    mib.Add("    REVISION     \"201701310000Z\"");
    mib.Add("    DESCRIPTION");
    mib.Add("\t\"Corrected notification \"");
    mib.Add("    REVISION     \"200202060000Z\"");
    mib.Add("    DESCRIPTION");
    mib.Add("\t\"First draft\"");
    mib.Add("    ::= { quorvane 2 }");
    mib.Add("quorvane          OBJECT IDENTIFIER ::= { enterprises 58207 }");
    mib.Add("gateway OBJECT IDENTIFIER::= { quorvane 1 }");
    mib.Add("application OBJECT IDENTIFIER::= { gateway 1 }");
    mib.Add("data OBJECT IDENTIFIER::= { application 1 }");
    mib.Add(
        "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" "
        "::= { data 1}");
    mib.Add(
        "countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" "
        "::= { data 2}");
    mib.Add(
        "countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION \"\" "
        "::= { data 3}");
}

std::string Object_Line(const std::string& name, bool integer, const std::string& access,
                        const std::string& description, const std::string& parent, int number)
{
    return name + " OBJECT-TYPE SYNTAX " + (integer ? "INTEGER" : "OCTET STRING") + " MAX-ACCESS " + access +
           " STATUS current DESCRIPTION \"" + description + "\" ::= { " + parent + " " + IntToStr(number) +
           " }";
}

// The object name of entry a of a buffer: its description, or the buffer's numbered name.
std::string Entry_Name(const TStringList& descriptions, const std::string& buffer, int a)
{
    const std::string& description = descriptions[a - 1];
    return description.empty() ? buffer + "val" + IntToStr(a) : description;
}

// One direction's buffer: the eight fixed data blocks, then one object per entry.
void Write_Buffer(TStringList& mib, const std::string& buffer, int dataNumber, const std::string& access,
                  const TStringList& descriptions, int firstFlag)
{
    mib.Add(buffer + " OBJECT IDENTIFIER::= { data " + IntToStr(dataNumber) + " }");
    for (int n = 1; n <= 8; ++n)
        mib.Add(Object_Line(buffer + "blk" + IntToStr(n), false, access, "data block n." + IntToStr(n),
                            buffer, n));
    mib.Add(" " + buffer + "val OBJECT IDENTIFIER::= { " + buffer + " 9 }");
    for (int a = 1; a <= descriptions.Count(); ++a)
        mib.Add(Object_Line(Entry_Name(descriptions, buffer, a), MIB_Integer_Flags[firstFlag + a - 1], access,
                            descriptions[a - 1], buffer + "val", a));
}
} // namespace

void Read_SNMP_Trap_Rules()
{
    MIB_Read_Desc_List.Clear();
    MIB_Write_Desc_List.Clear();
    MIB_Integer_Flags.fill(false);
    if (!PathExists(File_SNMP_Trap)) return;
    TXMLDocument xml;
    xml.LoadFromFile(File_SNMP_Trap);
    const TXMLNode root = xml.DocumentElement();
    Read_Trap_Section(root, "SNMP_Trap_Read", MIB_Read_Desc_List, 0);
    Read_Trap_Section(root, "SNMP_Trap_Write", MIB_Write_Desc_List, MIB_Section_Size);
}

void Write_MIB_File(const std::string& path)
{
    TStringList mib;
    Write_Identity(mib);
    Write_Buffer(mib, "bufferin", 4, "read-only", MIB_Read_Desc_List, 0);
    Write_Buffer(mib, "bufferout", 5, "read-write", MIB_Write_Desc_List, MIB_Section_Size);
    mib.Add("traps OBJECT IDENTIFIER::= { application 2 }");
    mib.Add(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
    // A notification carries the value of its read entry; SMIv2 gives it no syntax of its own.
    for (int a = 1; a <= MIB_Read_Desc_List.Count(); ++a)
        mib.Add("trapval" + IntToStr(a) + " NOTIFICATION-TYPE OBJECTS { " +
                Entry_Name(MIB_Read_Desc_List, "bufferin", a) + " } STATUS current DESCRIPTION \"" +
                MIB_Read_Desc_List[a - 1] + "\" ::= { trapsval " + IntToStr(a) + " }");
    mib.Add("END");
    mib.SaveToFile(path, TTextEncoding::ANSI);
}

void Create_SNMP_MIB()
{
    const std::optional<std::string> chosen =
        Ask_Save_Path("Management Information Base (*.mib)|*.mib", "", "mib");
    if (!chosen || !May_Replace_File(*chosen, 1103)) return;
    Read_SNMP_Trap_Rules();
    Write_MIB_File(*chosen);
}
