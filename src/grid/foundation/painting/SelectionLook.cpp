#include "grid/foundation/painting/SelectionLook.h"

#include <utility>

namespace {

constexpr TSelectionColors kVista{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
constexpr TSelectionColors kWin7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
constexpr TSelectionColors kOffice2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                       0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
constexpr TSelectionColors kUnfocused{0xF8F8F8, 0xE5E5E5, clNone,   clNone,
                                      0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};

} // namespace

const TSelectionColors& SelectionColors(TGridSelectionStyle Style, bool Focused)
{
    if (!Focused) return kUnfocused;
    switch (Style) {
    case ssWin7:
        return kWin7;
    case ssOffice2007:
        return kOffice2007;
    default:
        return kVista;
    }
}

TSelectionPart SelectionPartOf(int ACol, int Left, int Right)
{
    if (Left > Right) std::swap(Left, Right);
    if (Left == Right) return spSingle;
    if (ACol == Left) return spLeftEnd;
    if (ACol == Right) return spRightEnd;
    if (ACol > Left && ACol < Right) return spMiddle;
    return spSingle;
}
