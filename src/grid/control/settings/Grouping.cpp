#include "grid/control/settings/Grouping.h"

void TGrouping::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TGrouping*>(&Source))
        static_cast<TGroupingValues&>(*this) = *other;
}
