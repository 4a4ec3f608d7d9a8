#pragma once
#include <functional>
#include <string>

#include "platform/ui/Types.h"

// Events of the string grid's drop-down cell editors.
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, std::string& Value)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TGridDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
