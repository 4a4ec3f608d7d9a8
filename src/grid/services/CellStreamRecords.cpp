#include "grid/services/CellStreamRecords.h"

#include <functional>

#include "grid/control/CellGraphic.h"
#include "grid/control/ComponentStream.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/services/StreamIdents.h"

namespace {

void BeginRecord(TComponentWriter& Out, const std::string& ClassName)
{
    Out.Signature();
    Out.ShortString(ClassName);
    Out.ShortString("");
}

void EndRecord(TComponentWriter& Out)
{
    Out.Byte(vaNull); // end of the properties
    Out.Byte(vaNull); // end of the (no) child components
}

using TPropertyReader = std::function<bool(const std::string& Name, uint8_t Type)>;

// Hands every property to Property, which returns false for a name its record lacks.
void ReadRecord(TComponentReader& In, const TPropertyReader& Property)
{
    In.Signature();
    In.ShortString(); // class name, not checked
    In.ShortString(); // object name, never used
    for (std::string name = In.ShortString(); !name.empty(); name = In.ShortString()) {
        const uint8_t type = In.Byte();
        if (name == "Tag") {
            In.Integer(type);
            continue;
        }
        if (!Property(name, type)) throw EReadError("Property " + name + " does not exist");
    }
    if (In.Byte() != vaNull) throw EReadError("Invalid stream format");
}

void PutPropertyName(TComponentWriter& Out, const std::string& Name)
{
    Out.ShortString(Name);
}

void PutIntegerProperty(TComponentWriter& Out, const std::string& Name, int Value)
{
    PutPropertyName(Out, Name);
    Out.Integer(Value);
}

void PutBooleanProperty(TComponentWriter& Out, const std::string& Name, bool Value)
{
    PutPropertyName(Out, Name);
    Out.Boolean(Value);
}

void PutTextProperty(TComponentWriter& Out, const std::string& Name, const std::string& Value)
{
    if (Value.empty()) return;
    PutPropertyName(Out, Name);
    Out.Text(Value);
}

void PutIdentProperty(TComponentWriter& Out, const std::string& Name, const TIdentNames& Names, int Ordinal)
{
    PutPropertyName(Out, Name);
    Out.Ident(Names.Name(Ordinal));
}

void PutColorProperty(TComponentWriter& Out, const std::string& Name, TColor Value)
{
    PutPropertyName(Out, Name);
    if (const auto ident = ColorToIdent(Value))
        Out.Ident(*ident);
    else
        Out.Integer(static_cast<int32_t>(Value));
}

TColor ReadColor(TComponentReader& In, uint8_t Type)
{
    if (Type != vaIdent) return static_cast<TColor>(In.Integer(Type));
    const std::string name = In.Ident(Type);
    const auto value = IdentToColor(name);
    if (!value) throw EReadError("Invalid property value " + name);
    return *value;
}

template <typename E>
E ReadIdent(TComponentReader& In, uint8_t Type, const TIdentNames& Names)
{
    return Names.Value<E>(In.Ident(Type));
}

constexpr char kCellProperties[] = "CellProperties.";
constexpr char kCellGraphic[] = "CellGraphic.";

} // namespace

// ---- header and cell

void TGridPropIO::Write(TComponentWriter& Out) const
{
    BeginRecord(Out, "TGridPropIO");
    PutIntegerProperty(Out, "ColCount", ColCount);
    PutIntegerProperty(Out, "RowCount", RowCount);
    PutTextProperty(Out, "ColWidths", ColWidths);
    PutTextProperty(Out, "RowHeights", RowHeights);
    PutBooleanProperty(Out, "FullGrid", FullGrid);
    PutIntegerProperty(Out, "ID", ID);
    EndRecord(Out);
}

