#include <cmath>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/IntList.h"
#include "grid/foundation/painting/FilePicture.h"

// The add, query and remove operations of the graphic kinds that are no check box or radio.

namespace {

template <typename T> T* ObjectOf(const TCellGraphic* Graphic)
{
    return Graphic ? dynamic_cast<T*>(Graphic->CellBitmap) : nullptr;
}

// Adds a graphic whose object the cell makes and owns, and hands the object out to be filled.
template <typename T, typename TSetter> T* AddOwned(TExtStringGrid& Grid, int ACol, int ARow, TSetter Set)
{
    TCellGraphic* graphic = Grid.CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* object = new T();
    Set(*graphic, object);
    graphic->CellCreated = true;
    return object;
}

} // namespace

void TExtStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExtStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    return AddOwned<TBitmap>(*this, ACol, ARow, [&](TCellGraphic& g, TBitmap* bitmap) {
        g.SetBitmap(bitmap, Transparent, hal, val);
    });
}

TBitmap* TExtStringGrid::GetBitmap(int ACol, int ARow) const
{
    return ObjectOf<TBitmap>(GraphicOfType(ACol, ARow, ctBitmap));
}

void TExtStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExtStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                        int Padding, TCellHAlign hal, TCellVAlign val)
{
    return AddOwned<TPicture>(*this, ACol, ARow, [&](TCellGraphic& g, TPicture* picture) {
        g.SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    });
}

TPicture* TExtStringGrid::GetPicture(int ACol, int ARow) const
{
    return ObjectOf<TPicture>(GraphicOfType(ACol, ARow, ctPicture));
}

void TExtStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetFilePicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExtStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent,
                                                TStretchMode StretchMode, int Padding, TCellHAlign hal,
                                                TCellVAlign val)
{
    return AddOwned<TFilePicture>(*this, ACol, ARow, [&](TCellGraphic& g, TFilePicture* picture) {
        g.SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    });
}

TFilePicture* TExtStringGrid::GetFilePicture(int ACol, int ARow) const
{
    return ObjectOf<TFilePicture>(GraphicOfType(ACol, ARow, ctFilePicture));
}

void TExtStringGrid::AddIcon(int ACol, int ARow, TGraphic* AIcon, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetIcon(AIcon, hal, val);
}

TBitmap* TExtStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    return AddOwned<TBitmap>(*this, ACol, ARow,
                             [&](TCellGraphic& g, TBitmap* icon) { g.SetIcon(icon, hal, val); });
}

void TExtStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetInterfacedCell(AObject);
}

TObject* TExtStringGrid::GetInterfacedCell(int ACol, int ARow) const
{
    const TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctInterface);
    return graphic ? graphic->CellBitmap : nullptr;
}

void TExtStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const std::string& Fmt, int Min,
                                          int Max)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctProgress;
    graphic->CellHAlign = haLeft;
    graphic->CellVAlign = vaTop;
    graphic->CellColor = FGColor;
    graphic->CellColor2 = BKColor;
    graphic->CellIndex = static_cast<int>(FGTextColor);
    graphic->CellAngle = static_cast<int>(BKTextColor);
    graphic->CellBoolean = true;
    graphic->CellErrFrom = Min;
    graphic->CellErrLen = Max;
    graphic->CellText = Fmt;
    if (AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
}

void TExtStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, "", 0, 100);
}

void TExtStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressEx(ACol, ARow, FGColor, clNone, BKColor, clNone);
    if (TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctProgress)) {
        graphic->CellBoolean = false;
        graphic->CellIndex = 0;
        graphic->CellAngle = 0;
    }
}

void TExtStringGrid::AddExtProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctXPProgress;
    graphic->CellErrFrom = Min;
    graphic->CellErrLen = Max;
}

void TExtStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctProgressPie;
    graphic->CellHAlign = haBeforeText;
    graphic->CellColor = Color;
    graphic->CellAngle = Value;
}

void TExtStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctProgressPie)) {
        graphic->CellAngle = Value;
        RepaintGraphicCell(ACol, ARow);
    }
}

void TExtStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctRangeIndicator;
    graphic->CellIndex = Range;
    graphic->CellColor = NegColor;
    graphic->CellColor2 = PosColor;
    graphic->CellBoolean = ShowValue;
}

void TExtStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctComment;
    graphic->CellText = Comment;
    graphic->CellIndex = static_cast<int>(Color);
}

void TExtStringGrid::AddComment(int ACol, int ARow, const std::string& Comment)
{
    AddColorComment(ACol, ARow, Comment, ControlLook()->CommentColor());
}

