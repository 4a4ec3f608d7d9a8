#include "editors/ethernetip/EdsConnectionPath.h"

#include <algorithm>

#include "editors/ethernetip/EdsDocument.h"
#include "editors/ethernetip/EdsParams.h"
#include "editors/ethernetip/EdsText.h"
#include "platform/rtl/SysUtils.h"

namespace {
// "Param5" out of "[Param5]" or "Param5"; "" when the token names no parameter.
std::string ParamReference(std::string token)
{
    if (token.size() >= 2 && token.front() == '[' && token.back() == ']')
        token = token.substr(1, token.size() - 2);
    return IsNumberedName(token, "Param") ? token : "";
}

std::optional<std::vector<uint8_t>> DefaultBytes(const std::string& reference, const TEdsDocument& eds)
{
    const TEdsEntry* entry = eds.Find("Params", reference);
    if (!entry) return std::nullopt;
    const TEdsParam param = DecodeParamEntry(entry->Value);
    if (!param.HasDefault || param.DataSizeByte < 1 || param.DataSizeByte > 8) return std::nullopt;
    std::vector<uint8_t> bytes;
    for (int i = 0; i < param.DataSizeByte; ++i)
        bytes.push_back(static_cast<uint8_t>(param.Default >> (8 * i)));
    return bytes;
}

bool AppendParamDefault(const std::string& reference, TPathParams& params, std::vector<uint8_t>& path)
{
    const std::vector<uint8_t>* bytes = params.Bytes(reference);
    if (!bytes) return false;
    path.insert(path.end(), bytes->begin(), bytes->end());
    return true;
}

bool AppendByte(const std::string& token, std::vector<uint8_t>& path)
{
    const bool prefixed = token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X');
    int32_t value = 0;
    if (!TryStrToInt(prefixed ? token : "0x" + token, value) || value < 0 || value > 255) return false;
    path.push_back(static_cast<uint8_t>(value));
    return true;
}
} // namespace

const std::vector<uint8_t>* TPathParams::Bytes(const std::string& reference)
{
    auto [found, added] = cache_.try_emplace(UpperCase(reference));
    if (added) found->second = DefaultBytes(reference, eds_);
    return found->second ? &*found->second : nullptr;
}

bool ReadPathBytes(const std::string& pathField, TPathParams& params, std::vector<uint8_t>& path)
{
    path.clear();
    size_t i = 0;
    while (i < pathField.size()) {
        // Quotes only delimit the pieces of the path, like blanks.
        const size_t start = pathField.find_first_not_of(" \t\"", i);
        if (start == std::string::npos) break;
        const size_t end = std::min(pathField.find_first_of(" \t\"", start), pathField.size());
        const std::string token = pathField.substr(start, end - start);
        const std::string reference = ParamReference(token);
        if (!(reference.empty() ? AppendByte(token, path) : AppendParamDefault(reference, params, path)))
            return false;
        i = end;
    }
    return true;
}

bool TConnectionPath::ReadValue(int& pos, uint32_t& value) const
{
    const int format = path_[pos] & 0x03;
    if (format == 0) {
        if (pos + 1 >= Count()) return false;
        value = path_[pos + 1];
        pos += 1;
        return true;
    }
    const int width = format == 1 ? 2 : 4;
    int start = pos + 1;
    if (start % 2 != 0) ++start;
    if (start + width > Count()) return false;
    value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | path_[start + i];
    pos = start + width - 1;
    return true;
}

bool TConnectionPath::Get_Instance(int& pos, uint32_t& instanceOT, uint32_t& instanceTO, bool BoolInsOT,
                                   bool BoolInsTO) const
{
    uint32_t value = 1;
    if (pos < Count() && IsInstance(path_[pos])) {
        if (!ReadValue(pos, value)) return false;
    } else {
        --pos;
    }
    if (BoolInsOT) instanceOT = value;
    if (BoolInsTO) instanceTO = value;
    return true;
}

bool TConnectionPath::Get_ConnectionPoint(int& pos, uint32_t& connPoint) const
{
    if (pos >= Count() || !IsConnectionPoint(path_[pos])) return true;
    return ReadValue(pos, connPoint);
}

int TConnectionPath::FindSegment(int from, bool instances, bool connectionPoints) const
{
    for (int i = from; i < Count(); ++i) {
        if ((instances && IsInstance(path_[i])) || (connectionPoints && IsConnectionPoint(path_[i])))
            return i;
    }
    return Count();
}
