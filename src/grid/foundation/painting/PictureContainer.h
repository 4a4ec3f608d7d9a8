#pragma once
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/markup/HtmlPicture.h"
#include "platform/ui/Component.h"

// Pictures that HTML cell text names: the cache of those loaded by address and the
// application's named collection.

// Owns its pictures; each is known by its ID, the address it was loaded from.
class THTMLPictureCache {
public:
    // Appends a new empty picture.
    THTMLPicture* AddPicture();
    // The first picture whose ID is exactly ID (letter case counts), or nullptr.
    THTMLPicture* FindPicture(const std::string& ID) const;
    void ClearPictures();
    // Steps every picture's animation; true when any of them changed frame.
    bool Animate();

    int Count() const { return static_cast<int>(FItems.size()); }
    THTMLPicture* Items(int Index) const { return FItems.at(Index).get(); }
    // Puts Picture in place of the picture at Index, which is freed.
    void SetItems(int Index, std::unique_ptr<THTMLPicture> Picture);

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureItem : public TPersistent {
public:
    THTMLPicture* Picture() const { return FPicture.get(); }
    // Copies the given picture.
    void SetPicture(const THTMLPicture& Value) { FPicture->Assign(Value); }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // From another item: its name, tag and picture.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<THTMLPicture> FPicture = std::make_unique<THTMLPicture>();
    std::string FName;
    int FTag = 0;
};

class TPictureContainer;

class TPictureCollection {
public:
    explicit TPictureCollection(TPictureContainer* Owner) : FOwner(Owner) {}

    TPictureContainer* Owner() const { return FOwner; }
    TPictureItem* Add();
    TPictureItem* Insert(int Index);
    int Count() const { return static_cast<int>(FItems.size()); }
    TPictureItem* Items(int Index) const { return FItems.at(Index).get(); }
    // Steps every picture's animation; true when any of them changed frame.
    bool Animate();

private:
    TPictureContainer* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// The application's pictures by name.
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner) : TComponent(AOwner) {}

    TPictureCollection* Items() { return &FItems; }
    // The picture of the first item of that name, letter case ignored (ASCII), or nullptr.
    virtual THTMLPicture* FindPicture(const std::string& Name) const;

private:
    TPictureCollection FItems{this};
};
