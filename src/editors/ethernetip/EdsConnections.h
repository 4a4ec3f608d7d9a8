#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editors/ethernetip/EdsConnectionPath.h"
#include "editors/ethernetip/EdsIdentity.h"

class TEdsDocument;

// One usable connection of a target's [Connection Manager] section.
struct TConnData {
    int32_t ConnIndex = 0;    // 1-based position in the connection list
    std::string ConnName;     // field 13, trimmed, in its double quotes
    std::string HelpStr;      // field 14, the same way
    uint8_t DimHeaderTO = 0;  // real-time format target to originator: bits 12 to 14 of field 2
    uint8_t DimHeaderOT = 4;  // real-time format originator to target: bits 8 to 10 of field 2
    uint8_t NumClass = 4;     // kept for the record layout; the decoder stores 0
    uint32_t InstanceTO = 30;
    uint32_t ConnPointTO = 0;
    uint32_t InstanceOT = 30;
    uint32_t ConnPointOT = 0;
    // Fields 11 and 12 trimmed, or fields 9 and 10 when 11 and 12 are both blank.
    std::string TargetConfSize;
    std::string TargetConfFormat;  // the name of an [Assembly] entry
};

// Decodes the text of one Connection entry (fields numbered from 1: trigger and
// transport, connection parameters, O>T and T>O RPI, size and format, two configuration
// size and format pairs, name, help text, path). The path has the shape class, instance
// (both directions), connection point O>T, an optional instance T>O, connection point
// T>O. Parameter references in the path are resolved through the document's [Params].
class TConnectionDecoder {
public:
    explicit TConnectionDecoder(const TEdsDocument& eds) : eds_(eds), params_(eds) {}

    // The connection, or nothing when the entry has no usable path. A blank configuration
    // size beside a format that names an assembly is that assembly's size, as EDS files
    // mean it.
    std::optional<TConnData> DecodeConnStr(const std::string& entryText);

private:
    const TEdsDocument& eds_;
    TPathParams params_;
};

// What the EDS import reads from a target's file.
struct TEdsConnections {
    TEdsIdentity Identity;
    std::vector<TConnData> List_Conn;  // the usable connections, in file order
};

// Every ConnectionN entry of [Connection Manager], in file order.
TEdsConnections ReadEdsConnections(const TEdsDocument& eds);
// A missing file reads as a file without identity and connections.
TEdsConnections ReadEdsConnections(const std::string& fileName);
