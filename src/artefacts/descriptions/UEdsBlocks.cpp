#include "artefacts/descriptions/UEdsBlocks.h"

#include "platform/rtl/SysUtils.h"

std::string EDS_Hex(int64_t value, int digits) { return "0x" + IntToHex(value, digits); }

std::string EDS_Object(int index) { return IntToHex(index, 4); }

std::string EDS_Sub_Object(int index, int sub) { return EDS_Object(index) + "sub" + IntToHex(sub, 0); }

void TEdsBlockWriter::Block(const std::string& section, const std::vector<std::string>& keyLines)
{
    lines_.Add("[" + section + "]");
    for (const std::string& line : keyLines)
        lines_.Add(line);
    lines_.Add("");
}

void TEdsBlockWriter::Object(const std::string& section, int subNumber, const std::string& name,
                             const std::string& objectType)
{
    Block(section, {"SubNumber=" + IntToStr(subNumber), "ParameterName=" + name, "ObjectType=" + objectType});
}

void TEdsBlockWriter::Variable(const std::string& section, const std::string& name,
                               const std::string& dataType, const std::string& access,
                               const std::string& defaultValue, int pdoMapping)
{
    std::vector<std::string> keyLines{"ParameterName=" + name, "ObjectType=0x07", "DataType=" + dataType,
                                      "AccessType=" + access};
    if (!defaultValue.empty()) keyLines.push_back("DefaultValue=" + defaultValue);
    keyLines.push_back("PDOMapping=" + IntToStr(pdoMapping));
    Block(section, keyLines);
}
