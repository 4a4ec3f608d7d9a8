#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/BackGround.h"
#include "grid/control/settings/BalloonSettings.h"
#include "grid/control/settings/ControlLook.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/control/settings/Grouping.h"
#include "grid/control/settings/SortSettings.h"
#include "grid/foundation/model/Bands.h"
#include "grid/foundation/model/SearchFooter.h"
#include "grid/services/StreamIdents.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

// The grid's visual properties as "Key=Value" lines. Each key is the property's path; the
// table below is the file's order, and every kind of value is written and read by one pair
// of functions.

namespace {

using TVisualGrid = TExtStringGrid;

// One line of the file: how its value is written, and how a read value (none when the key
// is missing) is set.
struct TVisualProp {
    std::string Key;
    std::function<std::string(TVisualGrid&)> Save;
    std::function<void(TVisualGrid&, const std::optional<std::string>&)> Load;
};

template <typename T> using TVisualGetter = std::function<T(TVisualGrid&)>;
template <typename T> using TVisualSetter = std::function<void(TVisualGrid&, T)>;

std::string VisualColorText(TColor Value)
{
    if (const std::optional<std::string> name = ColorToIdent(Value)) return *name;
    return "$" + IntToHex(static_cast<uint32_t>(Value), 8);
}

TColor VisualColorValue(const std::optional<std::string>& Text)
{
    if (!Text || Text->empty()) return clNone;
    if (const std::optional<TColor> named = IdentToColor(*Text)) return *named;
    // A colour is any 32-bit pattern, so "$" numbers may go past the signed range.
    int64_t value = 0;
    if (!TryStrToInt64(*Text, value) || value < INT32_MIN || value > static_cast<int64_t>(UINT32_MAX))
        throw EConvertError("'" + *Text + "' is not a valid colour");
    return static_cast<TColor>(value);
}

TVisualProp ColorProp(std::string Key, TVisualGetter<TColor> Get, TVisualSetter<TColor> Set)
{
    return {std::move(Key), [Get](TVisualGrid& g) { return VisualColorText(Get(g)); },
            [Set](TVisualGrid& g, const std::optional<std::string>& v) { Set(g, VisualColorValue(v)); }};
}

TVisualProp FlagProp(std::string Key, TVisualGetter<bool> Get, TVisualSetter<bool> Set)
{
    return {
        std::move(Key), [Get](TVisualGrid& g) { return std::string(Get(g) ? "true" : "false"); },
        [Set](TVisualGrid& g, const std::optional<std::string>& v) { Set(g, v && SameText(*v, "true")); }};
}

TVisualProp IntProp(std::string Key, TVisualGetter<int> Get, TVisualSetter<int> Set)
{
    return {std::move(Key), [Get](TVisualGrid& g) { return std::to_string(Get(g)); },
            [Set](TVisualGrid& g, const std::optional<std::string>& v) { Set(g, StrToInt(v.value_or(""))); }};
}

// Names compared without regard to case; a value that names none leaves the property alone.
TVisualProp EnumProp(std::string Key, std::vector<std::string> Names, TVisualGetter<int> Get,
                     TVisualSetter<int> Set)
{
    return {std::move(Key),
            [Names, Get](TVisualGrid& g) {
                const int value = Get(g);
                return value >= 0 && value < static_cast<int>(Names.size())
                           ? Names[static_cast<size_t>(value)]
                           : std::string();
            },
            [Names, Set](TVisualGrid& g, const std::optional<std::string>& v) {
                for (size_t i = 0; v && i < Names.size(); ++i)
                    if (!Names[i].empty() && SameText(*v, Names[i])) return Set(g, static_cast<int>(i));
            }};
}

void AddFontProps(std::vector<TVisualProp>& Props, const std::string& Prefix, TVisualGetter<TFont*> FontOf)
{
    static const char* const kStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    Props.push_back(ColorProp(
        Prefix + ".Color", [FontOf](TVisualGrid& g) { return FontOf(g)->Color(); },
        [FontOf](TVisualGrid& g, TColor v) { FontOf(g)->SetColor(v); }));
    Props.push_back({Prefix + ".Style",
                     [FontOf](TVisualGrid& g) {
                         std::string out;
                         for (int s = fsBold; s <= fsStrikeOut; ++s)
                             if (FontOf(g)->Style().Contains(static_cast<TFontStyle>(s)))
                                 out += (out.empty() ? "" : ",") + std::string(kStyleNames[s]);
                         return out;
                     },
                     [FontOf](TVisualGrid& g, const std::optional<std::string>& v) {
                         TFontStyles style;
                         for (int s = fsBold; s <= fsStrikeOut; ++s)
                             if (v && v->find(kStyleNames[s]) != std::string::npos)
                                 style += static_cast<TFontStyle>(s);
                         FontOf(g)->SetStyle(style);
                     }});
    Props.push_back(IntProp(
        Prefix + ".Size", [FontOf](TVisualGrid& g) { return FontOf(g)->Size(); },
        [FontOf](TVisualGrid& g, int v) { FontOf(g)->SetSize(v); }));
    Props.push_back({Prefix + ".Name", [FontOf](TVisualGrid& g) { return FontOf(g)->Name(); },
                     [FontOf](TVisualGrid& g, const std::optional<std::string>& v) {
                         // A font keeps its name rather than take none.
                         if (v) FontOf(g)->SetName(*v);
                     }});
}

// A property of a settings object the grid owns, read and written through its accessors.
template <typename T, typename Owner, typename Getter, typename Setter>
TVisualProp AccessorProp(TVisualProp (*Make)(std::string, TVisualGetter<T>, TVisualSetter<T>),
                         std::string Key, Owner* (TVisualGrid::*OwnerOf)() const, Getter Get, Setter Set)
{
    return Make(
        std::move(Key), [OwnerOf, Get](TVisualGrid& g) { return ((g.*OwnerOf)()->*Get)(); },
        [OwnerOf, Set](TVisualGrid& g, T v) { ((g.*OwnerOf)()->*Set)(v); });
}

// A plain field of a settings object the grid owns, written and read by Make's rules.
template <typename T, typename Owner, typename Base>
TVisualProp FieldProp(TVisualProp (*Make)(std::string, TVisualGetter<T>, TVisualSetter<T>), std::string Key,
                      Owner* (TVisualGrid::*OwnerOf)() const, T Base::*Field)
{
    return Make(
        std::move(Key), [OwnerOf, Field](TVisualGrid& g) { return (g.*OwnerOf)()->*Field; },
        [OwnerOf, Field](TVisualGrid& g, T v) { (g.*OwnerOf)()->*Field = v; });
}

TVisualProp GridColorProp(std::string Key, TColor TExtGridProperties::*Field,
                          void (TVisualGrid::*Setter)(TColor))
{
    return ColorProp(
        std::move(Key), [Field](TVisualGrid& g) { return g.*Field; },
        [Field, Setter](TVisualGrid& g, TColor v) {
            if (Setter)
                (g.*Setter)(v);
            else
                g.*Field = v;
        });
}

const std::vector<TVisualProp>& VisualProps()
{
    static const std::vector<TVisualProp> props = [] {
        std::vector<TVisualProp> p;
        p.push_back(ColorProp(
            "Color", [](TVisualGrid& g) { return g.Color(); },
            [](TVisualGrid& g, TColor v) { g.SetColor(v); }));
        p.push_back(GridColorProp("HintColor", &TExtGridProperties::HintColor, nullptr));
        p.push_back(GridColorProp("SelectionColor", &TExtGridProperties::SelectionColor,
                                  &TVisualGrid::SetSelectionColor));
        p.push_back(GridColorProp("SelectionColorTo", &TExtGridProperties::SelectionColorTo,
                                  &TVisualGrid::SetSelectionColorTo));
        p.push_back(GridColorProp("SelectionMirrorColor", &TExtGridProperties::SelectionMirrorColor,
                                  &TVisualGrid::SetSelectionMirrorColor));
        p.push_back(GridColorProp("SelectionMirrorColorTo", &TExtGridProperties::SelectionMirrorColorTo,
                                  &TVisualGrid::SetSelectionMirrorColorTo));
        p.push_back(GridColorProp("SelectionTextColor", &TExtGridProperties::SelectionTextColor,
                                  &TVisualGrid::SetSelectionTextColor));
        p.push_back(GridColorProp("URLColor", &TExtGridProperties::URLColor, &TVisualGrid::SetURLColor));
        p.push_back(FlagProp(
            "URLShow", [](TVisualGrid& g) { return g.URLShow; },
            [](TVisualGrid& g, bool v) { g.SetURLShow(v); }));
        p.push_back(FlagProp(
            "URLShowInText", [](TVisualGrid& g) { return g.URLShowInText; },
            [](TVisualGrid& g, bool v) { g.SetURLShowInText(v); }));
        p.push_back(
            GridColorProp("ScrollColor", &TExtGridProperties::ScrollColor, &TVisualGrid::SetScrollColor));
        p.push_back(ColorProp(
            "ActiveRowColor", [](TVisualGrid& g) { return g.ActiveRowColor(); },
            [](TVisualGrid& g, TColor v) { g.SetActiveRowColor(v); }));
        p.push_back(FlagProp(
            "ActiveRowShow", [](TVisualGrid& g) { return g.ActiveRowShow(); },
            [](TVisualGrid& g, bool v) { g.SetActiveRowShow(v); }));
        p.push_back(FlagProp(
            "ActiveCellShow", [](TVisualGrid& g) { return g.ActiveCellShow; },
            [](TVisualGrid& g, bool v) {
                g.ActiveCellShow = v;
                g.Invalidate();
            }));
        AddFontProps(p, "Font", [](TVisualGrid& g) { return g.Font(); });
        p.push_back(GridColorProp("ActiveCellColor", &TExtGridProperties::ActiveCellColor, nullptr));
        p.push_back(GridColorProp("ActiveCellColorTo", &TExtGridProperties::ActiveCellColorTo, nullptr));
        AddFontProps(p, "ActiveCellFont", [](TVisualGrid& g) { return g.ActiveCellFont(); });
        AddFontProps(p, "FixedFont", [](TVisualGrid& g) { return g.FixedFont(); });
        p.push_back(FieldProp(ColorProp, "Balloon.BackgroundColor", &TVisualGrid::Balloon,
                              &TBalloonSettings::BackgroundColor));
        p.push_back(
            FieldProp(ColorProp, "Balloon.TextColor", &TVisualGrid::Balloon, &TBalloonSettings::TextColor));
        p.push_back(IntProp(
            "Balloon.Transparency",
            [](TVisualGrid& g) { return static_cast<int>(g.Balloon()->Transparency); },
            [](TVisualGrid& g, int v) { g.Balloon()->Transparency = static_cast<uint8_t>(v); }));
        p.push_back(AccessorProp(ColorProp, "Bands.PrimaryColor", &TVisualGrid::Bands, &TBands::PrimaryColor,
                                 &TBands::SetPrimaryColor));
        p.push_back(AccessorProp(ColorProp, "Bands.SecondaryColor", &TVisualGrid::Bands,
                                 &TBands::SecondaryColor, &TBands::SetSecondaryColor));
        p.push_back(
            AccessorProp(FlagProp, "Bands.Active", &TVisualGrid::Bands, &TBands::Active, &TBands::SetActive));
        p.push_back(FieldProp(ColorProp, "SortSettings.IndexColor", &TVisualGrid::SortSettings,
                              &TSortSettings::IndexColor));
        p.push_back(AccessorProp(ColorProp, "FloatingFooter.Color", &TVisualGrid::FloatingFooter,
                                 &TFloatingFooter::Color, &TFloatingFooter::SetColor));
        p.push_back(AccessorProp(IntProp, "ControlLook.CheckSize", &TVisualGrid::ControlLook,
                                 &TControlLook::CheckSize, &TControlLook::SetCheckSize));
        p.push_back(AccessorProp(ColorProp, "ControlLook.Color", &TVisualGrid::ControlLook,
                                 &TControlLook::Color, &TControlLook::SetColor));
        p.push_back(AccessorProp(ColorProp, "ControlLook.CommentColor", &TVisualGrid::ControlLook,
                                 &TControlLook::CommentColor, &TControlLook::SetCommentColor));
        p.push_back(EnumProp(
            "ControlLook.ControlStyle",
            {"csClassic", "csFlat", "csWinXP", "csBorland", "csSuite", "csGlyph", "csTheme"},
            [](TVisualGrid& g) { return static_cast<int>(g.ControlLook()->ControlStyle()); },
            [](TVisualGrid& g, int v) {
                g.ControlLook()->SetControlStyle(static_cast<TControlLook::TControlStyle>(v));
            }));
        p.push_back(AccessorProp(ColorProp, "ControlLook.FixedGradientFrom", &TVisualGrid::ControlLook,
                                 &TControlLook::FixedGradientFrom, &TControlLook::SetFixedGradientFrom));
        p.push_back(AccessorProp(ColorProp, "ControlLook.FixedGradientTo", &TVisualGrid::ControlLook,
                                 &TControlLook::FixedGradientTo, &TControlLook::SetFixedGradientTo));
        p.push_back(AccessorProp(IntProp, "ControlLook.RadioSize", &TVisualGrid::ControlLook,
                                 &TControlLook::RadioSize, &TControlLook::SetRadioSize));
        p.push_back(AccessorProp(FlagProp, "ControlLook.FlatButton", &TVisualGrid::ControlLook,
                                 &TControlLook::FlatButton, &TControlLook::SetFlatButton));
        p.push_back(FieldProp(ColorProp, "ControlLook.ProgressBorderColor", &TVisualGrid::ControlLook,
                              &TControlLook::ProgressBorderColor));
        p.push_back(AccessorProp(FlagProp, "ControlLook.ProgressXP", &TVisualGrid::ControlLook,
                                 &TControlLook::ProgressXP, &TControlLook::SetProgressXP));
        // The custom look has no name: it is written empty and never read back.
        p.push_back(EnumProp(
            "Look",
            {"glStandard", "glSoft", "glClassic", "glSuite", "glXP", "glListView", "glVista", "glWin7",
             "glOffice2007", ""},
            [](TVisualGrid& g) { return static_cast<int>(g.Look()); },
            [](TVisualGrid& g, int v) { g.SetLook(static_cast<TGridLook>(v)); }));
        p.push_back(AccessorProp(ColorProp, "SearchFooter.Color", &TVisualGrid::SearchFooter,
                                 &TSearchFooter::Color, &TSearchFooter::SetColor));
        p.push_back(AccessorProp(ColorProp, "SearchFooter.ColorTo", &TVisualGrid::SearchFooter,
                                 &TSearchFooter::ColorTo, &TSearchFooter::SetColorTo));
        p.push_back(
            FieldProp(ColorProp, "Grouping.HeaderColor", &TVisualGrid::Grouping, &TGrouping::HeaderColor));
        p.push_back(FieldProp(ColorProp, "Grouping.HeaderColorTo", &TVisualGrid::Grouping,
                              &TGrouping::HeaderColorTo));
        p.push_back(FieldProp(ColorProp, "Grouping.HeaderTextColor", &TVisualGrid::Grouping,
                              &TGrouping::HeaderTextColor));
        p.push_back(FieldProp(FlagProp, "Grouping.HeaderUnderline", &TVisualGrid::Grouping,
                              &TGrouping::HeaderUnderline));
        p.push_back(FieldProp(ColorProp, "Grouping.HeaderLineColor", &TVisualGrid::Grouping,
                              &TGrouping::HeaderLineColor));
        p.push_back(FieldProp(IntProp, "Grouping.HeaderLineWidth", &TVisualGrid::Grouping,
                              &TGrouping::HeaderLineWidth));
        p.push_back(
            FieldProp(ColorProp, "Grouping.SummaryColor", &TVisualGrid::Grouping, &TGrouping::SummaryColor));
        p.push_back(FieldProp(ColorProp, "Grouping.SummaryColorTo", &TVisualGrid::Grouping,
                              &TGrouping::SummaryColorTo));
        p.push_back(FieldProp(ColorProp, "Grouping.SummaryTextColor", &TVisualGrid::Grouping,
                              &TGrouping::SummaryTextColor));
        p.push_back(
            FieldProp(FlagProp, "Grouping.SummaryLine", &TVisualGrid::Grouping, &TGrouping::SummaryLine));
        p.push_back(FieldProp(ColorProp, "Grouping.SummaryLineColor", &TVisualGrid::Grouping,
                              &TGrouping::SummaryLineColor));
        p.push_back(FieldProp(IntProp, "Grouping.SummaryLineWidth", &TVisualGrid::Grouping,
                              &TGrouping::SummaryLineWidth));
        p.push_back(ColorProp(
            "GridLineColor", [](TVisualGrid& g) { return g.GridLineColor(); },
            [](TVisualGrid& g, TColor v) { g.SetGridLineColor(v); }));
        p.push_back(ColorProp(
            "GridFixedLineColor", [](TVisualGrid& g) { return g.GridFixedLineColor(); },
            [](TVisualGrid& g, TColor v) { g.SetGridFixedLineColor(v); }));
        p.push_back(AccessorProp(IntProp, "BackGround.Top", &TVisualGrid::BackGround, &TBackGround::Top,
                                 &TBackGround::SetTop));
        p.push_back(AccessorProp(IntProp, "BackGround.Left", &TVisualGrid::BackGround, &TBackGround::Left,
                                 &TBackGround::SetLeft));
        p.push_back(EnumProp(
            "BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
            [](TVisualGrid& g) { return static_cast<int>(g.BackGround()->Display()); },
            [](TVisualGrid& g, int v) { g.BackGround()->SetDisplay(static_cast<TBackGroundDisplay>(v)); }));
        p.push_back(EnumProp(
            "BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"},
            [](TVisualGrid& g) { return static_cast<int>(g.BackGround()->Cells()); },
            [](TVisualGrid& g, int v) { g.BackGround()->SetCells(static_cast<TBackGroundCells>(v)); }));
        p.push_back(AccessorProp(ColorProp, "BackGround.Color", &TVisualGrid::BackGround, &TBackGround::Color,
                                 &TBackGround::SetColor));
        p.push_back(AccessorProp(ColorProp, "BackGround.ColorTo", &TVisualGrid::BackGround,
                                 &TBackGround::ColorTo, &TBackGround::SetColorTo));
        return p;
    }();
    return props;
}

} // namespace

