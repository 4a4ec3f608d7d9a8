#include "grid/services/office/SheetDateStyles.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

#include "grid/services/office/OfficePackage.h"
#include "platform/rtl/DateFormat.h"
#include "platform/rtl/SysUtils.h"

namespace {
// The spreadsheet program's own date and time formats, which styles name by number only.
bool IsBuiltInDateFormat(int Id) { return (Id >= 14 && Id <= 22) || (Id >= 45 && Id <= 47); }
} // namespace

bool IsDateFormatCode(const std::string& Code)
{
    for (size_t i = 0; i < Code.size(); ++i) {
        const char ch = Code[i];
        if (ch == '"') {
            i = std::min(Code.find('"', i + 1), Code.size());
        } else if (ch == '\\' || ch == '_' || ch == '*') {
            ++i; // the next character stands for itself
        } else if (ch == '[') {
            // Colours and conditions are skipped; elapsed times such as [h] count.
            const size_t end = std::min(Code.find(']', i + 1), Code.size());
            const std::string inside = Code.substr(i + 1, end - i - 1);
            if (!inside.empty() && std::string("hHmMsS").find(inside[0]) != std::string::npos) return true;
            i = end;
        } else if (std::string("dDmMyYhHsS").find(ch) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TSheetDateStyles::TSheetDateStyles(const TXMLDocument& Styles)
{
    std::map<int, bool> customDate;
    const TXMLNode root = Styles.DocumentElement();
    for (const TXMLNode& format : PartChildElements(PartFirstChild(root, "numFmts"), "numFmt"))
        customDate[std::atoi(format.Attribute("numFmtId").c_str())] =
            IsDateFormatCode(format.Attribute("formatCode"));
    for (const TXMLNode& xf : PartChildElements(PartFirstChild(root, "cellXfs"), "xf")) {
        const int id = std::atoi(xf.Attribute("numFmtId").c_str());
        const auto custom = customDate.find(id);
        FDateStyles.push_back(custom != customDate.end() ? custom->second : IsBuiltInDateFormat(id));
    }
}

bool TSheetDateStyles::IsDate(int StyleIndex) const
{
    return StyleIndex >= 0 && StyleIndex < static_cast<int>(FDateStyles.size()) && FDateStyles[StyleIndex];
}

std::string DateTimeCellText(double Serial)
{
    const TFormatSettings& settings = FormatSettings();
    if (Serial == std::floor(Serial)) return DateToStr(Serial);
    if (std::fabs(Serial) < 1) return FormatDateTime(settings.LongTimeFormat, Serial);
    return FormatDateTime(settings.ShortDateFormat + " " + settings.LongTimeFormat, Serial);
}
