#include "grid/control/settings/ColumnSize.h"

void TColumnSize::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TColumnSize*>(&Source)) *this = *other;
}

void TSizeWhileTyping::Assign(const TPersistent& Source)
{
    if (const auto* other = dynamic_cast<const TSizeWhileTyping*>(&Source)) *this = *other;
}