bool TExtStringGrid::IsComment(int ACol, int ARow, std::string& Comment) const
{
    const TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctComment);
    if (graphic) Comment = graphic->CellText;
    return graphic != nullptr;
}

std::string TExtStringGrid::GetComment(int ACol, int ARow) const
{
    std::string comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExtStringGrid::SetComment(int ACol, int ARow, const std::string& Value)
{
    if (!GetCellGraphic(ACol, ARow))
        AddComment(ACol, ARow, Value);
    else if (TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctComment))
        graphic->CellText = Value;
}

void TExtStringGrid::RemoveAllComments()
{
    ForEachGridCell([this](int c, int r) { RemoveComment(c, r); });
}

namespace {

// Progress bars and scroll bars keep their range where other kinds keep the error marker.
bool MarkerSlotsTaken(const TCellGraphic& Graphic)
{
    return Graphic.CellType == ctProgress || Graphic.CellType == ctXPProgress ||
           Graphic.CellType == ctScrollbar;
}

// Buttons and expand cells; a push or a caption never reaches another kind's values.
TCellGraphic* ButtonGraphic(TCellGraphic* Graphic)
{
    const bool button = Graphic && (Graphic->CellType == ctButton || Graphic->CellType == ctBitButton ||
                                    Graphic->CellType == ctExpand);
    return button ? Graphic : nullptr;
}

} // namespace

void TExtStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && MarkerSlotsTaken(*graphic)) return;
    if (!graphic) {
        graphic = CreateCellGraphic(ACol, ARow);
        if (!graphic) return;
        graphic->CellType = ctEmpty;
    }
    graphic->CellErrFrom = ErrPos;
    graphic->CellErrLen = ErrLen;
    RepaintGraphicCell(ACol, ARow);
}

void TExtStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) const
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    const bool marked = graphic && !MarkerSlotsTaken(*graphic);
    ErrPos = marked ? graphic->CellErrFrom : 0;
    ErrLen = marked ? graphic->CellErrLen : 0;
}

void TExtStringGrid::RemoveMarker(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctEmpty)) return;
    if (TCellGraphic* graphic = GetCellGraphic(ACol, ARow); graphic && !MarkerSlotsTaken(*graphic)) {
        graphic->CellErrFrom = 0;
        graphic->CellErrLen = 0;
    }
}

void TExtStringGrid::RemoveAllMarkers()
{
    ForEachGridCell([this](int c, int r) { RemoveMarker(c, r); });
}

void TExtStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctShape;
    graphic->CellAngle = Shape;
    graphic->CellIndex = static_cast<int>(FillColor);
    graphic->CellColor = LineColor;
    graphic->CellHAlign = hal;
    graphic->CellVAlign = val;
}

void TExtStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctShape))
        graphic->CellIndex = static_cast<int>(FillColor);
}

TColor TExtStringGrid::GetShapeColor(int ACol, int ARow) const
{
    const TCellGraphic* graphic = GraphicOfType(ACol, ARow, ctShape);
    return graphic ? static_cast<TColor>(graphic->CellIndex) : clNone;
}

void TExtStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctRating;
    graphic->CellHAlign = haFull;
    graphic->CellAngle = Scale;
    graphic->CellIndex = static_cast<int>(FillColor);
    graphic->CellColor = EmptyColor;
}

void TExtStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                               TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow)) graphic->SetButton(bw, bh, Caption, hal, val);
}

void TExtStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                  TBitmap* Glyph, TCellHAlign hal, TCellVAlign val)
{
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExtStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                         TCellHAlign hal, TCellVAlign val)
{
    return AddOwned<TBitmap>(*this, ACol, ARow, [&](TCellGraphic& g, TBitmap* glyph) {
        g.SetBitButton(bw, bh, Caption, glyph, hal, val);
    });
}

void TExtStringGrid::SetButtonText(int ACol, int ARow, const std::string& Value)
{
    if (TCellGraphic* graphic = ButtonGraphic(GetCellGraphic(RealColIndex(ACol), ARow))) {
        graphic->CellText = Value;
        RepaintCell(ACol, ARow);
    }
}

std::string TExtStringGrid::GetButtonText(int ACol, int ARow) const
{
    const TCellGraphic* graphic = ButtonGraphic(GetCellGraphic(RealColIndex(ACol), ARow));
    return graphic ? graphic->CellText : std::string();
}

void TExtStringGrid::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic* graphic = ButtonGraphic(GetCellGraphic(RealColIndex(ACol), ARow));
    if (!graphic) return;
    graphic->CellBoolean = Push;
    RepaintCell(ACol, ARow);
}

bool TExtStringGrid::RemoveButton(int ACol, int ARow)
{
    return RemoveCellGraphicOfType(ACol, ARow, ctButton) || RemoveBitButton(ACol, ARow);
}

void TExtStringGrid::RemoveAllButtons()
{
    ForEachGridCell([this](int c, int r) { RemoveButton(c, r); });
}

TRect TExtStringGrid::GetCellButtonRect(int ACol, int ARow) const
{
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!graphic) return {0, 0, 0, 0};
    const TRect cell = CellRect(ACol, ARow);
    const auto offset = static_cast<long long>(std::llround(graphic->CellValue));
    const int left = cell.Left + static_cast<int>(offset & 0xFFFF);
    const int top = cell.Top + static_cast<int>((offset >> 16) & 0xFFFF);
    TRect r{left, top, left + graphic->ButtonWidth(), top + graphic->ButtonHeight()};
    if (graphic->CellHAlign == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    if (graphic->CellVAlign == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    return r;
}

void TExtStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctScrollbar;
    graphic->CellAngle = 0;
    graphic->CellErrFrom = 100;
    graphic->CellBoolean = AutoRange;
}

bool TExtStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctScrollbar && graphic->CellBoolean;
}

void TExtStringGrid::CellTextChanged(int ACol, int ARow)
{
    if (!HasAutoRangeScrollBar(ACol, ARow)) return;
    const TSize text = GetCellTextSize(ACol, ARow, true, true);
    SetScrollProp(ACol, ARow, {RowHeights(ARow), static_cast<int>(text.cy)});
}

int TExtStringGrid::GetScrollPosition(int ACol, int ARow) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctScrollbar ? graphic->CellIndex : -1;
}

void TExtStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctScrollbar) return;
    graphic->CellIndex = Pos;
    RepaintGraphicCell(ACol, ARow);
}

TScrollProp TExtStringGrid::GetScrollProp(int ACol, int ARow) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctScrollbar) return {-1, -1};
    return {graphic->CellAngle, graphic->CellErrFrom};
}

void TExtStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctScrollbar) return;
    graphic->CellAngle = Prop.PageSize;
    graphic->CellErrFrom = Prop.Range;
}

namespace {

bool CarriesBalloon(const TCellGraphic* Graphic)
{
    return Graphic && (Graphic->CellType == ctCheckBox || Graphic->CellType == ctDataCheckBox ||
                       Graphic->CellType == ctRadioButton);
}

} // namespace

void TExtStringGrid::AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text,
                                TBalloonIcon Icon)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && !CarriesBalloon(graphic)) return;
    if (!graphic) {
        graphic = CreateCellGraphic(ACol, ARow);
        if (!graphic) return;
        graphic->CellType = ctBalloon;
        graphic->CellAngle = 0;
    } else {
        if (graphic->CellAngle == 1) delete graphic->CellStrings;
        graphic->CellAngle = 1;
    }
    graphic->CellIndex = Icon;
    graphic->CellStrings = new TStringList();
    graphic->CellStrings->Add(Title);
    graphic->CellStrings->Add(Text);
}

void TExtStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (CarriesBalloon(graphic)) {
        if (graphic->CellAngle != 1) return;
        graphic->CellAngle = 0;
        delete graphic->CellStrings;
        graphic->CellStrings = nullptr;
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExtStringGrid::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text,
                               TBalloonIcon& Icon) const
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !(graphic->CellType == ctBalloon || (CarriesBalloon(graphic) && graphic->CellAngle == 1)))
        return false;
    const TStringList* lines = graphic->CellStrings;
    Title = lines && lines->Count() > 0 ? (*lines)[0] : std::string();
    Text = lines && lines->Count() > 1 ? (*lines)[1] : std::string();
    Icon = static_cast<TBalloonIcon>(graphic->CellIndex & 0xFF);
    return true;
}

void TExtStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    graphic->CellType = ctExpand;
    graphic->CellAngle = ExpandedHeight;
    graphic->CellIndex = RowHeights(ARow);
    graphic->CellVar = 0;
}

bool TExtStringGrid::GetExpandState(int ACol, int ARow) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctExpand && graphic->CellVar != 0;
}

bool TExtStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType != ctExpand) return false;
    graphic->CellVar = graphic->CellVar ? 0 : 1;
    return graphic->CellVar != 0;
}

int TExtStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) const
{
    const TCellGraphic* graphic = BaseCellGraphic(ACol, ARow);
    if (!graphic) return DefaultRowHeight();
    return Expanded ? graphic->CellAngle : graphic->CellIndex;
}

TRect TExtStringGrid::GetExpandRect(int ACol, int ARow) const
{
    if (!HasExpand(ACol, ARow)) return {0, 0, 0, 0};
    const TRect cell = CellRect(DisplColIndex(ACol), ARow);
    return {cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}
