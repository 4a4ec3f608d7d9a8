#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Sets.h"
#include "platform/ui/Component.h"
#include "platform/ui/Types.h"

// Colours, fonts, pens, brushes, the canvas and bitmaps, with the conventions of the
// Windows graphics device interface.

// A colour: 0x00BBGGRR (red in the lowest byte), or a system colour 0xFF000000 + n, or
// clNone.
using TColor = uint32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

// A system colour as its RGB value from the fixed table of classic Windows colours; other
// values (clNone too) come back unchanged.
TColor ColorToRGB(TColor color);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

// A font. Height is in pixels (negative: the character height, positive: the cell height),
// Size in points at 96 dpi; setting one sets the other. A family that the desktop lacks
// keeps its name here and is drawn with the desktop's sans font.
class TFont : public TGraphicsObject {
public:
    TFont();
    ~TFont() override;
    void Assign(const TPersistent& source) override;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Size() const;
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);

    struct TQtFont;
    const TQtFont& Qt() const;  // platform use

private:
    std::string name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    mutable std::unique_ptr<TQtFont> qt_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor, pmNotXor };

class TPen : public TGraphicsObject {
public:
    void Assign(const TPersistent& source) override;
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    void Assign(const TPersistent& source) override;
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TCanvas;
struct TCanvasSurface;

// Something that can be drawn on a canvas.
class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const = 0;
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent) { transparent_ = transparent; }
    virtual void LoadFromFile(const std::string& path) = 0;
    virtual void SaveToFile(const std::string& path) const = 0;
    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    virtual void DrawOn(TCanvas& canvas, const TRect& rect) const = 0;
    void Changed();

private:
    bool transparent_ = false;
};

class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmapCanvas;

// An image in memory with a canvas that can draw on it at any time. A transparent bitmap
// leaves out the pixels of its transparent colour when it is drawn; in tmAuto mode that
// colour is the bottom-left pixel.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    void Assign(const TPersistent& source) override;

    int Width() const override;
    int Height() const override;
    bool Empty() const override;
    void SetWidth(int width);
    void SetHeight(int height);
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }

    TCanvas* Canvas();
    void LoadFromFile(const std::string& path) override;  // BMP, PNG, JPEG; raises EInvalidGraphic
    void SaveToFile(const std::string& path) const override;  // BMP
    // The bytes of a BMP, PNG or JPEG file; raises EInvalidGraphic.
    void LoadFromBytes(const std::string& bytes);
    // The bytes of a BMP (or ICO) file; empty for an empty bitmap.
    enum TFileFormat { ffBmp, ffIco };
    std::string SaveToBytes(TFileFormat Format = ffBmp) const;
    // The JPEG file the bitmap was loaded from, while nothing has changed its pixels since;
    // empty otherwise. Writing these bytes again keeps the picture as it was, where
    // compressing the pixels anew would lose detail each time.
    std::string JpegBytes() const;

    struct TQtImage;
    TQtImage& Qt() const;  // platform use

protected:
    void DrawOn(TCanvas& canvas, const TRect& rect) const override;

private:
    void ReleaseCanvas() const;
    bool LoadImageBytes(const std::string& bytes);

    std::unique_ptr<TQtImage> image_;
    std::unique_ptr<TBitmapCanvas> canvas_;
    TPixelFormat pixelFormat_ = pfDevice;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    std::string jpegBytes_;
    uint64_t jpegVersion_ = 0;  // the pixels' version that jpegBytes_ shows
};

// Holds one graphic, made from a file by its extension.
class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    void Assign(const TPersistent& source) override;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(const TGraphic* graphic);  // copies it
    TBitmap* Bitmap();                        // makes the graphic a bitmap when it is not one
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;
    void Clear();
    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};

// Flags of DrawText.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x00020000;  // read from the right (bidirectional text)
constexpr unsigned DT_HIDEPREFIX = 0x00100000;

enum TGradientDirection { gdHorizontal, gdVertical };

// Draws on a bitmap, a control being painted, or a printed page. Rectangles exclude their
// right and bottom edges; LineTo does not draw its end point; text is drawn on a background
// of the brush colour unless the brush is clear.
class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    TFont* Font() const { return font_.get(); }
    TPen* Pen() const { return pen_.get(); }
    TBrush* Brush() const { return brush_.get(); }
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);  // one pixel wide, in the brush colour
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    void DrawFocusRect(const TRect& rect);  // a dotted frame that a second call removes

    // Reading works on surfaces kept in memory (bitmaps, controls); a point outside gives clNone.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    void TextOut(int x, int y, const std::string& text);  // moves the pen to the text's end
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TSize TextExtent(const std::string& text) const;

    void Draw(int x, int y, const TGraphic* graphic);
    void StretchDraw(const TRect& rect, const TGraphic* graphic);
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

    // The clip rectangle in effect (the whole surface when none is set).
    TRect ClipRect() const;
    void SetClipRect(const TRect& rect);
    void IntersectClipRect(const TRect& rect);
    void ResetClip();

    struct TQtPainter;
    TQtPainter& Qt() const;  // platform use

    // The surface being drawn on; a derived canvas binds it.
    virtual TCanvasSurface* Surface() const = 0;

private:
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    TPoint penPos_;
    mutable std::unique_ptr<TQtPainter> qt_;
};

// The canvas of a bitmap.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap* bitmap) : bitmap_(bitmap) {}

    TCanvasSurface* Surface() const override;

private:
    const TBitmap* bitmap_;
};

// Draws text in a rectangle after the DT_ flags; returns the height of the text. With
// DT_CALCRECT nothing is drawn and the rectangle is fitted to the text instead. A single
// "&" underlines the character after it unless DT_NOPREFIX; "&&" stands for "&".
int DrawText(TCanvas* canvas, const std::string& text, TRect& rect, unsigned flags);

// Fills a rectangle with a linear gradient from `start` to `end`.
void GradientFillCanvas(TCanvas* canvas, TColor start, TColor end, const TRect& rect,
                        TGradientDirection direction);

// Draws a bevel `width` pixels wide just inside the rectangle, top-left in topColor and
// bottom-right in bottomColor, and shrinks the rectangle by it.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
