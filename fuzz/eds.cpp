// The EDS import of a scan-list target: the document, the device identity, every
// connection, and each connection's configuration assembly with its parameters.
#include "FuzzInput.h"
#include "editors/ethernetip/EdsConnections.h"
#include "editors/ethernetip/EdsDocument.h"
#include "editors/ethernetip/EdsParams.h"
#include "editors/ethernetip/TargetConfig.h"

namespace {
void ReadTarget(const std::string& path)
{
    const TEdsDocument eds = TEdsDocument::LoadFromFile(path);
    const TEdsConnections read = ReadEdsConnections(eds);
    read.Identity.ElectronicKeyText();
    if (const TEdsSection* params = eds.Section("Params"))
        for (const TEdsEntry& entry : params->Entries()) Tolerating([&] { DecodeParamEntry(entry.Value); });
    for (const TConnData& conn : read.List_Conn) {
        TTargetConfig config;
        config.FileName = path;
        config.Size = conn.TargetConfSize;
        config.Format = conn.TargetConfFormat;
        Tolerating([&] {
            config.DecodeAssemblyObj(config.Find_Assembly_Object(eds), eds);
            config.GetConfigStrData();
            for (const TTC_ParamObj& param : config.ListParamObject) {
                param.GetEnumString();
                param.BitCount();
            }
        });
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzFilePath("target.eds");
    WriteTestFile(path, FuzzText(data, size));
    Tolerating([&] { ReadTarget(path); });
    return 0;
}
