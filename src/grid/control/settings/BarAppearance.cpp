#include "grid/control/settings/BarAppearance.h"

#include "grid/foundation/model/SettingsNotify.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

void TBarButton::SetCaption(const std::string& Value) { StoreChanged(FCaption, Value, OnChange, this); }
void TBarButton::SetEnabled(bool Value) { StoreChanged(FEnabled, Value, OnChange, this); }
void TBarButton::SetWidth(int Value) { StoreChanged(FWidth, Value, OnChange, this); }

void TBarButton::AssignButton(const TBarButton& Source)
{
    SetCaption(Source.FCaption);
    ImageIndex = Source.ImageIndex;
    SetEnabled(Source.FEnabled);
    SetWidth(Source.FWidth);
    SetHeight(Source.FHeight);
}

void THeaderButton::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const THeaderButton*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    AssignButton(*other);
}

void TFooterButton::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TFooterButton*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    AssignButton(*other);
    ModalResult = other->ModalResult;
}

template <typename TItem> TItem& TBarButtons<TItem>::Items(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    return *FItems[static_cast<size_t>(Index)];
}

template <typename TItem> TItem& TBarButtons<TItem>::Insert(int Index)
{
    if (Index < 0 || Index > Count()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    auto item = std::make_unique<TItem>();
    item->OnChange = [this](TObject*) { Changed(); };
    TItem& added = *item;
    FItems.insert(FItems.begin() + Index, std::move(item));
    Changed();
    return added;
}

template <typename TItem> void TBarButtons<TItem>::Delete(int Index)
{
    Items(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

template <typename TItem> void TBarButtons<TItem>::Clear()
{
    FItems.clear();
    Changed();
}

template <typename TItem> void TBarButtons<TItem>::Changed()
{
    if (OnChange) OnChange(this);
}

template <typename TItem> void TBarButtons<TItem>::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TBarButtons*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    if (other == this) return;
    // Copied quietly, so that the bar re-creates its buttons once.
    TNotifyEvent event = std::move(OnChange);
    OnChange = nullptr;
    FItems.clear();
    for (const auto& item : other->FItems)
        Add().Assign(*item);
    OnChange = std::move(event);
    Changed();
}

template class TBarButtons<THeaderButton>;
template class TBarButtons<TFooterButton>;

template <typename TButtons>
TBarAppearance<TButtons>::TBarAppearance()
    : FFont(std::make_unique<TFont>()), FButtons(std::make_unique<TButtons>())
{
    FButtons->OnChange = [this](TObject*) {
        if (OnButtonsChanged) OnButtonsChanged(this);
    };
}

template <typename TButtons> TBarAppearance<TButtons>::~TBarAppearance() = default;

template <typename TButtons> void TBarAppearance<TButtons>::SetVisible(bool Value)
{
    StoreChanged(FVisible, Value, OnChange, this);
}

template <typename TButtons> void TBarAppearance<TButtons>::AssignColors(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TBarAppearance*>(&Source);
    if (!other) return;
    ColorTo = other->ColorTo;
    Color = other->Color;
    BorderColor = other->BorderColor;
    FFont->Assign(*other->FFont);
    GradientDirection = other->GradientDirection;
}

template <typename TButtons> void TBarAppearance<TButtons>::AssignBar(const TBarAppearance& Source)
{
    Color = Source.Color;
    ColorTo = Source.ColorTo;
    Caption = Source.Caption;
    FFont->Assign(*Source.FFont);
    GradientDirection = Source.GradientDirection;
    SetVisible(Source.FVisible);
    Height = Source.Height;
    BorderColor = Source.BorderColor;
    BorderWidth = Source.BorderWidth;
    ImageIndex = Source.ImageIndex;
    FButtons->Assign(*Source.FButtons);
    ButtonAlignment = Source.ButtonAlignment;
}

template class TBarAppearance<THeaderButtons>;
template class TBarAppearance<TFooterButtons>;

THeaderAppearance::THeaderAppearance() { Font()->SetName("Tahoma"); }

void THeaderAppearance::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const THeaderAppearance*>(&Source)) AssignBar(*other);
}

void TFooterAppearance::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TFooterAppearance*>(&Source);
    if (!other) return;
    AssignBar(*other);
    SizeGrip = other->SizeGrip;
}
