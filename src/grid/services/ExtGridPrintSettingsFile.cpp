#include <functional>
#include <optional>
#include <vector>

#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/PrintSettings.h"
#include "platform/os/IniFiles.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/SysUtils.h"

// The print settings in a section of an INI file: numbers and enumerations in decimal,
// flags as "Y" or "N", fonts as name, points, style bits and colour, the title lines joined
// by backslash-n. The table gives the file's order and each key's default.

namespace {

struct TPrintIni {
    TIniFile& File;
    const std::string& Section;
    int Int(const std::string& Key, int Default) const { return File.ReadInteger(Section, Key, Default); }
    std::string Text(const std::string& Key, const std::string& Default) const
    {
        return File.ReadString(Section, Key, Default);
    }
};

struct TPrintKey {
    std::string Key;
    std::function<void(TPrintSettings&, TIniFile&, const std::string&)> Save;
    std::function<void(TPrintSettings&, const TPrintIni&)> Load;
};

TPrintKey PrintInt(std::string Key, int TPrintSettingsValues::*Field, int Default)
{
    return {Key, [Key, Field](TPrintSettings& p, TIniFile& f, const std::string& s) { f.WriteInteger(s, Key, p.*Field); },
            [Key, Field, Default](TPrintSettings& p, const TPrintIni& ini) { p.*Field = ini.Int(Key, Default); }};
}

TPrintKey PrintFlag(std::string Key, bool TPrintSettingsValues::*Field, bool Default)
{
    return {Key,
            [Key, Field](TPrintSettings& p, TIniFile& f, const std::string& s) {
                f.WriteString(s, Key, p.*Field ? "Y" : "N");
            },
            [Key, Field, Default](TPrintSettings& p, const TPrintIni& ini) {
                p.*Field = ini.Text(Key, Default ? "Y" : "N") == "Y";
            }};
}

TPrintKey PrintText(std::string Key, std::string TPrintSettingsValues::*Field)
{
    return {Key, [Key, Field](TPrintSettings& p, TIniFile& f, const std::string& s) { f.WriteString(s, Key, p.*Field); },
            [Key, Field](TPrintSettings& p, const TPrintIni& ini) { p.*Field = ini.Text(Key, ""); }};
}

// An enumeration by its position. A read value outside First..Last gives Fallback, or leaves
// the setting as it was when there is none.
template <typename E>
TPrintKey PrintEnum(std::string Key, E TPrintSettingsValues::*Field, int First, int Last, std::optional<E> Fallback)
{
    return {Key,
            [Key, Field](TPrintSettings& p, TIniFile& f, const std::string& s) {
                f.WriteInteger(s, Key, static_cast<int>(p.*Field));
            },
            [Key, Field, First, Last, Fallback](TPrintSettings& p, const TPrintIni& ini) {
                const int value = ini.Int(Key, 0);
                if (value >= First && value <= Last)
                    p.*Field = static_cast<E>(value);
                else if (Fallback)
                    p.*Field = *Fallback;
            }};
}

TPrintKey PrintPosition(std::string Key, TPrintPosition TPrintSettingsValues::*Field)
{
    return PrintEnum<TPrintPosition>(std::move(Key), Field, ppTopLeft, ppBottomCenter, ppNone);
}

int PrintFontStyleBits(TFontStyles Style)
{
    int bits = 0;
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (Style.Contains(static_cast<TFontStyle>(s))) bits |= 1 << s;
    return bits;
}

// The style is the saved one exactly: a style the font had before does not stay.
TFontStyles PrintFontStyle(int Bits)
{
    TFontStyles style;
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (Bits & (1 << s)) style += static_cast<TFontStyle>(s);
    return style;
}

void AddPrintFont(std::vector<TPrintKey>& Keys, const std::string& Prefix, TFont* (TPrintSettings::*FontOf)() const)
{
    const std::string name = Prefix + "Name", size = Prefix + "Size", style = Prefix + "Style",
                      color = Prefix + "Color";
    Keys.push_back({name, [=](TPrintSettings& p, TIniFile& f, const std::string& s) {
                        f.WriteString(s, name, (p.*FontOf)()->Name());
                    },
                    [=](TPrintSettings& p, const TPrintIni& ini) { (p.*FontOf)()->SetName(ini.Text(name, "Arial")); }});
    Keys.push_back({size, [=](TPrintSettings& p, TIniFile& f, const std::string& s) {
                        f.WriteInteger(s, size, (p.*FontOf)()->Size());
                    },
                    [=](TPrintSettings& p, const TPrintIni& ini) { (p.*FontOf)()->SetSize(ini.Int(size, 10)); }});
    Keys.push_back({style,
                    [=](TPrintSettings& p, TIniFile& f, const std::string& s) {
                        f.WriteInteger(s, style, PrintFontStyleBits((p.*FontOf)()->Style()));
                    },
                    [=](TPrintSettings& p, const TPrintIni& ini) {
                        (p.*FontOf)()->SetStyle(PrintFontStyle(ini.Int(style, 0)));
                    }});
    Keys.push_back({color,
                    [=](TPrintSettings& p, TIniFile& f, const std::string& s) {
                        f.WriteInteger(s, color, static_cast<int32_t>((p.*FontOf)()->Color()));
                    },
                    [=](TPrintSettings& p, const TPrintIni& ini) {
                        (p.*FontOf)()->SetColor(static_cast<TColor>(ini.Int(color, 0)));
                    }});
}

std::string JoinTitleLines(const TStringList& Lines)
{
    std::string out;
    for (const std::string& line : Lines.Items())
        out += line + "\\n";
    return out;
}

void SplitTitleLines(const std::string& Text, TStringList& Lines)
{
    Lines.Clear();
    size_t start = 0;
    while (start < Text.size()) {
        size_t end = Text.find("\\n", start);
        if (end == std::string::npos) end = Text.size();
        Lines.Add(Text.substr(start, end - start));
        start = end + 2;
    }
}

const std::vector<TPrintKey>& PrintKeys()
{
    using V = TPrintSettingsValues;
    static const std::vector<TPrintKey> keys = [] {
        std::vector<TPrintKey> k;
        k.push_back(PrintInt("ColumnSpacing", &V::ColumnSpacing, 20));
        k.push_back(PrintInt("RowSpacing", &V::RowSpacing, 20));
        k.push_back(PrintInt("TitleSpacing", &V::TitleSpacing, 20));
        k.push_back(PrintInt("FixedHeight", &V::FixedHeight, 0));
        k.push_back(PrintInt("FixedWidth", &V::FixedWidth, 0));
        k.push_back(PrintFlag("Centered", &V::Centered, true));
        k.push_back(PrintFlag("NoAutoSize", &V::NoAutoSize, false));
        k.push_back(PrintFlag("UseFixedHeight", &V::UseFixedHeight, false));
        k.push_back(PrintFlag("UseFixedWidth", &V::UseFixedWidth, false));
        k.push_back(PrintFlag("RepeatFixedRows", &V::RepeatFixedRows, false));
        k.push_back(PrintFlag("RepeatFixedCols", &V::RepeatFixedCols, false));
        k.push_back(PrintFlag("UseDisplFont", &V::UseDisplayFont, false));
        k.push_back(PrintFlag("UseDefOrientation", &V::UseDefaultOrientation, false));
        k.push_back(PrintEnum<TPrintBorders>("Borders", &V::Borders, pbNoborder, pbCustom, std::nullopt));
        k.push_back({"BorderColor",
                     [](TPrintSettings& p, TIniFile& f, const std::string& s) {
                         f.WriteInteger(s, "BorderColor", static_cast<int32_t>(p.BorderColor));
                     },
                     [](TPrintSettings& p, const TPrintIni& ini) {
                         p.BorderColor = static_cast<TColor>(ini.Int("BorderColor", 0));
                     }});
        // Every pen style the settings can hold loads back.
        k.push_back(PrintEnum<TPenStyle>("BorderStyle", &V::BorderStyle, psSolid, psInsideFrame, std::nullopt));
        k.push_back(PrintPosition("Date", &V::Date));
        k.push_back(PrintPosition("PageNr", &V::PageNr));
        k.push_back(PrintPosition("Title", &V::Title));
        k.push_back(PrintPosition("Time", &V::Time));
        k.push_back(PrintText("DateFormat", &V::DateFormat));
        k.push_back(PrintText("TitleText", &V::TitleText));
        k.push_back(PrintInt("FooterSize", &V::FooterSize, 100));
        k.push_back(PrintInt("HeaderSize", &V::HeaderSize, 100));
        k.push_back(PrintInt("LeftSize", &V::LeftSize, 100));
        k.push_back(PrintInt("RightSize", &V::RightSize, 100));
        k.push_back(PrintEnum<TFitToPage>("FitToPage", &V::FitToPage, fpNever, fpCustom, std::nullopt));
        AddPrintFont(k, "Font", &TPrintSettings::Font);
        AddPrintFont(k, "HeaderFont", &TPrintSettings::HeaderFont);
        AddPrintFont(k, "FooterFont", &TPrintSettings::FooterFont);
        k.push_back(PrintText("PageNumSep", &V::PageNumSep));
        k.push_back(PrintText("PageSuffix", &V::PageSuffix));
        k.push_back(PrintText("PagePrefix", &V::PagePrefix));
        k.push_back(
            PrintEnum<TPrinterOrientation>("Orientation", &V::Orientation, poPortrait, poLandscape, std::nullopt));
        k.push_back({"TitleLines",
                     [](TPrintSettings& p, TIniFile& f, const std::string& s) {
                         f.WriteString(s, "TitleLines", JoinTitleLines(*p.TitleLines()));
                     },
                     [](TPrintSettings& p, const TPrintIni& ini) {
                         SplitTitleLines(ini.Text("TitleLines", ""), *p.TitleLines());
                     }});
        k.push_back(PrintFlag("PrintGraphics", &V::PrintGraphics, false));
        return k;
    }();
    return keys;
}

} // namespace

void TExtStringGrid::SavePrintSettings(const std::string& Key, const std::string& Section)
{
    TIniFile file(Key);
    for (const TPrintKey& key : PrintKeys())
        key.Save(*PrintSettings(), file, Section);
    file.UpdateFile();
}

void TExtStringGrid::LoadPrintSettings(const std::string& Key, const std::string& Section)
{
    TIniFile file(Key);
    const TPrintIni ini{file, Section};
    for (const TPrintKey& key : PrintKeys())
        key.Load(*PrintSettings(), ini);
    file.UpdateFile();
}
