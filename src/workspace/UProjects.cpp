#include "workspace/UProjects.h"

#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "workspace/UComon.h"
#include "workspace/UFileNames.h"

void Set_Files()
{
    const std::string dir = Project_Dir + "/";
    File_ParGen = dir + "ParGen.xml";
    File_EtherNetIP_Master_Rules = dir + "EtherNetIP_Master_Rules.xml";
    File_SNMP_Trap = dir + "SNMP_Trap.xml";
    File_CAN_Rec_Frames = dir + "CAN_Rec_Frames.xml";
    File_CAN_Send_Frames = dir + "CAN_Send_Frames.xml";
    File_BACnet_Slave_SetAccess = dir + "BACnet_Slave_SetAccess.xml";
    File_KNX_SetAccess = dir + "KNX_SetAccess.xml";
    File_MQTT_Set_Topic = dir + "MQTT_Set_Topic.xml";
    File_SDO_Server_CANopen = dir + "SDO_Server_CANopen.xml";
    File_SDO_Client_CANopen = dir + "SDO_Client_CANopen.xml";
    File_PDO_CANopen = dir + "PDO_CANopen.xml";
}

namespace {
// An entry of the projects folder whose name equals the given one, letter case aside, as
// the file system of Windows compares names.
const TSearchRec* Find_Entry(const std::vector<TSearchRec>& entries, const std::string& name)
{
    for (const TSearchRec& entry : entries)
        if (AnsiCompareText(entry.Name, name) == 0) return &entry;
    return nullptr;
}
}  // namespace

int Project_Name_Refusal(const std::string& projectsDir, const std::string& name)
{
    if (name.empty()) return Txt_Project_Name_Empty;
    const std::string folder = Desktop_File_Name(name);
    // A folder named with a leading "." is hidden, and the Open window lists no hidden
    // folder: such a project could never be opened again.
    if (folder.empty() || folder[0] == '.') return Txt_Project_Name_Refused;
    const std::vector<TSearchRec> entries = FindFiles(projectsDir, "*");
    const TSearchRec* existing = Find_Entry(entries, folder);
    if (!existing) return 0;
    // A file of that name blocks the directory without being a project.
    return (existing->Attr & faDirectory) ? Txt_Project_Exists : Txt_Project_Name_Refused;
}

// A valid name that the file system refuses is refused for a reason of the folders, not of
// the name: blaming the name would send the user after the wrong thing.
int Create_Project(const std::string& name, std::string* cause)
{
    const auto refuse = [cause](int text, const std::string& folder, const std::string& reason) {
        if (cause) *cause = folder + ". " + reason;
        return text;
    };
    if (name.empty()) return Txt_Project_Name_Empty;
    if (const std::string failure = DirectoryFailure(Projects_Dir); !failure.empty())
        return refuse(Txt_Projects_Folder_Unusable, Projects_Dir, failure);
    if (const int refusal = Project_Name_Refusal(Projects_Dir, name)) return refusal;
    const std::string folder = Desktop_File_Name(name);
    const std::string dir = Projects_Dir + "/" + folder;
    const std::string failure = CreateDirFailure(dir);
    if (!failure.empty()) return refuse(Txt_Project_Folder_Not_Made, dir, failure);
    ForceDirectories(dir + "/bin");
    Open_Project_Named(folder);
    return 0;
}

void Open_Project_Named(const std::string& name)
{
    Project_Name = name;
    Project_Dir = name.empty() ? std::string() : Projects_Dir + "/" + name;
    Set_Files();
}

bool Reopen_Last_Project()
{
    Project_Dir.clear();
    if (Project_Name.empty()) return false;
    const std::vector<TSearchRec> entries = FindFiles(Projects_Dir, "*");
    const TSearchRec* folder = Find_Entry(entries, Project_Name);
    if (!folder || !(folder->Attr & faDirectory)) return false;
    Project_Dir = Projects_Dir + "/" + folder->Name;
    return true;
}

void Load_Project_Names(const std::string& projectsDir, TStringList& names)
{
    names.Clear();
    for (const TSearchRec& entry : FindFiles(projectsDir, "*"))
        if ((entry.Attr & faDirectory) && !(entry.Attr & (faHidden | faSysFile))) names.Add(entry.Name);
}

int Search_Project_Name(const TStringList& names, const std::string& snc)
{
    for (int i = 0; i < names.Count(); ++i)
        if (SameText(names[i], snc)) return i;
    return -1;
}

std::string Open_Project_Folder_Name()
{
    const std::string prefix = Projects_Dir + "/";
    if (Project_Dir.size() <= prefix.size() || Project_Dir.compare(0, prefix.size(), prefix) != 0) return {};
    return Project_Dir.substr(prefix.size());
}
