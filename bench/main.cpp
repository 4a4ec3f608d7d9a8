// Times the configurator's heavy operations on the largest inputs it accepts:
//   vantrel_bench [eds-file]
// Without an argument the largest EtherNet/IP fixture beside the checkout is imported.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "artefacts/descriptions/UEds.h"
#include "editors/ethernetip/EdsConnections.h"
#include "editors/ethernetip/TargetConfig.h"
#include "workspace/UComon.h"

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
    const std::filesystem::path dir = std::filesystem::path(VANTREL_SOURCE_DIR) / ".." / "shared/fixtures/eds-eip";
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

}  // namespace

int main(int argc, char** argv)
{
    const std::string eds = argc > 1 ? argv[1] : LargestFixture();
    if (!eds.empty()) {
        std::printf("EDS file: %s (%ju bytes)\n", eds.c_str(), std::filesystem::file_size(eds));
        Time("import: connections and one target configuration", 20, [&] {
            const TEdsConnections conns = ReadEdsConnections(eds);
            // The user imports one connection: the first one that names a configuration.
            for (const TConnData& conn : conns.List_Conn) {
                if (conn.TargetConfFormat.empty()) continue;
                TTargetConfig config;
                config.FileName = eds;
                config.Size = conn.TargetConfSize;
                config.Format = conn.TargetConfFormat;
                config.DecodeTargetConf();
                break;
            }
        });
    }

    const std::filesystem::path project = std::filesystem::temp_directory_path() / "vantrel-bench";
    std::filesystem::create_directories(project / "bin");
    Project_Dir = project.string();
    File_PDO_CANopen = Project_Dir + "/PDO_CANopen.xml";
    File_SDO_Server_CANopen = Project_Dir + "/SDO_Server_CANopen.xml";
    // The largest PDO table the editor allows: 30 receive and 30 transmit PDOs of 8 bytes.
    std::filesystem::copy_file(std::filesystem::path(VANTREL_SOURCE_DIR) /
                                   "tests/artefacts/descriptions/eds/max_pdo/PDO_CANopen.xml",
                               File_PDO_CANopen, std::filesystem::copy_options::overwrite_existing);
    Time("write the CANopen EDS (30 + 30 PDOs)", 20, [&] { Create_EDS_File(Project_Dir + "/out.eds"); });
    std::filesystem::remove_all(project);
    return 0;
}
