#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "grid/control/ComponentStream.h"

class TGridColumnItem;

// A published property of a column item as a column stream holds it. Get gives nothing
// for a value the stream leaves out (an empty text or list, a print switch that is on);
// Set runs the property's writer.
struct TColumnProperty {
    std::string Name;
    std::function<std::optional<TStreamValue>(const TGridColumnItem&)> Get;
    std::function<void(TGridColumnItem&, const TStreamValue&)> Set;
};

// In declaration order; owned fonts, pens and lists appear as their own properties
// ("Font.Height", "ComboItems.Strings").
const std::vector<TColumnProperty>& ColumnItemProperties();
