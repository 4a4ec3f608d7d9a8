#include "grid/services/print/PageText.h"

#include <cmath>

#include "grid/control/settings/PrintSettings.h"
#include "grid/control/GridPrinting.h"

int MapFontHeight(int Points, double FontScale)
{
    return -static_cast<int>(std::nearbyint(Points * 254.0 / 72.0 * FontScale));
}

int MapFontSize(int Height) { return static_cast<int>(std::lround(Height * 72.0 / 254.0)); }

std::string JoinWithBlank(const std::string& A, const std::string& B)
{
    if (A.empty()) return B;
    if (B.empty()) return A;
    return A + " " + B;
}

std::string PageNumberText(const TPrintSettingsValues& Settings, const TPageNumbering& Numbering)
{
    if (Numbering.StripCount > 1)
        return std::to_string(Numbering.PageInStrip + 1) + "-" + std::to_string(Numbering.Strip + 1);
    std::string text = std::to_string(Numbering.Page + 1 + Settings.PageNumberOffset);
    // A total that nobody counted is left out rather than printed as a huge number.
    const bool totalKnown = Numbering.PageTotal != kUnknownPageTotal;
    if (!Settings.PageNumSep.empty() && totalKnown && Numbering.PageTotal > 1)
        text += Settings.PageNumSep + std::to_string(Numbering.PageTotal + Settings.MaxPagesOffset);
    return text;
}

namespace {

bool IsLeftPosition(TPrintPosition Position) { return Position == ppTopLeft || Position == ppBottomLeft; }

void AddToPageSlot(TPageSlots& Slots, TPrintPosition Position, const std::string& Item)
{
    if (Position == ppNone) return;
    std::string& slot = Slots[Position - 1];
    slot = IsLeftPosition(Position) ? Item + " " + slot : slot + " " + Item;
}

} // namespace

TPageSlots HeaderFooterSlots(const TPrintSettingsValues& Settings, const TPageItems& Items)
{
    TPageSlots slots;
    AddToPageSlot(slots, Settings.Time, Items.Time);
    AddToPageSlot(slots, Settings.Date, Items.Date);
    AddToPageSlot(slots, Settings.PageNr, Settings.PagePrefix + " " + Items.PageNumber + " " + Settings.PageSuffix);
    if (Settings.Title != ppNone) {
        std::string& slot = slots[Settings.Title - 1];
        if (!Settings.TitleText.empty())
            AddToPageSlot(slots, Settings.Title, Settings.TitleText);
        else if (IsLeftPosition(Settings.Title))
            slot = JoinWithBlank(Items.TitleFirstLine, slot);
        else
            slot = JoinWithBlank(slot, Items.TitleFirstLine);
    }
    return slots;
}
