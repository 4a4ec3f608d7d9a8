#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/foundation/markup/HtmlTextOps.h"
#include "grid/foundation/model/SyncGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ImgList.h"

namespace {

// The tooltip shows at most this many characters of a text and of a title.
constexpr int kMaxBalloonText = 2048;
constexpr int kMaxBalloonTitle = 100;

// Cuts a text longer than Limit to Limit - 3 characters and "...".
std::string Shortened(const std::string& Text, int Limit)
{
    if (Length(Text) <= Limit) return Text;
    return Copy(Text, 1, Limit - 3) + "...";
}

std::string BalloonBody(std::string Text)
{
    for (char& c : Text)
        if (c == '\t') c = ' ';
    const size_t start = Text.find_first_not_of("\r\n");
    return Shortened(start == std::string::npos ? std::string() : Text.substr(start), kMaxBalloonText);
}

} // namespace

// A grid synchronised with a component, or drawing from an image list, that goes away must
// not keep pointing at it; while the grid itself goes, nothing is left to unset.
void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == static_cast<TComponent*>(FGridImages)) FGridImages = nullptr;
    if (Operation == opRemove && !ComponentState().Contains(csDestroying) &&
        static_cast<TComponent*>(SyncGrid()->Grid()) == AComponent)
        SyncGrid()->SetGrid(nullptr);
    if (Operation == opRemove) ForgetCellControl(AComponent);
    TBaseGrid::Notification(AComponent, Operation);
}

// The styled looks draw the selection as one frame, which must be drawn anew.
void TExtStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) RepaintRect(Selection());
    FSelChange = true;
    if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::DateTimeChanged(TDateTime Value)
{
    if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), Value);
}

std::optional<TExtStringGrid::TBalloonText> TExtStringGrid::BalloonTextAt(TPoint ClientPos)
{
    if (!Balloon()->Enable()) return std::nullopt;
    int col = -1, row = -1;
    MouseToCell(ClientPos.X, ClientPos.Y, col, row);
    TBalloonText balloon{" ", "", biInfo};
    if (col >= 0 && row >= 0) {
        const TPoint base = BaseCell(col, row);
        const int realCol = RealColIndex(base.X);
        balloon.Text = BalloonBody(HtmlToPlainText(Cells(realCol, base.Y)));
        std::string title, text;
        TBalloonIcon icon = biNone;
        if (IsBalloon(realCol, base.Y, title, text, icon)) {
            balloon.Title = title;
            balloon.Text = text;
            balloon.Icon = icon;
        }
        if (OnCellBalloon) OnCellBalloon(this, realCol, base.Y, balloon.Title, balloon.Text, balloon.Icon);
    }
    if (balloon.Title.empty()) balloon.Title.assign(1, ' ');
    balloon.Title = Shortened(balloon.Title, kMaxBalloonTitle);
    FLastBalloonPos = {col, row};
    return balloon;
}
