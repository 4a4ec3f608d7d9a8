#include "editors/ethernetip/EdsConnections.h"

#include "editors/ethernetip/EdsConnectionPath.h"
#include "editors/ethernetip/EdsDocument.h"
#include "editors/ethernetip/EdsText.h"
#include "platform/rtl/SysUtils.h"

namespace {
// 0-based indexes of the fields used.
constexpr size_t kFirstConfigSizeField = 8;
constexpr size_t kConfigSizeField = 10;
constexpr size_t kNameField = 12;
constexpr size_t kPathField = 14;
constexpr size_t kAssemblySizeField = 2;

// A text field trimmed; a quoted one shown in its double quotes.
std::string ShownText(const TEdsField& field)
{
    return field.Quoted ? "\"" + field.Text + "\"" : Trim(field.Raw);
}

// The position of the instance segment after the class segment at byte 0, or -1 when
// the path does not start with a class segment.
int AfterClass(const TConnectionPath& path)
{
    switch (path[0]) {
    case 0x20:
        return 2;
    case 0x21:
        return 4;
    case 0x22:
        return 6;
    default:
        return -1;
    }
}

// Fills the instances and connection points; false when the path lacks one of them.
bool DecodePath(const TConnectionPath& path, TConnData& conn)
{
    const int n = path.Count();
    if (n < 6) return false;
    int pos = AfterClass(path);
    if (pos < 0 || !path.Get_Instance(pos, conn.InstanceOT, conn.InstanceTO, true, true)) return false;
    pos = path.FindSegment(pos + 1, false, true);
    if (pos + 1 >= n || !path.Get_ConnectionPoint(pos, conn.ConnPointOT)) return false;
    pos = path.FindSegment(pos + 1, true, true);
    if (pos + 1 >= n) return false;
    if (TConnectionPath::IsInstance(path[pos])) {
        if (!path.Get_Instance(pos, conn.InstanceOT, conn.InstanceTO, false, true)) return false;
        pos = path.FindSegment(pos + 1, false, true);
        if (pos + 1 >= n) return false;
    }
    return path.Get_ConnectionPoint(pos, conn.ConnPointTO);
}
// The size field of the [Assembly] entry of that name; "" when there is none.
std::string AssemblySize(const TEdsDocument& eds, const std::string& name)
{
    const TEdsEntry* entry = eds.Find("Assembly", name);
    if (!entry) return "";
    const std::vector<TEdsField> fields = SplitEdsFields(entry->Value);
    return fields.size() > kAssemblySizeField ? fields[kAssemblySizeField].Trimmed() : "";
}
} // namespace

std::optional<TConnData> TConnectionDecoder::DecodeConnStr(const std::string& entryText)
{
    const std::vector<TEdsField> fields = SplitEdsFields(entryText);
    if (fields.size() <= kPathField) return std::nullopt;
    std::vector<uint8_t> bytes;
    if (!ReadPathBytes(fields[kPathField].Raw, params_, bytes)) return std::nullopt;
    TConnData conn;
    if (!DecodePath(TConnectionPath(std::move(bytes)), conn)) return std::nullopt;
    const uint32_t parameters = static_cast<uint32_t>(StrToIntDef(fields[1].Trimmed(), -1));
    conn.DimHeaderTO = static_cast<uint8_t>((parameters >> 12) & 7);
    conn.DimHeaderOT = static_cast<uint8_t>((parameters >> 8) & 7);
    conn.NumClass = 0;
    // Some makers put the target's configuration in the first configuration pair and
    // leave the second blank.
    size_t config = kConfigSizeField;
    if (fields[config].Trimmed().empty() && fields[config + 1].Trimmed().empty())
        config = kFirstConfigSizeField;
    conn.TargetConfSize = fields[config].Trimmed();
    conn.TargetConfFormat = fields[config + 1].Trimmed();
    if (conn.TargetConfSize.empty() && !conn.TargetConfFormat.empty())
        conn.TargetConfSize = AssemblySize(eds_, conn.TargetConfFormat);
    conn.ConnName = ShownText(fields[kNameField]);
    conn.HelpStr = ShownText(fields[kNameField + 1]);
    return conn;
}

TEdsConnections ReadEdsConnections(const TEdsDocument& eds)
{
    TEdsConnections result;
    result.Identity = ReadDeviceIdentity(eds);
    const TEdsSection* manager = eds.Section("Connection Manager");
    if (!manager) return result;
    TConnectionDecoder decoder(eds);
    for (const TEdsEntry& entry : manager->Entries()) {
        if (!IsNumberedName(entry.Key, "Connection")) continue;
        std::optional<TConnData> conn = decoder.DecodeConnStr(entry.Value);
        if (!conn) continue;
        conn->ConnIndex = static_cast<int32_t>(result.List_Conn.size()) + 1;
        result.List_Conn.push_back(std::move(*conn));
    }
    return result;
}

TEdsConnections ReadEdsConnections(const std::string& fileName)
{
    return ReadEdsConnections(TEdsDocument::LoadFromFile(fileName));
}
