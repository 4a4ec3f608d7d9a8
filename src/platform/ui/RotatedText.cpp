#include "platform/ui/RotatedText.h"

#include <QFontMetrics>

#include "platform/ui/QtGraphics.h"

void TextOutRotated(TCanvas* canvas, int x, int y, const std::string& text, int escapement)
{
    if (text.empty()) return;
    QPainter* p = BeginCanvasPainter(*canvas);
    if (!p) return;
    const QFont& font = ToQFont(*canvas->Font());
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setFont(font);
    p->setPen(ToQColor(canvas->Font()->Color()));
    p->translate(x, y);
    p->rotate(-escapement / 10.0);
    p->drawText(0, QFontMetrics(font).ascent(), QString::fromStdString(text));
    p->restore();
}
