#include "grid/control/HTMLHintWindow.h"

#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/text/CellText.h"

namespace {

constexpr int kWideMargin = 8;
constexpr int kHtmlMargin = 16;
constexpr int kVerticalMargin = 4;
constexpr int kEdgeGap = 2;

THtmlDrawParams HintParams(bool MeasureOnly)
{
    THtmlDrawParams params;
    params.MeasureOnly = MeasureOnly;
    params.LinkColor = clBlue;
    params.ShadowColor = clGray;
    return params;
}

} // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

std::string& THTMLHintWindow::HintFontName()
{
    static std::string name;
    return name;
}

bool THTMLHintWindow::IsWideText(const std::string& Hint) { return GetTextType(Hint, true) == ttWideEncoded; }

TRect THTMLHintWindow::PlaceHint(TPoint TopLeft, TSize TextSize, bool WideText, const TRect& Monitor)
{
    const int margin = WideText ? kWideMargin : kHtmlMargin;
    TRect r = Bounds(TopLeft.X, TopLeft.Y, TextSize.cx + margin, TextSize.cy + kVerticalMargin);
    if (r.Right > Monitor.Right) r = OffsetRect(r, Monitor.Right - kEdgeGap - r.Right, 0);
    if (r.Bottom > Monitor.Bottom) r = OffsetRect(r, 0, Monitor.Bottom - kEdgeGap - r.Bottom);
    return r;
}

TSize THTMLHintWindow::MeasureText(const std::string& Hint, int Width)
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    if (IsWideText(Hint)) {
        if (!HintFontName().empty()) canvas->Font()->SetName(HintFontName());
        TRect r = Rect(0, 0, Width, 0);
        DrawText(canvas, DecodeWideCellText(Hint), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return {r.Width(), r.Height()};
    }
    const THtmlDrawResult result = HtmlDraw(canvas, Hint, Rect(0, 0, Width, 4096), HintParams(true));
    return {result.MeasuredWidth, result.MeasuredHeight};
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const std::string& Hint)
{
    SetCaption(Hint);
    const TSize size = MeasureText(Hint, MeasureWidth);
    FTextWidth = size.cx;
    FTextHeight = size.cy;
    const TPoint topLeft{Rect.Left, Rect.Top};
    ShowAt(PlaceHint(topLeft, size, IsWideText(Hint), MonitorRectAt(topLeft)));
    Invalidate();
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& Hint, void*)
{
    const TSize size = MeasureText(Hint, MaxWidth);
    return ::Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::Paint()
{
    TCanvas& c = *Canvas();
    const TRect client = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(client);
    c.Pen()->SetColor(cl3DLight);
    c.MoveTo(0, client.Bottom - 2);
    c.LineTo(0, 0);
    c.LineTo(client.Right - 1, 0);
    c.Pen()->SetColor(cl3DDkShadow);
    c.MoveTo(0, client.Bottom - 1);
    c.LineTo(client.Right - 1, client.Bottom - 1);
    c.LineTo(client.Right - 1, -1);
    const int top = (client.Height() - FTextHeight) / 2;
    DrawHintText(::Rect(client.Left + 4, top, client.Right - 4, top + FTextHeight + 8));
}

void THTMLHintWindow::DrawHintText(const TRect& R)
{
    TCanvas& c = *Canvas();
    c.Font()->Assign(*Font());
    c.Brush()->SetStyle(bsClear);
    if (IsWideText(Caption())) {
        if (!HintFontName().empty()) c.Font()->SetName(HintFontName());
        TRect r = R;
        DrawText(&c, DecodeWideCellText(Caption()), r, DT_SINGLELINE | DT_NOPREFIX);
    } else {
        HtmlDraw(&c, Caption(), R, HintParams(false));
    }
    c.Brush()->SetStyle(bsSolid);
}
