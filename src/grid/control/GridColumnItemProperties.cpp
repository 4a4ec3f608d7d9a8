#include "grid/control/GridColumnItemProperties.h"

#include "grid/control/EditLink.h"
#include "grid/control/ExtColumnGrid.h"
#include "grid/control/GridColumnCollection.h"
#include "grid/control/GridColumnItem.h"
#include "platform/ui/Menus.h"

namespace {

using TItem = TGridColumnItem;
using TProperties = std::vector<TColumnProperty>;

int32_t AsInt(const TStreamValue& Value)
{
    const auto* number = std::get_if<int32_t>(&Value);
    if (!number) throw EReadError("Invalid property value");
    return *number;
}

bool AsBool(const TStreamValue& Value)
{
    const auto* flag = std::get_if<bool>(&Value);
    if (!flag) throw EReadError("Invalid property value");
    return *flag;
}

const std::string& AsText(const TStreamValue& Value)
{
    const auto* text = std::get_if<std::string>(&Value);
    if (!text) throw EReadError("Invalid property value");
    return *text;
}

// An ordinal outside the enumeration is refused rather than stored.
template <typename E> E AsEnum(const TStreamValue& Value, E Last)
{
    const int32_t ordinal = AsInt(Value);
    if (ordinal < 0 || ordinal > static_cast<int32_t>(Last)) throw EReadError("Invalid property value");
    return static_cast<E>(ordinal);
}

template <typename E> int32_t SetBits(TSet<E> Set, E Last)
{
    int32_t bits = 0;
    for (int v = 0; v <= static_cast<int>(Last); ++v)
        if (Set.Contains(static_cast<E>(v))) bits |= 1 << v;
    return bits;
}

template <typename E> TSet<E> AsSet(const TStreamValue& Value, E Last)
{
    const int32_t bits = AsInt(Value);
    TSet<E> set;
    for (int v = 0; v <= static_cast<int>(Last); ++v)
        if (bits & (1 << v)) set += static_cast<E>(v);
    return set;
}

TStringList ListOf(const TStreamValue& Value)
{
    const auto* lines = std::get_if<std::vector<std::string>>(&Value);
    if (!lines) throw EReadError("Invalid property value");
    TStringList list;
    for (const std::string& line : *lines)
        list.Add(line);
    return list;
}

std::optional<TStreamValue> Unless(bool Omitted, TStreamValue Value)
{
    if (Omitted) return std::nullopt;
    return Value;
}

template <typename T> void Int(TProperties& List, const char* Name, T TGridColumnSettings::*Field)
{
    List.push_back({Name, [Field](const TItem& i) { return TStreamValue(static_cast<int32_t>(i.*Field)); },
                    [Field](TItem& i, const TStreamValue& v) { i.*Field = static_cast<T>(AsInt(v)); }});
}

// An empty text is left out, unless a new item starts with another one: an empty check
// text would otherwise come back as "Y" or "N".
void Text(TProperties& List, const char* Name, std::string TGridColumnSettings::*Field)
{
    const bool emptyByDefault = (TGridColumnSettings{}.*Field).empty();
    List.push_back({Name,
                    [Field, emptyByDefault](const TItem& i) {
                        return Unless(emptyByDefault && (i.*Field).empty(), i.*Field);
                    },
                    [Field](TItem& i, const TStreamValue& v) { i.*Field = AsText(v); }});
}

void Flag(TProperties& List, const char* Name, bool TGridColumnSettings::*Field)
{
    List.push_back({Name, [Field](const TItem& i) { return TStreamValue(i.*Field); },
                    [Field](TItem& i, const TStreamValue& v) { i.*Field = AsBool(v); }});
}

void Strings(TProperties& List, const char* Name, TStringList* (TItem::*Lines)() const,
             void (TItem::*Setter)(const TStringList&))
{
    List.push_back(
        {std::string(Name) + ".Strings",
         [Lines](const TItem& i) { return Unless((i.*Lines)()->Count() == 0, (i.*Lines)()->Items()); },
         [Setter](TItem& i, const TStreamValue& v) { (i.*Setter)(ListOf(v)); }});
}

void Font(TProperties& List, const std::string& Name, TFont* (TItem::*Owned)() const)
{
    List.push_back({Name + ".Color",
                    [Owned](const TItem& i) { return TStreamValue(int32_t((i.*Owned)()->Color())); },
                    [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetColor(TColor(AsInt(v))); }});
    List.push_back({Name + ".Height",
                    [Owned](const TItem& i) { return TStreamValue((i.*Owned)()->Height()); },
                    [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetHeight(AsInt(v)); }});
    List.push_back(
        {Name + ".Name",
         [Owned](const TItem& i) { return Unless((i.*Owned)()->Name().empty(), (i.*Owned)()->Name()); },
         [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetName(AsText(v)); }});
    List.push_back(
        {Name + ".Style",
         [Owned](const TItem& i) { return TStreamValue(SetBits((i.*Owned)()->Style(), fsStrikeOut)); },
         [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetStyle(AsSet(v, fsStrikeOut)); }});
}

// A component the item refers to travels as its name and is looked up again among the
// components of the grid's owner (the form); a name found there with another class, or not
// at all, leaves no reference.
template <typename T>
void Reference(TProperties& List, const char* Name, T* (TItem::*Get)() const, void (TItem::*Set)(T*))
{
    List.push_back({Name,
                    [Get](const TItem& i) -> std::optional<TStreamValue> {
                        const T* target = (i.*Get)();
                        if (!target || target->Name().empty()) return std::nullopt;
                        return TStreamValue(target->Name());
                    },
                    [Set](TItem& i, const TStreamValue& v) {
                        const auto* columns = dynamic_cast<const TGridColumnCollection*>(i.Collection());
                        const TExtColumnGrid* grid = columns ? columns->GetOwner() : nullptr;
                        const TComponent* form = grid ? grid->Owner() : nullptr;
                        (i.*Set)(form ? dynamic_cast<T*>(form->FindComponent(AsText(v))) : nullptr);
                    }});
}

void Pen(TProperties& List, const std::string& Name, TPen* (TItem::*Owned)() const)
{
    List.push_back({Name + ".Color",
                    [Owned](const TItem& i) { return TStreamValue(int32_t((i.*Owned)()->Color())); },
                    [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetColor(TColor(AsInt(v))); }});
    List.push_back(
        {Name + ".Style", [Owned](const TItem& i) { return TStreamValue(int32_t((i.*Owned)()->Style())); },
         [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetStyle(AsEnum(v, psInsideFrame)); }});
    List.push_back({Name + ".Width", [Owned](const TItem& i) { return TStreamValue((i.*Owned)()->Width()); },
                    [Owned](TItem& i, const TStreamValue& v) { (i.*Owned)()->SetWidth(AsInt(v)); }});
}

TProperties BuildProperties()
{
    TProperties list;
    Int(list, "AutoMinSize", &TGridColumnSettings::AutoMinSize);
    Int(list, "AutoMaxSize", &TGridColumnSettings::AutoMaxSize);
    list.push_back({"Alignment", [](const TItem& i) { return TStreamValue(int32_t(i.Alignment())); },
                    [](TItem& i, const TStreamValue& v) { i.SetAlignment(AsEnum(v, taCenter)); }});
    list.push_back({"Borders", [](const TItem& i) { return TStreamValue(SetBits(i.Borders(), cbBottom)); },
                    [](TItem& i, const TStreamValue& v) { i.SetBorders(AsSet(v, cbBottom)); }});
    Pen(list, "BorderPen", &TItem::BorderPen);
    Text(list, "CheckFalse", &TGridColumnSettings::CheckFalse);
    Text(list, "CheckTrue", &TGridColumnSettings::CheckTrue);
    list.push_back({"Color", [](const TItem& i) { return TStreamValue(int32_t(i.Color())); },
                    [](TItem& i, const TStreamValue& v) { i.SetColor(TColor(AsInt(v))); }});
    Reference(list, "ColumnPopup", &TItem::ColumnPopup, &TItem::SetColumnPopup);
    list.push_back(
        {"ColumnPopupType", [](const TItem& i) { return TStreamValue(int32_t(i.ColumnPopupType)); },
         [](TItem& i, const TStreamValue& v) { i.ColumnPopupType = AsEnum(v, cpAllCellsLClick); }});
    Strings(list, "ComboItems", &TItem::ComboItems, &TItem::SetComboItems);
    Int(list, "DropDownCount", &TGridColumnSettings::DropDownCount);
    Int(list, "EditLength", &TGridColumnSettings::EditLength);
    Reference(list, "EditLink", &TItem::EditLink, &TItem::SetEditLink);
    Text(list, "EditMask", &TGridColumnSettings::EditMask);
    list.push_back({"Editor", [](const TItem& i) { return TStreamValue(int32_t(i.Editor())); },
                    [](TItem& i, const TStreamValue& v) { i.SetEditor(AsEnum(v, edMaskEditBtn)); }});
    Strings(list, "Filter", &TItem::Filter, &TItem::SetFilter);
    Flag(list, "FilterCaseSensitive", &TGridColumnSettings::FilterCaseSensitive);
    list.push_back({"Fixed", [](const TItem& i) { return TStreamValue(i.Fixed()); },
                    [](TItem& i, const TStreamValue& v) { i.SetFixed(AsBool(v)); }});
    list.push_back({"FloatFormat",
                    [](const TItem& i) { return Unless(i.FloatFormat().empty(), i.FloatFormat()); },
                    [](TItem& i, const TStreamValue& v) { i.SetFloatFormat(AsText(v)); }});
    Font(list, "Font", &TItem::Font);
    list.push_back({"Header", [](const TItem& i) { return Unless(i.Header().empty(), i.Header()); },
                    [](TItem& i, const TStreamValue& v) { i.SetHeader(AsText(v)); }});
    list.push_back({"HeaderAlignment",
                    [](const TItem& i) { return TStreamValue(int32_t(i.HeaderAlignment())); },
                    [](TItem& i, const TStreamValue& v) { i.SetHeaderAlignment(AsEnum(v, taCenter)); }});
    Font(list, "HeaderFont", &TItem::HeaderFont);
    Int(list, "MinSize", &TGridColumnSettings::MinSize);
    Int(list, "MaxSize", &TGridColumnSettings::MaxSize);
    Text(list, "Name", &TGridColumnSettings::Name);
    list.push_back({"Password", [](const TItem& i) { return TStreamValue(i.Password()); },
                    [](TItem& i, const TStreamValue& v) { i.SetPassword(AsBool(v)); }});
    list.push_back({"PrintBorderCustom", [](const TItem& i) { return Unless(i.PrintBorderCustom, false); },
                    [](TItem& i, const TStreamValue& v) { i.PrintBorderCustom = AsBool(v); }});
    list.push_back({"PrintBorders",
                    [](const TItem& i) { return TStreamValue(SetBits(i.PrintBorders, cbBottom)); },
                    [](TItem& i, const TStreamValue& v) { i.PrintBorders = AsSet(v, cbBottom); }});
    Pen(list, "PrintBorderPen", &TItem::PrintBorderPen);
    Int(list, "PrintColor", &TGridColumnSettings::PrintColor);
    list.push_back({"PrintFontCustom", [](const TItem& i) { return Unless(i.PrintFontCustom, false); },
                    [](TItem& i, const TStreamValue& v) { i.PrintFontCustom = AsBool(v); }});
    Font(list, "PrintFont", &TItem::PrintFont);
    Flag(list, "ReadOnly", &TGridColumnSettings::ReadOnly);
    list.push_back({"ShowBands", [](const TItem& i) { return TStreamValue(i.ShowBands()); },
                    [](TItem& i, const TStreamValue& v) { i.SetShowBands(AsBool(v)); }});
    list.push_back({"SortStyle", [](const TItem& i) { return TStreamValue(int32_t(i.SortStyle)); },
                    [](TItem& i, const TStreamValue& v) { i.SortStyle = AsEnum(v, ssAlphaNumericNoCase); }});
    Text(list, "SortPrefix", &TGridColumnSettings::SortPrefix);
    Text(list, "SortSuffix", &TGridColumnSettings::SortSuffix);
    Int(list, "SpinMax", &TGridColumnSettings::SpinMax);
    Int(list, "SpinMin", &TGridColumnSettings::SpinMin);
    Int(list, "SpinStep", &TGridColumnSettings::SpinStep);
    Int(list, "Tag", &TGridColumnSettings::Tag);
    list.push_back({"Width", [](const TItem& i) { return TStreamValue(i.Width()); },
                    [](TItem& i, const TStreamValue& v) { i.SetWidth(AsInt(v)); }});
    return list;
}

} // namespace

const std::vector<TColumnProperty>& ColumnItemProperties()
{
    static const TProperties properties = BuildProperties();
    return properties;
}