void TGridPropIO::Read(TComponentReader& In)
{
    *this = {};
    ReadRecord(In, [&](const std::string& Name, uint8_t Type) {
        if (Name == "ColCount") ColCount = In.Integer(Type);
        else if (Name == "RowCount") RowCount = In.Integer(Type);
        else if (Name == "ColWidths") ColWidths = In.Text(Type);
        else if (Name == "RowHeights") RowHeights = In.Text(Type);
        else if (Name == "FullGrid") FullGrid = In.Boolean(Type);
        else if (Name == "ID") ID = In.Integer(Type);
        else return false;
        return true;
    });
}

void TGridCellIO::Write(TComponentWriter& Out) const
{
    BeginRecord(Out, "TGridCellIO");
    PutIntegerProperty(Out, "Col", Col);
    PutIntegerProperty(Out, "Row", Row);
    PutTextProperty(Out, "Cell", Cell);
    PutBooleanProperty(Out, "HasProp", HasProp);
    EndRecord(Out);
}

void TGridCellIO::Read(TComponentReader& In)
{
    *this = {};
    ReadRecord(In, [&](const std::string& Name, uint8_t Type) {
        if (Name == "Col") Col = In.Integer(Type);
        else if (Name == "Row") Row = In.Integer(Type);
        else if (Name == "Cell") Cell = In.Text(Type);
        else if (Name == "HasProp") HasProp = In.Boolean(Type);
        else return false;
        return true;
    });
}

// ---- cell properties

TGridCellPropIO::TGridCellPropIO(TCellPropsStore* Grid)
    : FCellProperties(std::make_unique<TCellProperties>(Grid, 0, 0))
{
}

TGridCellPropIO::~TGridCellPropIO() = default;

void TGridCellPropIO::Write(TComponentWriter& Out) const
{
    const TCellProperties& p = *FCellProperties;
    const std::string prefix = kCellProperties;
    BeginRecord(Out, "TGridCellPropIO");
    PutBooleanProperty(Out, prefix + "IsBaseCell", p.IsBaseCell);
    PutIntegerProperty(Out, prefix + "CellSpanX", p.CellSpanX);
    PutIntegerProperty(Out, prefix + "CellSpanY", p.CellSpanY);
    PutIdentProperty(Out, prefix + "Alignment", AlignmentNames(), p.Alignment);
    PutColorProperty(Out, prefix + "BorderColor", p.BorderColor);
    PutIntegerProperty(Out, prefix + "BorderWidth", p.BorderWidth);
    PutColorProperty(Out, prefix + "BrushColor", p.BrushColor());
    PutColorProperty(Out, prefix + "BrushColorTo", p.BrushColorTo());
    PutIdentProperty(Out, prefix + "BrushStyle", BrushStyleNames(), p.BrushStyle);
    PutIntegerProperty(Out, prefix + "CellObject", 0);
    PutColorProperty(Out, prefix + "FontColor", p.FontColor);
    PutTextProperty(Out, prefix + "FontName", p.FontName);
    PutIntegerProperty(Out, prefix + "FontSize", p.FontSize);
    std::vector<std::string> styles;
    for (int s = fsBold; s <= fsStrikeOut; ++s)
        if (p.FontStyle.Contains(static_cast<TFontStyle>(s))) styles.push_back(FontStyleNames().Name(s));
    PutPropertyName(Out, prefix + "FontStyle");
    Out.Set(styles);
    PutIdentProperty(Out, prefix + "Editor", EditorTypeNames(), p.Editor);
    PutIdentProperty(Out, prefix + "GradientDirection", GradientDirectionNames(), p.GradientDirection);
    PutBooleanProperty(Out, prefix + "ReadOnly", p.ReadOnly);
    PutIdentProperty(Out, prefix + "VAlignment", VAlignmentNames(), p.VAlignment());
    PutBooleanProperty(Out, prefix + "WordWrap", p.WordWrap());
    PutIntegerProperty(Out, prefix + "NodeLevel", p.NodeLevel);
    if (p.Control) {
        PutPropertyName(Out, prefix + "Control");
        const TComponent* owner = p.Control->Owner();
        Out.Ident((owner ? owner->Name() + "." : std::string()) + p.Control->Name());
    }
    PutBooleanProperty(Out, "HasGraphic", HasGraphic);
    EndRecord(Out);
}

