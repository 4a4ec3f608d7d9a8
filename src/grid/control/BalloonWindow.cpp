#include "grid/control/BalloonWindow.h"

#include <algorithm>

#include "platform/ui/LayeredWindow.h"
#include "platform/ui/WindowRegion.h"

namespace {

constexpr int kPadding = 8;
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;
constexpr int kLineGap = 4;
constexpr int kStemHeight = 10;
constexpr int kStemLeft = 12;
constexpr int kStemWidth = 10;
constexpr int kCorner = 10;
// The window's outline cuts the box's corners this far, so that nothing shows outside the
// rounded frame.
constexpr int kCut = 3;

constexpr TColor kIconColors[] = {clNone, 0xC07830, 0x00B8F0, 0x2020D0};

TRect Measure(TCanvas& Canvas, const std::string& Text, int Width, unsigned Flags)
{
    TRect r = Rect(0, 0, Width, 0);
    if (!Text.empty()) DrawText(&Canvas, Text, r, Flags | DT_CALCRECT);
    return r;
}

} // namespace

TBalloonWindow::TBalloonWindow(TComponent* AOwner) : TFloatingWindow(AOwner, fwHint) {}

void TBalloonWindow::SetContent(const std::string& Title, const std::string& Text, int Icon)
{
    FTitle = Title;
    FText = Text;
    FIcon = Icon >= 0 && Icon <= 3 ? Icon : 0;
    Invalidate();
}

void TBalloonWindow::SetColors(TColor Background, TColor TextColor)
{
    FBackground = Background;
    FTextColor = TextColor;
    Invalidate();
}

void TBalloonWindow::SetAlpha(uint8_t Value)
{
    FAlpha = Value;
    SetLayeredWindowAttributes(this, clNone, Value, LWA_ALPHA);
}

TBalloonWindow::TLayout TBalloonWindow::Layout()
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(*Font());
    const int textLeft = kPadding + (FIcon ? kIconSize + kIconGap : 0);
    const int room = MaxWidth - textLeft - kPadding;
    c.Font()->SetStyle(TFontStyles{fsBold});
    const TRect title = Measure(c, FTitle, room, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    c.Font()->SetStyle(TFontStyles{});
    const TRect text = Measure(c, FText, MaxWidth - 2 * kPadding, DT_WORDBREAK | DT_NOPREFIX);

    TLayout l;
    const int top = kStemHeight + kPadding;
    const int titleHeight = std::max(title.Height(), FIcon ? kIconSize : 0);
    l.Icon = FIcon ? Bounds(kPadding, top, kIconSize, kIconSize) : TRect{};
    l.Title = Bounds(textLeft, top, std::min(title.Width(), room), titleHeight);
    const int textTop = top + (titleHeight ? titleHeight + kLineGap : 0);
    l.Text = Bounds(kPadding, textTop, std::min(text.Width(), MaxWidth - 2 * kPadding), text.Height());
    const int width = std::max(l.Title.Right, l.Text.Right) + kPadding;
    l.Size = {std::clamp(width, kStemLeft + kStemWidth + kCorner, MaxWidth), l.Text.Bottom + kPadding};
    return l;
}

TSize TBalloonWindow::ContentSize() { return Layout().Size; }

void TBalloonWindow::ShowAt(TPoint Tip)
{
    const TSize size = ContentSize();
    const int w = size.cx, h = size.cy, top = kStemHeight;
    SetWindowPolygonRegion(this, {{kStemLeft, 0},
                                  {kStemLeft + 1, 0},
                                  {kStemLeft + kStemWidth + 1, top},
                                  {w - kCut, top},
                                  {w, top + kCut},
                                  {w, h - kCut},
                                  {w - kCut, h},
                                  {kCut, h},
                                  {0, h - kCut},
                                  {0, top + kCut},
                                  {kCut, top},
                                  {kStemLeft, top}});
    TFloatingWindow::ShowAt(Bounds(Tip.X - kStemLeft, Tip.Y, w, h));
    Invalidate();
}

void TBalloonWindow::DrawIcon(TCanvas& C, const TRect& R) const
{
    C.Brush()->SetColor(kIconColors[FIcon]);
    C.Pen()->SetColor(kIconColors[FIcon]);
    if (FIcon == 2)
        C.Polygon({{R.Left + R.Width() / 2, R.Top}, {R.Right - 1, R.Bottom - 1}, {R.Left, R.Bottom - 1}});
    else
        C.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
    C.Font()->SetColor(FIcon == 2 ? clBlack : clWhite);
    C.Font()->SetStyle(TFontStyles{fsBold});
    C.Brush()->SetStyle(bsClear);
    TRect mark = R;
    DrawText(&C, FIcon == 1 ? "i" : FIcon == 2 ? "!" : "x", mark, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    C.Brush()->SetStyle(bsSolid);
}

void TBalloonWindow::Paint()
{
    const TLayout l = Layout();
    TCanvas& c = *Canvas();
    const TColor back = FBackground == clNone ? clInfoBk : FBackground;
    const TColor fore = FTextColor == clNone ? clInfoText : FTextColor;
    const TRect client = ClientRect();
    c.Brush()->SetColor(clWindow);
    c.FillRect(client);
    c.Brush()->SetColor(back);
    c.Pen()->SetColor(clWindowFrame);
    c.RoundRect(0, kStemHeight, client.Right, client.Bottom, kCorner, kCorner);
    // The stem: its sides in the frame colour, its base open into the box.
    c.Polygon({{kStemLeft, 0}, {kStemLeft + kStemWidth, kStemHeight + 1}, {kStemLeft, kStemHeight + 1}});
    c.Pen()->SetColor(back);
    c.MoveTo(kStemLeft + 1, kStemHeight);
    c.LineTo(kStemLeft + kStemWidth, kStemHeight);

    if (FIcon) DrawIcon(c, l.Icon);
    c.Font()->Assign(*Font());
    c.Font()->SetColor(fore);
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetStyle(TFontStyles{fsBold});
    TRect title = l.Title;
    DrawText(&c, FTitle, title, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER);
    c.Font()->SetStyle(TFontStyles{});
    TRect text = l.Text;
    DrawText(&c, FText, text, DT_WORDBREAK | DT_NOPREFIX);
    c.Brush()->SetStyle(bsSolid);
}
