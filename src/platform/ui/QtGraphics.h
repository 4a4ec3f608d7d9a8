#pragma once
// Platform-private: the Qt objects behind fonts, bitmaps and canvases.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <cstdint>
#include <optional>

#include "platform/ui/Graphics.h"
#include "platform/ui/QtApp.h"

struct TFont::TQtFont {
    QFont font;
};

// What a canvas draws on. `image` is set for surfaces kept in memory, which can also be
// read back; `version` counts the drawing done on it.
struct TCanvasSurface {
    QPaintDevice* device = nullptr;
    QImage* image = nullptr;
    uint64_t version = 0;
};

struct TBitmap::TQtImage {
    QImage image;
    TCanvasSurface surface;
    // The image with its transparent colour turned into alpha, made when first needed.
    mutable QImage keyed;
    mutable uint64_t keyedVersion = UINT64_MAX;
    mutable TColor keyedColor = clNone;
};

// The image a bitmap draws: with its transparent colour made clear when it is transparent.
const QImage& DrawnImage(const TBitmap& bitmap);

struct TCanvas::TQtPainter {
    QPainter painter;
    TCanvasSurface* bound = nullptr;
    std::optional<QRegion> baseClip;  // set by the paint cycle of a control
    std::optional<QRegion> userClip;
};

// The painter of a canvas, begun on its surface with the canvas clip; nullptr when the
// canvas has nothing to draw on.
QPainter* BeginCanvasPainter(TCanvas& canvas);
// Ends the painter (before the surface changes size or is read as a whole).
void EndCanvasPainter(TCanvas& canvas);
// Sets the clip that a paint cycle imposes (the update region); nullopt removes it.
void SetCanvasBaseClip(TCanvas& canvas, std::optional<QRegion> clip);

const QFont& ToQFont(const TFont& font);
// A text's width and a line's height in a font. Both are kept once measured: shaping a text
// is the dearest step of painting a cell, and grids paint the same texts over and over.
int TextAdvance(const QFont& font, const QString& text);
int TextLineHeight(const QFont& font);