void TGridCellPropIO::Read(TComponentReader& In)
{
    TCellProperties& p = *FCellProperties;
    HasGraphic = false;
    ReadRecord(In, [&](const std::string& Path, uint8_t Type) {
        if (Path == "HasGraphic") {
            HasGraphic = In.Boolean(Type);
            return true;
        }
        if (Path.rfind(kCellProperties, 0) != 0) return false;
        const std::string name = Path.substr(sizeof(kCellProperties) - 1);
        if (name == "IsBaseCell") p.IsBaseCell = In.Boolean(Type);
        else if (name == "CellSpanX") p.CellSpanX = In.Integer(Type);
        else if (name == "CellSpanY") p.CellSpanY = In.Integer(Type);
        else if (name == "Alignment") p.Alignment = ReadIdent<TAlignment>(In, Type, AlignmentNames());
        else if (name == "BorderColor") p.BorderColor = ReadColor(In, Type);
        else if (name == "BorderWidth") p.BorderWidth = In.Integer(Type);
        else if (name == "BrushColor") p.SetBrushColor(ReadColor(In, Type));
        else if (name == "BrushColorTo") p.SetBrushColorTo(ReadColor(In, Type));
        else if (name == "BrushStyle") p.BrushStyle = ReadIdent<TBrushStyle>(In, Type, BrushStyleNames());
        else if (name == "CellObject") In.Integer(Type); // a pointer of another process
        else if (name == "FontColor") p.FontColor = ReadColor(In, Type);
        else if (name == "FontName") p.FontName = In.Text(Type);
        else if (name == "FontSize") p.FontSize = In.Integer(Type);
        else if (name == "FontStyle") {
            TFontStyles styles;
            for (const std::string& member : In.Set(Type))
                styles += FontStyleNames().Value<TFontStyle>(member);
            p.FontStyle = styles;
        } else if (name == "Editor") p.Editor = ReadIdent<TEditorType>(In, Type, EditorTypeNames());
        else if (name == "GradientDirection")
            p.GradientDirection = ReadIdent<TCellGradientDirection>(In, Type, GradientDirectionNames());
        else if (name == "ReadOnly") p.ReadOnly = In.Boolean(Type);
        else if (name == "VAlignment") p.SetVAlignment(ReadIdent<TVAlignment>(In, Type, VAlignmentNames()));
        else if (name == "WordWrap") p.SetWordWrap(In.Boolean(Type));
        else if (name == "NodeLevel") p.NodeLevel = In.Integer(Type);
        // An embedded control belongs to the writing form; this grid cannot resolve it.
        else if (name == "Control") {
            if (Type != vaNil) In.Ident(Type);
        } else return false;
        return true;
    });
}

// ---- cell graphic

TGridGraphicIO::TGridGraphicIO() : FCellGraphic(std::make_unique<TCellGraphic>()) {}

TGridGraphicIO::~TGridGraphicIO() = default;

void TGridGraphicIO::Write(TComponentWriter& Out) const
{
    const TCellGraphic& g = *FCellGraphic;
    const std::string prefix = kCellGraphic;
    BeginRecord(Out, "TGridGraphicIO");
    PutIdentProperty(Out, prefix + "CellType", CellTypeNames(), g.CellType);
    PutIdentProperty(Out, prefix + "CellVAlign", CellVAlignNames(), g.CellVAlign);
    PutIdentProperty(Out, prefix + "CellHAlign", CellHAlignNames(), g.CellHAlign);
    PutIntegerProperty(Out, prefix + "CellIndex", g.CellIndex);
    PutBooleanProperty(Out, prefix + "CellTransparent", g.CellTransparent);
    PutBooleanProperty(Out, prefix + "CellCreated", g.CellCreated);
    PutBooleanProperty(Out, prefix + "CellBoolean", g.CellBoolean);
    PutIdentProperty(Out, prefix + "CellCheckBoxState", CheckBoxStateNames(), g.CellCheckBoxState);
    PutIntegerProperty(Out, prefix + "CellAngle", g.CellAngle);
    if (g.CellValue != 0) {
        PutPropertyName(Out, prefix + "CellValue");
        Out.Extended(g.CellValue);
    }
    PutIntegerProperty(Out, prefix + "CellErrFrom", g.CellErrFrom);
    PutIntegerProperty(Out, prefix + "CellErrLen", g.CellErrLen);
    PutTextProperty(Out, prefix + "CellText", g.CellText);
    EndRecord(Out);
}

void TGridGraphicIO::Read(TComponentReader& In)
{
    FCellGraphic = std::make_unique<TCellGraphic>();
    TCellGraphic& g = *FCellGraphic;
    ReadRecord(In, [&](const std::string& Path, uint8_t Type) {
        if (Path.rfind(kCellGraphic, 0) != 0) return false;
        const std::string name = Path.substr(sizeof(kCellGraphic) - 1);
        if (name == "CellType") g.CellType = ReadIdent<TCellType>(In, Type, CellTypeNames());
        else if (name == "CellVAlign") g.CellVAlign = ReadIdent<TCellVAlign>(In, Type, CellVAlignNames());
        else if (name == "CellHAlign") g.CellHAlign = ReadIdent<TCellHAlign>(In, Type, CellHAlignNames());
        else if (name == "CellIndex") g.CellIndex = In.Integer(Type);
        else if (name == "CellTransparent") g.CellTransparent = In.Boolean(Type);
        else if (name == "CellCreated") g.CellCreated = In.Boolean(Type);
        else if (name == "CellBoolean") g.CellBoolean = In.Boolean(Type);
        else if (name == "CellCheckBoxState")
            g.CellCheckBoxState = ReadIdent<TCheckBoxState>(In, Type, CheckBoxStateNames());
        else if (name == "CellAngle") g.CellAngle = In.Integer(Type);
        else if (name == "CellValue") g.CellValue = In.Extended(Type);
        else if (name == "CellErrFrom") g.CellErrFrom = In.Integer(Type);
        else if (name == "CellErrLen") g.CellErrLen = In.Integer(Type);
        else if (name == "CellText") g.CellText = In.Text(Type);
        else return false;
        return true;
    });
}

// ---- payloads

void TGridSLIO::Write(TComponentWriter& Out) const
{
    BeginRecord(Out, "TGridSLIO");
    if (!Strings.empty()) {
        PutPropertyName(Out, "Strings.Strings");
        Out.Byte(vaList);
        for (const std::string& item : Strings)
            Out.Text(item);
        Out.Byte(vaNull);
    }
    EndRecord(Out);
}

void TGridSLIO::Read(TComponentReader& In)
{
    Strings.clear();
    ReadRecord(In, [&](const std::string& Name, uint8_t Type) {
        if (Name != "Strings.Strings") return false;
        Strings = In.TextList(Type);
        return true;
    });
}

void TGridFilePicIO::Write(TComponentWriter& Out) const
{
    BeginRecord(Out, "TGridFilePicIO");
    PutTextProperty(Out, "Picture.Filename", Filename);
    EndRecord(Out);
}

void TGridFilePicIO::Read(TComponentReader& In)
{
    Filename.clear();
    ReadRecord(In, [&](const std::string& Name, uint8_t Type) {
        if (Name != "Picture.Filename") return false;
        Filename = In.Text(Type);
        return true;
    });
}

void TGridGraphicDataIO::Write(TComponentWriter& Out) const
{
    BeginRecord(Out, ClassName);
    if (!Data.empty()) {
        PutPropertyName(Out, Path);
        Out.Binary(Data);
    }
    EndRecord(Out);
}

void TGridGraphicDataIO::Read(TComponentReader& In)
{
    Data.clear();
    ReadRecord(In, [&](const std::string& Name, uint8_t Type) {
        if (Name != Path) return false;
        Data = In.Binary(Type);
        return true;
    });
}
