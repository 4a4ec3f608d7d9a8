#pragma once

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

enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };
