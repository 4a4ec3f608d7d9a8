#include <QLabel>
#include <QTimer>

#include "platform/ui/ExtCtrls.h"
#include "platform/ui/QtControls.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                     csParentBackground});
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    bevelOuter_ = bevel;
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut bevel)
{
    bevelInner_ = bevel;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int width)
{
    bevelWidth_ = std::max(1, width);
    Realign();
    Invalidate();
}

void TPanel::SetBorderWidth(int width)
{
    borderWidth_ = std::max(0, width);
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TPanel::SetParentBackground(bool parentBackground)
{
    SetControlStyle(parentBackground ? ControlStyle() + csParentBackground : ControlStyle() - csParentBackground);
    Invalidate();
}

// Aligned children sit inside the bevels and the border.
void TPanel::AlignControls(TRect& rect)
{
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone) inset += bevelWidth_;
    if (bevelInner_ != bvNone) inset += bevelWidth_;
    rect = InflateRect(rect, -inset, -inset);
    TCustomControl::AlignControls(rect);
}

static void Bevel(TCanvas* canvas, TRect& rect, TBevelCut cut, TColor face, int width)
{
    if (cut == bvNone) return;
    const TColor light = cut == bvLowered ? clBtnShadow : cut == bvSpace ? face : clBtnHighlight;
    const TColor dark = cut == bvLowered ? clBtnHighlight : cut == bvSpace ? face : clBtnShadow;
    Frame3D(canvas, rect, light, dark, width);
}

void TPanel::Paint()
{
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    Bevel(canvas, rect, bevelOuter_, Color(), bevelWidth_);
    if (ParentBackground())
        rect = InflateRect(rect, -borderWidth_, -borderWidth_);
    else
        Frame3D(canvas, rect, Color(), Color(), borderWidth_);
    Bevel(canvas, rect, bevelInner_, Color(), bevelWidth_);
    if (!ParentBackground()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    }
    const std::string caption = Caption();
    if (caption.empty()) return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(*Font());
    const int h = canvas->TextHeight("W");
    rect.Top = (rect.Bottom + rect.Top - h) / 2;
    rect.Bottom = rect.Top + h;
    const unsigned align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    DrawText(canvas, caption, rect, DT_EXPANDTABS | DT_VCENTER | align);
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>())
{
    pen_->OnChange = [this](TObject*) { Invalidate(); };
    brush_->OnChange = [this](TObject*) { Invalidate(); };
    SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType shape)
{
    shape_ = shape;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Pen()->Assign(*pen_);
    canvas->Brush()->Assign(*brush_);
    const int penWidth = pen_->Width();
    const int x = penWidth / 2, y = x;
    int w = Width() - penWidth + 1, h = Height() - penWidth + 1;
    if (penWidth == 0) --w, --h;
    int s = std::min(w, h);
    int left = x, top = y;
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        left += (w - s) / 2;
        top += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare: canvas->Rectangle(left, top, left + w, top + h); break;
    case stRoundRect:
    case stRoundSquare: canvas->RoundRect(left, top, left + w, top + h, s / 4, s / 4); break;
    case stEllipse:
    case stCircle: canvas->Ellipse(left, top, left + w, top + h); break;
    }
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>())
{
    picture_->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::PictureChanged()
{
    if (TGraphic* g = picture_->Graphic()) g->SetTransparent(transparent_);
    if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
        SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
    Invalidate();
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetProportional(bool proportional)
{
    proportional_ = proportional;
    Invalidate();
}

void TImage::SetCenter(bool center)
{
    center_ = center;
    Invalidate();
}

void TImage::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    PictureChanged();
}

void TImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    PictureChanged();
}

