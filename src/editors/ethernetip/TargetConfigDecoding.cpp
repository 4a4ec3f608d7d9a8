#include <algorithm>
#include <optional>
#include <unordered_map>

#include "editors/ethernetip/EdsDocument.h"
#include "editors/ethernetip/EdsParams.h"
#include "editors/ethernetip/EdsText.h"
#include "editors/ethernetip/TargetConfig.h"
#include "platform/rtl/SysUtils.h"

namespace {
constexpr size_t kFirstMemberField = 6;
// Every real member takes at least one bit of a data segment of at most 510 bytes, and
// assemblies nest a few levels at most; a file that claims more is cut there instead of
// being expanded without end.
constexpr size_t kMaxSegmentBits = 510 * 8;
constexpr size_t kMaxMembers = kMaxSegmentBits;
constexpr size_t kMaxNesting = 16;
// The text that one decoding may handle, counting each member it visits and each text it
// stores: far more than any real configuration needs, yet it keeps a file whose
// assemblies name each other over and over, or whose names are huge, from costing
// minutes and gigabytes. A visit costs some work even without text, so that empty
// assemblies named many times are bounded as well.
constexpr size_t kMaxWork = size_t{4} << 20;
constexpr size_t kVisitCost = 64;

// One member of an assembly: its size in bits and its reference, both trimmed.
struct TMember {
    std::string BitSize;
    std::string Reference;
};
using TMembers = std::vector<TMember>;

TMembers MembersOf(const std::vector<TEdsField>& fields)
{
    TMembers members;
    for (size_t k = kFirstMemberField; k + 1 < fields.size(); k += 2)
        members.push_back({fields[k].Trimmed(), fields[k + 1].Trimmed()});
    return members;
}

// A [Params] entry decoded with its enumeration, once however often members name it.
struct TDecodedParam {
    TEdsParam Param;
    std::vector<TTC_EnumObj> Enums;
    bool HasEnum = false;
    size_t TextSize = 0; // what a copy of its texts stores
};

TDecodedParam DecodeParam(const std::string& paramText, const std::string& enumText)
{
    TDecodedParam decoded{DecodeParamEntry(paramText), {}, !enumText.empty(), 0};
    decoded.TextSize = decoded.Param.Name.size();
    const std::vector<TEdsField> fields = SplitEdsFields(enumText);
    for (size_t j = 0; j + 1 < fields.size(); j += 2) {
        decoded.Enums.push_back({StrToIntDef(fields[j].Trimmed(), 0), fields[j + 1].Trimmed()});
        decoded.TextSize += 2 * decoded.Enums.back().Description.size(); // the list and the choices
    }
    return decoded;
}

// Turns the members of an assembly into parameters. A member names a parameter, another
// assembly (whose members take its place), a fixed value, or nothing (a reserved gap
// sent as zeros).
class TMemberExpander {
public:
    TMemberExpander(const TEdsDocument& eds, std::vector<TTC_ParamObj>& params) : eds_(eds), params_(params)
    {
    }

    // Appends the members in order; returns the bits they take.
    int64_t AddMembers(const TMembers& members)
    {
        int64_t bits = 0;
        for (const TMember& member : members) {
            if (params_.size() >= kMaxMembers || Full() ||
                !Charge(kVisitCost + member.BitSize.size() + member.Reference.size()))
                break;
            bits += AddMember(member);
        }
        return bits;
    }

private:
    int64_t AddMember(const TMember& member)
    {
        int64_t fixedValue = 0;
        if (!member.Reference.empty() && !TryStrToInt64(member.Reference, fixedValue)) {
            const std::string name = UpperCase(member.Reference);
            if (const TDecodedParam* param = Param(name, member.Reference)) return AddParam(member, *param);
            if (open_.size() < kMaxNesting && !IsOpen(name))
                if (const TMembers* members = Assembly(name, member.Reference))
                    return AddAssembly(member.BitSize, name, *members);
        }
        return AddFixed(member.BitSize, member.Reference, fixedValue);
    }

    int64_t AddParam(const TMember& member, const TDecodedParam& decoded)
    {
        if (!Charge(decoded.TextSize)) return 0;
        TTC_ParamObj& param = Append(member.BitSize, member.Reference);
        param.Name = decoded.Param.Name;
        param.DataSizeByte = decoded.Param.DataSizeByte;
        param.DataType = decoded.Param.DataType;
        param.Min = decoded.Param.Min;
        param.Max = decoded.Param.Max;
        param.Default = param.Value = decoded.Param.Default;
        param.Enum = decoded.HasEnum;
        param.ListEnum = decoded.Enums;
        for (const TTC_EnumObj& entry : decoded.Enums)
            param.EnumString.Add(entry.Description);
        return Counted(param);
    }

