#pragma once
#include <algorithm>
#include <memory>

#include "platform/ui/Graphics.h"

// The settings that the drop-downs listing rows under a header share: the list's lines and
// header, its row height and its lookup column.
class TDropDownListLook {
public:
    TDropDownListLook() : FHeaderFont(std::make_unique<TFont>()) { FHeaderFont->SetColor(0x723708); }

    bool CaseSensitive = false;
    bool MatchCase = false;
    bool DropDownAutoWidth = true;
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    // At least 1: the popup height is divided by it.
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = std::max(Value, 1); }
    TColor LineColor = 0xF1EDEB;
    TColor FixedLineColor = 0xD1BBA4;
    bool ColumnSizing = false;
    bool ColumnSizeWithDropDown = true;
    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = 0x808080;
    int HeaderHeight = 25;
    int LookupColumn = 0;
    TColor SelectionTextColor = clBlack;
    TFont* HeaderFont() const { return FHeaderFont.get(); }

protected:
    void AssignListLook(const TDropDownListLook& Other)
    {
        CaseSensitive = Other.CaseSensitive;
        MatchCase = Other.MatchCase;
        DropDownAutoWidth = Other.DropDownAutoWidth;
        FDropDownRowHeight = Other.FDropDownRowHeight;
        LineColor = Other.LineColor;
        FixedLineColor = Other.FixedLineColor;
        ColumnSizing = Other.ColumnSizing;
        ColumnSizeWithDropDown = Other.ColumnSizeWithDropDown;
        HeaderColor = Other.HeaderColor;
        HeaderColorTo = Other.HeaderColorTo;
        HeaderHeight = Other.HeaderHeight;
        FHeaderFont->Assign(*Other.FHeaderFont);
        LookupColumn = Other.LookupColumn;
        SelectionTextColor = Other.SelectionTextColor;
    }

    std::unique_ptr<TFont> FHeaderFont;

private:
    int FDropDownRowHeight = 22;
};

// The header and line look of the grid in such a drop-down's popup, taken from the
// drop-down at each opening.
class TListGridLook {
public:
    TListGridLook() : FHeaderFont(std::make_unique<TFont>()) {}

    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = 0x808080;
    TColor LineColor = 0x808080;
    TColor FixedLineColor = clBlack;
    int HeaderHeight = 25;
    TFont* HeaderFont() const { return FHeaderFont.get(); }

protected:
    void TakeLook(const TDropDownListLook& DropDown)
    {
        LineColor = DropDown.LineColor;
        FixedLineColor = DropDown.FixedLineColor;
        HeaderColor = DropDown.HeaderColor;
        HeaderColorTo = DropDown.HeaderColorTo;
        HeaderHeight = DropDown.HeaderHeight;
        FHeaderFont->Assign(*DropDown.HeaderFont());
    }

    std::unique_ptr<TFont> FHeaderFont;
};
