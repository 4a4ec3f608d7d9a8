#pragma once
#include <memory>
#include <vector>

#include "platform/ui/Component.h"
#include "platform/ui/Graphics.h"

// A list of equally sized images, drawn by index; the image lists of the Parts.
class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner, int width = 16, int height = 16);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    // Appends a copy of the picture as the next image; its index.
    int Add(const TBitmap& image);
    void Clear() { images_.clear(); }
    // Draws an image with its top-left corner at x, y; an index out of range draws nothing.
    // A disabled image is drawn greyed.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true) const;

private:
    int width_;
    int height_;
    std::vector<std::unique_ptr<TBitmap>> images_;
};