    int64_t AddAssembly(const std::string& bitSize, const std::string& name, const TMembers& members)
    {
        open_.push_back(name);
        const int64_t bits = AddMembers(members);
        open_.pop_back();
        // A sub-assembly shorter than its member is padded up to the member's size; no size
        // beyond a whole data segment is believed.
        const int64_t declared = std::min<int64_t>(StrToInt64Def(bitSize, 0), kMaxSegmentBits);
        if (declared <= bits || Full()) return bits;
        AddFixed(std::to_string(declared - bits), "", 0);
        return declared;
    }

    int64_t AddFixed(const std::string& bitSize, const std::string& reference, int64_t value)
    {
        TTC_ParamObj& param = Append(bitSize, reference);
        const int64_t bits = std::clamp<int64_t>(StrToInt64Def(bitSize, 0), 0, kMaxSegmentBits);
        param.DataSizeByte = static_cast<int32_t>((bits + 7) / 8);
        param.Min = param.Max = param.Default = param.Value = value;
        return Counted(param);
    }

    int64_t Counted(const TTC_ParamObj& param)
    {
        const int64_t bits = param.BitCount();
        segmentBits_ += bits;
        return bits;
    }

    // The members decoded so far pass the longest data segment: the rest is not decoded,
    // and the segment, already too long, is refused by the scan list's check rather than cut
    // to a length the target would take for its whole configuration.
    bool Full() const { return segmentBits_ > static_cast<int64_t>(kMaxSegmentBits); }

    TTC_ParamObj& Append(const std::string& bitSize, const std::string& reference)
    {
        TTC_ParamObj& param = params_.emplace_back();
        param.BitSize = bitSize;
        param.ParamName = reference;
        return param;
    }

    // The parameter that the reference names, or nullptr; `name` is the upper-cased reference.
    const TDecodedParam* Param(const std::string& name, const std::string& reference)
    {
        auto [found, added] = paramCache_.try_emplace(name);
        if (added) {
            std::string enumText;
            const std::string paramText = TTargetConfig::find_Param_Enum_Object(reference, eds_, enumText);
            if (!paramText.empty()) found->second = DecodeParam(paramText, enumText);
        }
        return found->second ? &*found->second : nullptr;
    }

    // The members of the assembly that the reference names, or nullptr.
    const TMembers* Assembly(const std::string& name, const std::string& reference)
    {
        auto [found, added] = assemblyCache_.try_emplace(name);
        if (added) {
            const TEdsEntry* entry = eds_.Find("Assembly", reference);
            if (entry) found->second = MembersOf(SplitEdsFields(entry->Value));
        }
        return found->second ? &*found->second : nullptr;
    }

    // An assembly that contains itself is not expanded a second time.
    bool IsOpen(const std::string& name) const
    {
        return std::find(open_.begin(), open_.end(), name) != open_.end();
    }

    bool Charge(size_t cost)
    {
        if (cost > kMaxWork - work_) {
            work_ = kMaxWork;
            return false;
        }
        work_ += cost;
        return true;
    }

    const TEdsDocument& eds_;
    std::vector<TTC_ParamObj>& params_;
    std::vector<std::string> open_; // upper-cased names of the assemblies being expanded
    // Both caches hold references that stay valid while they grow.
    std::unordered_map<std::string, std::optional<TDecodedParam>> paramCache_;
    std::unordered_map<std::string, std::optional<TMembers>> assemblyCache_;
    size_t work_ = 0;
    int64_t segmentBits_ = 0; // the bits of every parameter appended
};
} // namespace

void TTargetConfig::DecodeTargetConf() { DecodeTargetConf(TEdsDocument::LoadFromFile(FileName)); }

void TTargetConfig::DecodeTargetConf(const TEdsDocument& eds)
{
    DecodeAssemblyObj(Find_Assembly_Object(eds), eds);
}

std::string TTargetConfig::Find_Assembly_Object(const TEdsDocument& sl) const
{
    const TEdsEntry* entry = sl.Find("Assembly", Trim(Format));
    return entry ? entry->Value : "";
}

void TTargetConfig::DecodeAssemblyObj(const std::string& AssemObj, const TEdsDocument& sl)
{
    ListParamObject.clear();
    AO_Name.clear();
    AO_SizeBit.clear();
    std::string text = Trim(AssemObj);
    if (!text.empty() && text.back() == ';') text = Trim(text.substr(0, text.size() - 1));
    const std::vector<TEdsField> fields = SplitEdsFields(text);
    if (fields.size() <= kFirstMemberField) return;
    AO_Name = fields[0].Trimmed();
    AO_SizeBit = fields[2].Trimmed();
    TMemberExpander(sl, ListParamObject).AddMembers(MembersOf(fields));
}

std::string TTargetConfig::find_Param_Enum_Object(const std::string& Param, const TEdsDocument& sl,
                                                  std::string& EnumStr)
{
    const std::string enumName = EnumNameOf(Param);
    const TEdsEntry* enumEntry = enumName.empty() ? nullptr : sl.Find("Params", enumName);
    EnumStr = enumEntry ? enumEntry->Value : "";
    const TEdsEntry* paramEntry = sl.Find("Params", Param);
    return paramEntry ? paramEntry->Value : "";
}
