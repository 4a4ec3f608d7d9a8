#include "grid/foundation/painting/GridPictureSource.h"

const TGraphic* TGridPictureSource::PictureByName(const std::string& name)
{
    return FContainer ? FContainer->FindPicture(name) : nullptr;
}

const TGraphic* TGridPictureSource::PictureByAddress(const std::string& address)
{
    if (!FCache) return nullptr;
    if (!FCache->FindPicture(address)) {
        THTMLPicture* picture = FCache->AddPicture();
        picture->SetAsynch(false);
        picture->LoadFromURL(address);
    }
    return FCache->FindPicture(address);
}