TRect TImage::DestRect() const
{
    int w = picture_->Width(), h = picture_->Height();
    const int cw = ClientWidth(), ch = ClientHeight();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            if (static_cast<double>(cw) / w < static_cast<double>(ch) / h) {
                h = h * cw / w;
                w = cw;
            } else {
                w = w * ch / h;
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int left = 0, top = 0;
    if (center_) {
        left = (cw - w) / 2;
        top = (ch - h) / 2;
    }
    return Bounds(left, top, w, h);
}

void TImage::Paint()
{
    if (const TGraphic* g = picture_->Graphic(); g && !g->Empty()) Canvas()->StretchDraw(DestRect(), g);
}

namespace {

QLabel* Label(const TControl* control) { return static_cast<QLabel*>(control->Impl().widget); }

void AppendEscaped(std::string& out, const std::string& text)
{
    out += QString::fromStdString(text).toHtmlEscaped().toStdString();
}

}  // namespace

std::string LinkCaptionToHtml(const std::string& caption)
{
    std::string html;
    size_t pos = 0;
    while (pos < caption.size()) {
        const size_t open = caption.find("<a", pos);
        const size_t tagEnd = open == std::string::npos ? std::string::npos : caption.find('>', open);
        const size_t close = tagEnd == std::string::npos ? std::string::npos : caption.find("</a>", tagEnd);
        if (close == std::string::npos) {
            AppendEscaped(html, caption.substr(pos));
            break;
        }
        AppendEscaped(html, caption.substr(pos, open - pos));
        std::string href;
        const std::string tag = caption.substr(open, tagEnd - open);
        if (const size_t h = tag.find("href=\""); h != std::string::npos) {
            const size_t end = tag.find('"', h + 6);
            href = tag.substr(h + 6, end == std::string::npos ? std::string::npos : end - h - 6);
        }
        html += "<a href=\"";
        AppendEscaped(html, href);
        html += "\">";
        AppendEscaped(html, caption.substr(tagEnd + 1, close - tagEnd - 1));
        html += "</a>";
        pos = close + 4;
    }
    return html;
}

TLinkLabel::TLinkLabel(TComponent* owner) : TWinControl(owner)
{
    EnsureQtApplication();
    auto* w = new TBridge<QLabel>(this);
    w->setFocusPolicy(Qt::NoFocus);
    w->setTextFormat(Qt::RichText);
    w->setOpenExternalLinks(false);
    w->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Impl().Attach(w, w);
    QObject::connect(w, &QLabel::linkActivated, w, [this](const QString& link) {
        GuardedCall([&] {
            if (OnLinkClick && !Quiet()) OnLinkClick(this, link.toStdString(), sltURL);
        });
    });
    SetBounds(0, 0, 53, 17);
}

void TLinkLabel::SetText(const std::string& text)
{
    Label(this)->setText(QString::fromStdString(LinkCaptionToHtml(text)));
    TWinControl::SetText(text);
    AdjustBounds();
}

void TLinkLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLinkLabel::CMFontChanged(TMessage& message)
{
    TWinControl::CMFontChanged(message);
    AdjustBounds();
}

void TLinkLabel::AdjustBounds()
{
    if (!autoSize_) return;
    const QSize size = Label(this)->sizeHint();
    SetBounds(Left(), Top(), size.width(), size.height());
}

struct TTimerPrivate {
    QTimer timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    EnsureQtApplication();
    d_ = std::make_unique<TTimerPrivate>();
    QObject::connect(&d_->timer, &QTimer::timeout, &d_->timer, [this] {
        GuardedCall([this] {
            if (OnTimer && enabled_) OnTimer(this);
        });
    });
    UpdateTimer();
}

TTimer::~TTimer() { d_->timer.stop(); }

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds)
{
    interval_ = milliseconds;
    UpdateTimer();
}

void TTimer::Loaded() { UpdateTimer(); }

// Starting anew also when already running: a changed interval counts from now.
void TTimer::UpdateTimer()
{
    d_->timer.stop();
    if (enabled_ && interval_ > 0 && !ComponentState().Contains(csLoading))
        d_->timer.start(static_cast<int>(std::min<unsigned>(interval_, INT32_MAX)));
}
