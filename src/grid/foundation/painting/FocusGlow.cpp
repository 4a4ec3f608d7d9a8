#include "grid/foundation/painting/FocusGlow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/BitmapBits.h"

namespace {

constexpr int kMaxKernel = 10; // taps on each side of the centre
constexpr int kMargin = 20;    // rows and columns beyond this margin copy row / column 15
constexpr int kCopySource = 15;

uint32_t Channel(uint32_t Pixel, int Shift) { return (Pixel >> Shift) & 0xFF; }

// Premultiplies one channel by an alpha of 0 to 255, rounded.
uint32_t Premultiply(uint32_t Value, uint32_t Alpha) { return (Value * Alpha + 127) / 255; }

struct TGaussianKernel {
    std::array<double, 2 * kMaxKernel + 1> Weights{};
    int Size = kMaxKernel; // the taps used run from -Size to Size

    explicit TGaussianKernel(double Radius)
    {
        for (int i = 0; i <= 2 * kMaxKernel; ++i) {
            const double d = (i - kMaxKernel) / Radius;
            Weights[i] = std::exp(-d * d / 2);
        }
        Normalize();
        // Taps too small to change an 8-bit channel are dropped from the outside in.
        double dropped = 0;
        while (dropped < 1.0 / 510 && Size > 1) {
            dropped += Weights[kMaxKernel - Size] + Weights[kMaxKernel + Size];
            --Size;
        }
        Normalize();
    }

    void Normalize()
    {
        double sum = 0;
        for (int k = -Size; k <= Size; ++k)
            sum += Weights[kMaxKernel + k];
        for (int k = -Size; k <= Size; ++k)
            Weights[kMaxKernel + k] /= sum;
    }
};

int TrimInt(int Lower, int Upper, int Value) { return std::clamp(Value, Lower, Upper); }

uint32_t TrimReal(double Value) { return static_cast<uint32_t>(std::clamp(std::trunc(Value), 0.0, 255.0)); }

// Blurs the pixels of one row or column, gathered into Line, in place.
void BlurLine(const TGaussianKernel& Kernel, std::vector<uint32_t>& Line)
{
    const int n = static_cast<int>(Line.size());
    std::vector<uint32_t> work(n);
    for (int x = 0; x < n; ++x) {
        double sums[3] = {0, 0, 0};
        for (int k = -Kernel.Size; k <= Kernel.Size; ++k) {
            const uint32_t pixel = Line[TrimInt(0, n - 1, x - k)];
            const double w = Kernel.Weights[kMaxKernel + k];
            for (int c = 0; c < 3; ++c)
                sums[c] += w * Channel(pixel, 8 * c);
        }
        work[x] = 0xFF000000u | TrimReal(sums[2]) << 16 | TrimReal(sums[1]) << 8 | TrimReal(sums[0]);
    }
    Line = work;
}

bool InsideMargins(int Index, int Count) { return Index > kMargin && Index < Count - kMargin; }

} // namespace

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TPersistent& Source)
{
    TBitmap::Assign(Source);
    if (const auto* other = dynamic_cast<const TGridAlphaMask*>(&Source)) Opacity = other->Opacity;
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor)
{
    if (Bitmap.PixelFormat() != pf24bit) return;
    SetSize(Bitmap.Width(), Bitmap.Height());
    const int commonWidth = std::min(Mask.Width(), Bitmap.Width());
    const int commonHeight = std::min(Mask.Height(), Bitmap.Height());
    for (int y = 0; y < Height(); ++y) {
        uint32_t* target = BitmapScanLine(*this, y);
        if (y >= commonHeight) {
            std::fill(target, target + Width(), 0u);
            continue;
        }
        const uint32_t* mask = BitmapScanLine(Mask, y);
        const uint32_t* source = BitmapScanLine(Bitmap, y);
        for (int x = 0; x < Width(); ++x) {
            if (x >= commonWidth) {
                target[x] = 0;
                continue;
            }
            const uint32_t alpha = Channel(mask[x], 16);
            target[x] = alpha << 24 | Premultiply(Channel(source[x], 16), alpha) << 16 |
                        Premultiply(Channel(source[x], 8), alpha) << 8 |
                        Premultiply(Channel(source[x], 0), alpha);
        }
    }
}

void MakeFocusMaskBitmap(TBitmap& Bitmap, int Width, int Height, int PenWidth, int Corner, double Blur)
{
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Width, Height);
    TCanvas* canvas = Bitmap.Canvas();
    TPen savedPen;
    TBrush savedBrush;
    savedPen.Assign(*canvas->Pen());
    savedBrush.Assign(*canvas->Brush());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBlack);
    canvas->FillRect(Rect(0, 0, Width, Height));
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetColor(clWhite);
    canvas->Pen()->SetWidth(std::max(1, PenWidth));
    canvas->Brush()->SetColor(PenWidth < 1 ? clWhite : clBlack);
    const int p = PenWidth / 2;
    canvas->RoundRect(p + 2, p + 2, Width - p - 2, Height - p - 2, Corner, Corner);
    canvas->Pen()->Assign(savedPen);
    canvas->Brush()->Assign(savedBrush);
    if (Blur > 0) GaussianBlur24(Bitmap, Blur);
}

void GaussianBlur24(TBitmap& Bitmap, double Radius)
{
    if (Bitmap.PixelFormat() != pf24bit) throw Exception("Blur only works for 24-bit bitmaps");
    const TGaussianKernel kernel(Radius);
    const int width = Bitmap.Width();
    const int height = Bitmap.Height();
    std::vector<uint32_t> line;
    for (int y = 0; y < height; ++y) {
        uint32_t* row = BitmapScanLine(Bitmap, y);
        if (InsideMargins(y, height)) {
            const uint32_t* blurred = BitmapScanLine(Bitmap, kCopySource);
            std::copy(blurred, blurred + width, row);
            continue;
        }
        line.assign(row, row + width);
        BlurLine(kernel, line);
        std::copy(line.begin(), line.end(), row);
    }
    for (int x = 0; x < width; ++x) {
        if (InsideMargins(x, width)) {
            for (int y = 0; y < height; ++y) {
                uint32_t* row = BitmapScanLine(Bitmap, y);
                row[x] = row[kCopySource];
            }
            continue;
        }
        line.resize(height);
        for (int y = 0; y < height; ++y)
            line[y] = BitmapScanLine(Bitmap, y)[x];
        BlurLine(kernel, line);
        for (int y = 0; y < height; ++y)
            BitmapScanLine(Bitmap, y)[x] = line[y];
    }
}