void TExtStringGrid::SaveVisualProps(const std::string& FileName)
{
    TStringList lines;
    for (const TVisualProp& prop : VisualProps())
        lines.Add(prop.Key + "=" + prop.Save(*this));
    try {
        lines.SaveToFile(FileName);
    } catch (const EInOutError&) {
        throw EFCreateError("Cannot Create " + FileName);
    }
}

void TExtStringGrid::LoadVisualProps(const std::string& FileName)
{
    TStringList lines;
    try {
        lines.LoadFromFile(FileName);
    } catch (const EInOutError&) {
        throw EFOpenError("Cannot open file " + FileName);
    }
    // Keys are found without regard to case; the first line of a key counts.
    std::map<std::string, std::string> values;
    for (const std::string& line : lines.Items()) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            values.emplace(UpperCase(line.substr(0, equals)), line.substr(equals + 1));
    }
    // A look sets many colours at once, so it comes first: the colours saved beside it are
    // the ones the user last chose, and must not be overwritten by it.
    std::vector<const TVisualProp*> order;
    for (const TVisualProp& prop : VisualProps())
        order.insert(prop.Key == "Look" ? order.begin() : order.end(), &prop);
    for (const TVisualProp* prop : order) {
        const auto found = values.find(UpperCase(prop->Key));
        prop->Load(*this, found == values.end() ? std::nullopt : std::optional<std::string>(found->second));
    }
}
