#pragma once
#include <string>
#include <vector>

#include "platform/rtl/Classes.h"

// The data types of the object dictionary as the EDS writes them.
inline const std::string EDS_UNSIGNED8 = "0x0005";
inline const std::string EDS_UNSIGNED16 = "0x0006";
inline const std::string EDS_UNSIGNED32 = "0x0007";
inline const std::string EDS_VISIBLE_STRING = "0x0009";

// "0x" and the value in upper-case hexadecimal, at least `digits` digits.
std::string EDS_Hex(int64_t value, int digits);
// Section names: the object index as four digits, a sub-object's index as few as it needs.
std::string EDS_Object(int index);
std::string EDS_Sub_Object(int index, int sub);

// Writes the blocks of the EDS text: a section line, its key lines, an empty line.
class TEdsBlockWriter {
public:
    explicit TEdsBlockWriter(TStringList& lines) : lines_(lines) {}

    void Block(const std::string& section, const std::vector<std::string>& keyLines);
    // An array or record object with `subNumber` sub-objects.
    void Object(const std::string& section, int subNumber, const std::string& name,
                const std::string& objectType);
    // A variable; an empty default value writes no DefaultValue line.
    void Variable(const std::string& section, const std::string& name, const std::string& dataType,
                  const std::string& access, const std::string& defaultValue, int pdoMapping = 0);

private:
    TStringList& lines_;
};
