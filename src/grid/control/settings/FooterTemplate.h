#pragma once
#include <functional>
#include <string>

// The text of the custom preview footer: every "<#n>" of the template becomes the text of
// column n of the current row, which CellText gives. A tag whose n is no number or no
// column (0 to ColCount - 1) disappears; a "<#" without ">" after it stays as plain text.
std::string ExpandFooterTemplate(const std::string& Template, int ColCount,
                                 const std::function<std::string(int ACol)>& CellText);
