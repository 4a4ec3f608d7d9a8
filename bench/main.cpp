// Times the configurator's heavy operations on the largest inputs it accepts:
//   vantrel_bench [eds-file]
// Without an argument the largest EtherNet/IP fixture of the shared fixtures is imported.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/window/UCreate_Windows.h"
#include "artefacts/descriptions/UEds.h"
#include "artefacts/image/USaveBincc.h"
#include "editors/ethernetip/EdsImport.h"
#include "platform/ui/Forms.h"
#include "workspace/UComon.h"
#include "workspace/UProjects.h"

namespace {
void Time(const char* what, int runs, const std::function<void()>& work)
{
    work();  // warm the file cache
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%-48s %8.2f ms\n", what, std::chrono::duration<double, std::milli>(elapsed).count() / runs);
}

std::string LargestFixture()
{
    // The fixtures the build found, so that a worktree away from them times the same file.
    const std::filesystem::path dir = std::filesystem::path(VANTREL_FIXTURES) / "eds-eip";
    std::string largest;
    std::uintmax_t size = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".eds" && entry.file_size() > size) {
            size = entry.file_size();
            largest = entry.path().string();
        }
    return largest;
}

std::string Repeat(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

std::string ByteList(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i) {
        if (i > 0) list += ',';
        list += std::to_string(i % 256);
    }
    return list;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The largest project the image's tables allow: every rule table full and ten targets
// with full electronic keys and data segments.
void WriteLargestImageProject()
{
    const std::string sdoServer = R"(<row Index="0x2000" SubIndex="1" NByte="4" Address_B1="7" Address_B2="8")"
                                  R"( Address_B3="9" Address_B4="10"/>)";
    WriteFile(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read>" + Repeat(sdoServer, 512) +
                                           "</SDO_Read><SDO_Write>" + Repeat(sdoServer, 512) +
                                           "</SDO_Write></SDO_Server_CANopen>");
    const std::string sdoClient = R"(<row Device_ID="2" Index="0x2000" SubIndex="1" NByte="1" Poll_Time="5")"
                                  R"( Address_B1="7" On_Change="Y"/>)";
    WriteFile(File_SDO_Client_CANopen, "<SDO_Client_CANopen><SDO_Read>" + Repeat(sdoClient, 256) +
                                           "</SDO_Read><SDO_Write>" + Repeat(sdoClient, 256) +
                                           "</SDO_Write></SDO_Client_CANopen>");
    const std::string pdo = R"(<row COB-ID="0x201" Dimension="1" Address_B1="7" TimeOut="0" Send_Time="0")"
                            R"( On_Change="N"/>)";
    WriteFile(File_PDO_CANopen, "<PDO_CANopen><Receive_PDO>" + Repeat(pdo, 128) + "</Receive_PDO><Transmit_PDO>" +
                                    Repeat(pdo, 128) + "</Transmit_PDO></PDO_CANopen>");
    const std::string target = R"(<row Enable="Y" IP_Address="10.0.0.1" Num_Input="1" EnableElectronicKey="Y")"
                               R"( EnableDataSegment="Y" ElectronicKey=")" +
                               ByteList(97) + R"(" DataSegment=")" + ByteList(510) + "\"/>";
    WriteFile(File_EtherNetIP_Master_Rules,
              "<EtherNetIP_Master_Access>" + Repeat(target, 10) + "</EtherNetIP_Master_Access>");
}
}  // namespace

int main(int argc, char** argv)
{
    // Windows are created off screen unless a display is asked for.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application->Initialize();
    const std::string eds = argc > 1 ? argv[1] : LargestFixture();
    if (!eds.empty()) {
        std::printf("EDS file: %s (%ju bytes)\n", eds.c_str(), std::filesystem::file_size(eds));
        Time("import: connections and one target configuration", 20, [&] {
            const TEdsImport import(eds);
            // The user imports one connection: the first one that names a configuration.
            for (const TConnData& conn : import.Connections().List_Conn) {
                if (conn.TargetConfFormat.empty()) continue;
                import.TargetConfigOf(conn);
                break;
            }
        });
    }

    const std::filesystem::path project = std::filesystem::temp_directory_path() / "vantrel-bench";
    std::filesystem::create_directories(project / "bin");
    Project_Dir = project.string();
    Set_Files();
    WriteLargestImageProject();
    Time("build and write bank.bin (largest project)", 20, [] {
        Compile_Bank();
        Save_Bank();
    });
    // The largest PDO table the editor allows: 30 receive and 30 transmit PDOs of 8 bytes.
    std::filesystem::copy_file(std::filesystem::path(VANTREL_SOURCE_DIR) /
                                   "tests/artefacts/descriptions/eds/max_pdo/PDO_CANopen.xml",
                               File_PDO_CANopen, std::filesystem::copy_options::overwrite_existing);
    Time("write the CANopen EDS (30 + 30 PDOs)", 20, [&] { Create_EDS_File(Project_Dir + "/out.eds"); });

    const std::filesystem::path exeDir = project / "exe";
    std::filesystem::create_directories(exeDir);
    TComponent owner(nullptr);
    Time("start-up: create every window", 5, [&] {
        Create_Windows(&owner, exeDir.string());
        Free_Windows();
    });
    std::filesystem::remove_all(project);
    return 0;
}
