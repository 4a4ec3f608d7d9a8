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
constexpr size_t kMaxMembers = 510 * 8;
constexpr size_t kMaxNesting = 16;
// Assemblies without members add no parameter, so the member limit alone would not stop a
// file whose levels each name an empty assembly many times over.
constexpr size_t kMaxVisits = kMaxMembers * kMaxNesting;

// Turns the members of an assembly into parameters. A member names a parameter, another
// assembly (whose members take its place), a fixed value, or nothing (a reserved gap
// sent as zeros).
class TMemberExpander {
public:
    TMemberExpander(const TEdsDocument& eds, std::vector<TTC_ParamObj>& params) : eds_(eds), params_(params)
    {
    }

    // Appends the members listed from field 6 on; returns the bits they take.
    int64_t AddMembers(const std::vector<TEdsField>& fields)
    {
        int64_t bits = 0;
        for (size_t k = kFirstMemberField;
             k + 1 < fields.size() && params_.size() < kMaxMembers && visits_ < kMaxVisits; k += 2)
            bits += AddMember(fields[k].Trimmed(), fields[k + 1].Trimmed());
        return bits;
    }

private:
    int64_t AddMember(const std::string& bitSize, const std::string& reference)
    {
        ++visits_;
        int64_t fixedValue = 0;
        if (!reference.empty() && !TryStrToInt64(reference, fixedValue)) {
            std::string enumText;
            const std::string paramText = TTargetConfig::find_Param_Enum_Object(reference, eds_, enumText);
            if (!paramText.empty()) return AddParam(bitSize, reference, paramText, enumText);
            const TEdsEntry* assembly = eds_.Find("Assembly", reference);
            if (assembly && open_.size() < kMaxNesting && !IsOpen(reference))
                return AddAssembly(bitSize, reference, assembly->Value);
        }
        return AddFixed(bitSize, reference, fixedValue);
    }

    int64_t AddParam(const std::string& bitSize, const std::string& reference, const std::string& paramText,
                     const std::string& enumText)
    {
        const TEdsParam decoded = DecodeParamEntry(paramText);
        TTC_ParamObj& param = Append(bitSize, reference);
        param.Name = decoded.Name;
        param.DataSizeByte = decoded.DataSizeByte;
        param.DataType = decoded.DataType;
        param.Min = decoded.Min;
        param.Max = decoded.Max;
        param.Default = param.Value = decoded.Default;
        param.Enum = !enumText.empty();
        if (param.Enum) {
            const std::vector<TEdsField> fields = SplitEdsFields(enumText);
            for (size_t j = 0; j + 1 < fields.size(); j += 2) {
                param.ListEnum.push_back({StrToIntDef(fields[j].Trimmed(), 0), fields[j + 1].Trimmed()});
                param.EnumString.Add(fields[j + 1].Trimmed());
            }
        }
        return param.BitCount();
    }

    int64_t AddAssembly(const std::string& bitSize, const std::string& reference, const std::string& text)
    {
        open_.push_back(UpperCase(reference));
        const int64_t bits = AddMembers(SplitEdsFields(text));
        open_.pop_back();
        // A sub-assembly shorter than its member is padded up to the member's size.
        const int64_t declared = StrToInt64Def(bitSize, 0);
        if (declared <= bits) return bits;
        AddFixed(std::to_string(declared - bits), "", 0);
        return declared;
    }

    int64_t AddFixed(const std::string& bitSize, const std::string& reference, int64_t value)
    {
        TTC_ParamObj& param = Append(bitSize, reference);
        param.DataSizeByte = static_cast<int32_t>((std::max<int64_t>(StrToInt64Def(bitSize, 0), 0) + 7) / 8);
        param.Min = param.Max = param.Default = param.Value = value;
        return param.BitCount();
    }

    TTC_ParamObj& Append(const std::string& bitSize, const std::string& reference)
    {
        TTC_ParamObj& param = params_.emplace_back();
        param.BitSize = bitSize;
        param.ParamName = reference;
        return param;
    }

    // An assembly that contains itself is not expanded a second time.
    bool IsOpen(const std::string& reference) const
    {
        const std::string name = UpperCase(reference);
        for (const std::string& open : open_)
            if (open == name) return true;
        return false;
    }

    const TEdsDocument& eds_;
    std::vector<TTC_ParamObj>& params_;
    std::vector<std::string> open_;
    size_t visits_ = 0;
};
} // namespace

void TTargetConfig::DecodeTargetConf()
{
    const TEdsDocument eds = TEdsDocument::LoadFromFile(FileName);
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
    TMemberExpander(sl, ListParamObject).AddMembers(fields);
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
