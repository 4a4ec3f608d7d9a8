#include "platform/os/IniFiles.h"

#include <algorithm>

#include "platform/os/FileSystem.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/SysUtils.h"

TIniFile::TIniFile(std::string FileName) : FFileName(std::move(FileName)) { Load(); }

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) const
{
    const std::string* value = FindValue(Section, Ident);
    return value ? *value : Default;
}

int32_t TIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const
{
    const std::string* value = FindValue(Section, Ident);
    return value ? StrToIntDef(*value, Default) : Default;
}

bool TIniFile::ValueExists(const std::string& Section, const std::string& Ident) const
{
    return FindValue(Section, Ident) != nullptr;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value)
{
    auto section = std::find_if(FSections.begin(), FSections.end(),
                                [&](const TSection& s) { return SameText(s.Name, Section); });
    if (section == FSections.end()) section = FSections.insert(FSections.end(), TSection{Section, {}});
    auto& values = section->Values;
    auto entry =
        std::find_if(values.begin(), values.end(), [&](const auto& v) { return SameText(v.first, Ident); });
    if (entry == values.end())
        values.emplace_back(Ident, Value);
    else
        entry->second = Value;
    Save();
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

// Lines before the first section, comments and lines without "=" are skipped.
void TIniFile::Load()
{
    if (!PathExists(FFileName)) return;
    const std::string content = ReadFileBytes(FFileName);
    for (std::string_view view : SplitLines(content)) {
        const std::string line = Trim(std::string(view));
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            FSections.push_back({Trim(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || FSections.empty()) continue;
        FSections.back().Values.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
}

// In one step, so that a write that fails (a full disk) leaves the earlier file whole.
void TIniFile::Save() const
{
    std::string text;
    for (const TSection& section : FSections) {
        text += '[' + section.Name + "]\r\n";
        for (const auto& [name, value] : section.Values)
            text += name + '=' + value + "\r\n";
    }
    WriteFileBytes(FFileName, text);
}

const TIniFile::TSection* TIniFile::FindSection(const std::string& Section) const
{
    const auto found = std::find_if(FSections.begin(), FSections.end(),
                                    [&](const TSection& s) { return SameText(s.Name, Section); });
    return found == FSections.end() ? nullptr : &*found;
}

const std::string* TIniFile::FindValue(const std::string& Section, const std::string& Ident) const
{
    const TSection* section = FindSection(Section);
    if (!section) return nullptr;
    const auto found = std::find_if(section->Values.begin(), section->Values.end(),
                                    [&](const auto& v) { return SameText(v.first, Ident); });
    return found == section->Values.end() ? nullptr : &found->second;
}
