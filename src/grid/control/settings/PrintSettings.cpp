#include "grid/control/settings/PrintSettings.h"

#include "platform/rtl/Classes.h"

TPrintSettings::TPrintSettings()
    : FFont(std::make_unique<TFont>()), FFixedFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()), FFooterFont(std::make_unique<TFont>()),
      FTitleLines(std::make_unique<TStringList>())
{
}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetTitleLines(const TStringList& Value) { *FTitleLines = Value; }

void TPrintSettings::Assign(const TPersistent& Source)
{
    const auto* other = dynamic_cast<const TPrintSettings*>(&Source);
    if (!other) return TPersistent::Assign(Source);
    static_cast<TPrintSettingsValues&>(*this) = *other;
    SetTitleLines(*other->FTitleLines);
    SetFont(*other->FFont);
    SetFixedFont(*other->FFixedFont);
    SetHeaderFont(*other->FHeaderFont);
    SetFooterFont(*other->FFooterFont);
}
