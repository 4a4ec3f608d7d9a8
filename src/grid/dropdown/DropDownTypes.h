#pragma once
#include <functional>
#include <string>

#include "platform/ui/Graphics.h"

enum TDropDownEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars
};

enum TDropPosition { dpAuto, dpDown, dpUp };

enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

using TDropDownEvent = std::function<void(TObject* Sender, bool& AcceptDrop)>;
using TDropUpEvent = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
// The cell questions of a list shown in columns: Column and Row are the list's cell.
using TDropDownDrawItemEvent = std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, const TRect& ARect)>;
using TDropDownGetItemTextEvent = std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TDropDownGetItemPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;
using TDropDownClipboardEvent = std::function<void(TObject* Sender, const std::string& Value, bool& Allow)>;
