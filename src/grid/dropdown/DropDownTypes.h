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

enum TGradientDirection { gdHorizontal, gdVertical };

enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// "lpRighBottom" keeps the spelling that stored forms carry.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight
};
