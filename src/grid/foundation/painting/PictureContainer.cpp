#include "grid/foundation/painting/PictureContainer.h"

#include "platform/rtl/SysUtils.h"

namespace {

template <typename Items, typename PictureOf> bool StepAll(const Items& items, PictureOf picture)
{
    bool changed = false;
    for (const auto& item : items)
        changed = picture(*item)->Step() || changed;
    return changed;
}

} // namespace

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const
{
    for (const auto& picture : FItems)
        if (picture->ID() == ID) return picture.get();
    return nullptr;
}

void THTMLPictureCache::ClearPictures() { FItems.clear(); }

bool THTMLPictureCache::Animate()
{
    return StepAll(FItems, [](THTMLPicture& picture) { return &picture; });
}

void THTMLPictureCache::SetItems(int Index, std::unique_ptr<THTMLPicture> Picture)
{
    FItems.at(Index) = std::move(Picture);
}

void TPictureItem::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TPictureItem*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    FName = other->FName;
    FTag = other->FTag;
    FPicture->Assign(*other->FPicture);
}

TPictureItem* TPictureCollection::Add() { return Insert(Count()); }

TPictureItem* TPictureCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count()) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
    return FItems.insert(FItems.begin() + Index, std::make_unique<TPictureItem>())->get();
}

bool TPictureCollection::Animate()
{
    return StepAll(FItems, [](TPictureItem& item) { return item.Picture(); });
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) const
{
    const std::string wanted = UpperCase(Name);
    for (int i = 0; i < FItems.Count(); ++i)
        if (UpperCase(FItems.Items(i)->Name()) == wanted) return FItems.Items(i)->Picture();
    return nullptr;
}
