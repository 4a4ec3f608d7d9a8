#include "platform/ui/ImgList.h"

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height)
{
}

TCustomImageList::~TCustomImageList() = default;

int TCustomImageList::Add(const TBitmap& image)
{
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(image);
    images_.push_back(std::move(copy));
    return Count() - 1;
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const
{
    if (!canvas || index < 0 || index >= Count()) return;
    const TBitmap& image = *images_[index];
    if (enabled) {
        canvas->Draw(x, y, &image);
        return;
    }
    TBitmap grey;
    grey.Assign(image);
    for (int row = 0; row < grey.Height(); ++row)
        for (int col = 0; col < grey.Width(); ++col) {
            const TColor c = grey.Canvas()->Pixels(col, row);
            const int level = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
            grey.Canvas()->SetPixels(col, row, RGB(level, level, level));
        }
    canvas->Draw(x, y, &grey);
}
