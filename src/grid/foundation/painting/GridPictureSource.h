#pragma once
#include <string>

#include "grid/foundation/markup/HtmlDraw.h"
#include "grid/foundation/painting/PictureContainer.h"

// The pictures a grid offers its HTML text: names from its picture container, addresses
// from its picture cache, where an address seen for the first time is added and loaded at
// once. Either may be missing. The grid has no image list of its own here, so "IDX:n"
// finds nothing.
class TGridPictureSource : public THtmlPictureSource {
public:
    TGridPictureSource(const TPictureContainer* Container, THTMLPictureCache* Cache)
        : FContainer(Container), FCache(Cache)
    {
    }

    int ImageCount() const override { return 0; }
    const TGraphic* Image(int) const override { return nullptr; }
    const TGraphic* PictureByName(const std::string& name) override;
    const TGraphic* PictureByAddress(const std::string& address) override;

private:
    const TPictureContainer* FContainer;
    THTMLPictureCache* FCache;
};
