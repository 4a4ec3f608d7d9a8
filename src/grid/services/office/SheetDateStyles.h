#pragma once
#include <string>
#include <vector>

class TXMLDocument;

// The cell styles of a workbook that show numbers as dates or times: such a cell holds the
// days since 30 December 1899, as the grid's date values do.
class TSheetDateStyles {
public:
    TSheetDateStyles() = default;
    // From the workbook's styles part.
    explicit TSheetDateStyles(const TXMLDocument& Styles);
    bool IsDate(int StyleIndex) const;

private:
    std::vector<bool> FDateStyles;
};

// Whether a number format code shows a date or a time ("yyyy-mm-dd", "h:mm"; not "0.00").
bool IsDateFormatCode(const std::string& Code);
// The value as the grid shows dates: the short date, the long time, or both.
std::string DateTimeCellText(double Serial);
