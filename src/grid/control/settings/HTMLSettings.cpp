#include "grid/control/settings/HTMLSettings.h"

#include "grid/foundation/model/IntList.h"

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<TIntList>(0, 0)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const THTMLSettings*>(&Source))
        static_cast<THTMLSettingsValues&>(*this) = *other;
}
