#include "grid/control/ComponentStream.h"
#include "grid/control/ExtColumnGrid.h"
#include "grid/control/GridColumnItemProperties.h"

namespace {

constexpr char kStreamClass[] = "TExtColumnGridIO";
constexpr char kItemsProperty[] = "Items";

const TColumnProperty* FindProperty(const std::string& Name)
{
    for (const TColumnProperty& property : ColumnItemProperties())
        if (property.Name == Name) return &property;
    return nullptr;
}

} // namespace

void TExtColumnGrid::SaveColumnsToStream(TMemoryStream& Stream)
{
    TStreamedComponent component{kStreamClass, "", kItemsProperty, {}};
    for (int i = 0; i < Columns()->Count(); ++i) {
        const TGridColumnItem& item = *Columns()->Items(i);
        TStreamedComponent::TProperties& values = component.Items.emplace_back();
        for (const TColumnProperty& property : ColumnItemProperties())
            if (std::optional<TStreamValue> value = property.Get(item))
                values.emplace_back(property.Name, *value);
    }
    WriteComponent(Stream, component);
}

// The items are read into a collection of their own, whose writers already act on the
// grid (widths, row 0); the grid's columns then take a copy. A stream that cannot be read
// leaves the columns as they were.
void TExtColumnGrid::LoadColumnsFromStream(TMemoryStream& Stream)
{
    const TStreamedComponent component = ReadComponent(Stream);
    if (component.ClassName != kStreamClass || component.CollectionName != kItemsProperty)
        throw EReadError("Invalid stream format");
    TNoRecursiveUpdate suspended(*Columns());
    TGridColumnCollection read(this);
    read.FNoRecursiveUpdate = true;
    for (const TStreamedComponent::TProperties& values : component.Items) {
        TGridColumnItem* item = read.Insert(read.Count());
        for (const auto& [name, value] : values)
            if (const TColumnProperty* property = FindProperty(name)) property->Set(*item, value);
    }
    Columns()->Assign(read);
    // A copy of an item leaves out the pop-up type and the print switches; those read from
    // the stream are kept all the same.
    for (int i = 0; i < read.Count(); ++i) {
        TGridColumnItem& target = *Columns()->Items(i);
        const TGridColumnItem& source = *read.Items(i);
        target.ColumnPopupType = source.ColumnPopupType;
        target.PrintBorderCustom = source.PrintBorderCustom;
        target.PrintFontCustom = source.PrintFontCustom;
    }
    Invalidate();
}
