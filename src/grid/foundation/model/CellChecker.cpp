#include "grid/foundation/model/CellChecker.h"

std::string TExtStringGridCheck::CheckText(int ACol, int ARow, const std::string& s)
{
    std::string checked = UseCorrect ? Correct(ACol, ARow, s) : s;
    return UseMarkError ? MarkError(ACol, ARow, checked) : checked;
}
