#include "grid/control/settings/FooterTemplate.h"

#include "platform/rtl/SysUtils.h"

std::string ExpandFooterTemplate(const std::string& Template, int ColCount,
                                 const std::function<std::string(int ACol)>& CellText)
{
    std::string result;
    std::string::size_type pos = 0;
    for (;;) {
        const auto open = Template.find("<#", pos);
        const auto close = open == std::string::npos ? open : Template.find('>', open + 2);
        if (close == std::string::npos) break;
        result.append(Template, pos, open - pos);
        int column = 0;
        if (TryStrToInt(Template.substr(open + 2, close - open - 2), column) && column >= 0 &&
            column < ColCount)
            result += CellText(column);
        pos = close + 1;
    }
    return result.append(Template, pos, std::string::npos);
}
