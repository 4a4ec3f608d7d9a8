#include "artefacts/update/UUpdateJob.h"

#include <utility>
#include <vector>

#include "platform/xml/XMLDoc.h"
#include "workspace/UComon.h"

namespace {
using TElements = std::vector<std::pair<const char*, std::string>>;

void Add_Elements(TXMLNode parent, const TElements& elements)
{
    for (const auto& [name, text] : elements)
        parent.AddChild(name).SetText(text);
}

// The firmware goes to the application area, the image to the configuration bank at the
// address bank.bin is laid out for. After the firmware the device stays in its boot loader
// when the configuration follows.
void Add_Operation(TXMLNode operations, bool firmware, bool goToAppAfter, bool readBack)
{
    TXMLNode operation = operations.AddChild("Operation");
    Add_Elements(operation, {{"Ope_Protection_Enabled", ""},
                             {"Ope_GoToBoot_Before", "0"},
                             {"Ope_GoToApp_Before", "0"},
                             {"Ope_IP_Address", ""},
                             {"Ope_Port", "2008"},
                             {"Ope_Port_Sec", "2007"},
                             {"Ope_Erase_Memory", "0"},
                             {"Ope_FileName", firmware ? Firmware_Path() : Project_Dir + "/bin/bank.bin"},
                             {"Ope_Start_Address", firmware ? "0x8000" : "0x5A000"},
                             {"Ope_Memory_Type", "0"},
                             {"Ope_Bank_Type", firmware ? "1" : "2"},
                             {"Ope_Read_Back", readBack ? "1" : "0"},
                             {"Ope_Write_CSS", firmware ? "1" : "0"},
                             {"Ope_Address_CSS", firmware ? "0x78100" : "0x50100"},
                             {"Ope_Command_CSS", "0x0B"}});
    if (!firmware)
        Add_Elements(operation, {{"Ope_Write_Internal_Data", "0"},
                                 {"Ope_WID_Address", "0x78200"},
                                 {"Ope_WID_Command", "0x0B"},
                                 {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"}});
    Add_Elements(operation, {{"Ope_GoToApp_After", goToAppAfter ? "1" : "0"}});
}
} // namespace

void Compile_XML_Parameter(const TUpdate_Job& job)
{
    TXMLDocument document;
    TXMLNode root = document.AddChild("Ethernet_Update");
    Add_Elements(root, {{"Version", "1000"},
                        {"Title", "Quorvane - CF30605 Ethernet Update"},
                        {"IP_Address_Dev", job.IP_Address_Dev},
                        {"Application_Port", "10000"},
                        {"Boot_Port", "2008"},
                        {"Boot_Port_Sec", "2007"},
                        {"Address_Protection", "0x78000"}});
    Add_Elements(root.AddChild("Protections"), {{"Protection", "0x3A6"}});
    TXMLNode operations = root.AddChild("Operations");
    if (Sends_Firmware(job.Option)) Add_Operation(operations, true, job.Option == 1, job.Read_Back);
    if (job.Option == 0 || job.Option == 2) Add_Operation(operations, false, true, job.Read_Back);
    document.SaveToFile(Exe_Dir + "/Ethernet_Update.xml");
}

std::string Updater_Path() { return Exe_Dir + "/Ethernet_Update"; }

std::string Firmware_Path() { return Master_Dir + "/Sim30605.sim"; }

bool Sends_Firmware(int32_t option) { return option == 0 || option == 1; }

TProgram_Run Run_Update(const TUpdate_Job& job, const TStart_Program& start_Program)
{
    Compile_XML_Parameter(job);
    return start_Program(Updater_Path(), "", false);
}
