#include "support/EdsChecker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "platform/rtl/SysUtils.h"
#include "support/TestFiles.h"

namespace {
using TSection = std::map<std::string, std::string>;
using TSections = std::map<std::string, TSection>; // names in upper case, as INI readers compare them

// Splits at CR LF, reporting any other line ending.
std::vector<std::string> Split_Lines(const std::string& bytes, std::vector<std::string>& problems)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        const std::string line =
            bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos || line.find_first_of("\r\n") != std::string::npos)
            problems.push_back("line not ended by CR LF: " + line);
        lines.push_back(line);
        start = end == std::string::npos ? bytes.size() : end + 2;
    }
    return lines;
}

TSections Parse_Sections(const std::vector<std::string>& lines, std::vector<std::string>& problems)
{
    TSections sections;
    TSection* current = nullptr;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string name = UpperCase(line.substr(1, line.size() - 2));
            if (sections.count(name)) problems.push_back("section repeated: " + line);
            current = &sections[name];
            continue;
        }
        const size_t equal = line.find('=');
        if (!current || equal == std::string::npos) {
            problems.push_back("line outside a section or without a key: " + line);
            continue;
        }
        const std::string key = UpperCase(line.substr(0, equal));
        if (current->count(key)) problems.push_back("key repeated: " + line);
        (*current)[key] = line.substr(equal + 1);
    }
    return sections;
}

bool Is_Object_Section(const std::string& name)
{
    int32_t index = 0;
    return name.size() == 4 && TryStrToInt("$" + name, index);
}

void Check_Object(const TSections& sections, const std::string& object, std::vector<std::string>& problems)
{
    const auto found = sections.find(object);
    if (found == sections.end()) {
        problems.push_back("listed object without a section: " + object);
        return;
    }
    const std::string prefix = object + "SUB";
    int subSections = 0;
    for (auto sub = sections.lower_bound(prefix); sub != sections.end() && sub->first.rfind(prefix, 0) == 0;
         ++sub)
        ++subSections;
    const auto subNumber = found->second.find("SUBNUMBER");
    const int expected = subNumber == found->second.end() ? 0 : StrToIntDef(subNumber->second, -1);
    if (subSections != expected)
        problems.push_back(
            Format("object %s: SubNumber %d but %d sub-objects", {object, expected, subSections}));
    // A variable stands alone; sub-index 0 of an array or a record counts its entries.
    const auto objectType = found->second.find("OBJECTTYPE");
    if (objectType == found->second.end()) return;
    const int type = StrToIntDef(objectType->second, -1);
    if (type == 7 && (subNumber != found->second.end() || subSections > 0))
        problems.push_back("variable " + object + " with sub-objects");
    if (type != 8 && type != 9) return;
    const auto count = sections.find(prefix + "0");
    if (count == sections.end() || !count->second.count("DATATYPE") ||
        StrToIntDef(count->second.at("DATATYPE"), -1) != 5)
        problems.push_back("object " + object + ": sub-index 0 is no UNSIGNED8");
}

// The objects that one list names, checked against their sections.
std::set<std::string> Check_Object_List(const TSections& sections, const std::string& list,
                                        std::vector<std::string>& problems)
{
    std::set<std::string> objects;
    const auto found = sections.find(UpperCase(list));
    if (found == sections.end()) {
        problems.push_back("missing list " + list);
        return objects;
    }
    const TSection& keys = found->second;
    const int count = keys.count("SUPPORTEDOBJECTS") ? StrToIntDef(keys.at("SUPPORTEDOBJECTS"), -1) : -1;
    if (count < 0 || static_cast<size_t>(count) + 1 != keys.size())
        problems.push_back(list + ": SupportedObjects does not count its entries");
    for (int k = 1; k <= count; ++k) {
        const auto entry = keys.find(IntToStr(k));
        int32_t index = 0;
        if (entry == keys.end() || !TryStrToInt(entry->second, index) || entry->second.size() != 6) {
            problems.push_back(Format("%s: entry %d missing or not 0xIIII", {list, k}));
            continue;
        }
        const std::string object = IntToHex(index, 4);
        if (!objects.insert(object).second) problems.push_back(list + ": object listed twice: " + object);
        Check_Object(sections, object, problems);
    }
    return objects;
}
} // namespace

std::vector<std::string> Check_EDS_Text(const std::string& bytes)
{
    std::vector<std::string> problems;
    const TSections sections = Parse_Sections(Split_Lines(bytes, problems), problems);
    std::set<std::string> listed;
    for (const char* list : {"MandatoryObjects", "OptionalObjects", "ManufacturerObjects"})
        for (const std::string& object : Check_Object_List(sections, list, problems))
            if (!listed.insert(object).second) problems.push_back("object in two lists: " + object);
    for (const auto& [name, keys] : sections) {
        const std::string object = name.substr(0, 4);
        const bool isSub = name.size() > 7 && name.compare(4, 3, "SUB") == 0;
        if ((Is_Object_Section(name) || (isSub && Is_Object_Section(object))) && !listed.count(object))
            problems.push_back("section of an object no list names: " + name);
    }
    return problems;
}

namespace {
std::string Dcfchk_Path()
{
#ifdef SHARED_DIR
    const std::string path = std::string(SHARED_DIR) + "/tools/dcfchk/dcfchk";
#else
    const std::string path;
#endif
    return !path.empty() && std::filesystem::exists(path) ? path : "";
}

// The linter's findings; empty when it exits 0.
std::string Dcfchk_Findings(const std::string& dcfchk, const std::string& path)
{
    TempDir dir;
    const std::string out = dir.File("dcfchk.txt");
    const int status = std::system(("'" + dcfchk + "' -n 5 '" + path + "' > '" + out + "' 2>&1").c_str());
    if (status == 0) return "";
    const std::string findings = ReadTestFile(out);
    return findings.empty() ? "dcfchk failed without a word" : findings;
}
} // namespace

void Expect_Clean_CANopen_EDS(const std::string& path)
{
    EXPECT_EQ(Check_EDS_Text(ReadTestFile(path)), std::vector<std::string>{}) << path;
    const std::string dcfchk = Dcfchk_Path();
    if (dcfchk.empty())
        GTEST_SKIP() << "../shared/tools/dcfchk/dcfchk is not beside the checkout: " << path
                     << " was not checked by the CANopen EDS linter";
    EXPECT_EQ(Dcfchk_Findings(dcfchk, path), "") << path;
}
