#include <atomic>
#include <optional>
#include <limits>

#include "grid/control/CellGraphic.h"
#include "grid/control/ComponentStream.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/foundation/painting/FilePicture.h"
#include "grid/services/CellStreamRecords.h"
#include "grid/services/FileProgress.h"
#include "grid/services/GridUpdateScope.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"

namespace {

// The smallest a cell record can be; a header whose rectangle holds more cells than the
// stream could carry records for is damaged.
constexpr int64_t kSmallestCellRecord = 20;

std::string JoinExtents(int From, int To, const std::function<int(int)>& Extent)
{
    std::string text;
    for (int i = From; i <= To; ++i)
        text += (i > From ? "," : "") + std::to_string(Extent(i));
    return text;
}

std::vector<int> SplitExtents(const std::string& Text)
{
    std::vector<int> extents;
    size_t start = 0;
    while (start < Text.size()) {
        size_t end = Text.find(',', start);
        if (end == std::string::npos) end = Text.size();
        const std::string item = Text.substr(start, end - start);
        size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(item, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (item.empty() || used != item.size()) throw EReadError("'" + item + "' is not a valid integer value");
        extents.push_back(value);
        start = end + 1;
    }
    return extents;
}

std::string JoinItems(const std::vector<std::string>& Items)
{
    std::string text;
    for (size_t i = 0; i < Items.size(); ++i)
        text += (i ? "," : "") + Items[i];
    return text;
}

bool OwnsObjectOfKind(TCellType Type)
{
    switch (Type) {
    case ctBitmap:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        return true;
    default:
        return false;
    }
}

// Kinds whose payload is a stored graphic, which this grid keeps only as a record.
bool IsGraphicDataKind(TCellType Type)
{
    return Type == ctBitmap || Type == ctBitButton || Type == ctIcon || Type == ctPicture;
}

TGridGraphicDataIO GraphicDataRecord(TCellType Type)
{
    if (Type == ctIcon) return {"TGridIconIO", "Icon.Data", {}};
    if (Type == ctPicture) return {"TGridPicIO", "Picture.Data", {}};
    return {"TGridBMPIO", "Bitmap.Data", {}};
}

TCellGraphic* OwnGraphic(const TCellProperties* Props)
{
    return Props ? dynamic_cast<TCellGraphic*>(Props->GraphicObject) : nullptr;
}


// A size-prefixed block: 4 bytes little-endian, then the bytes.
std::string SizedBlock(const std::string& Bytes)
{
    std::string block(4, '\0');
    for (int i = 0; i < 4; ++i)
        block[static_cast<size_t>(i)] = static_cast<char>(static_cast<uint32_t>(Bytes.size()) >> (8 * i));
    return block + Bytes;
}

// The block at Offset, or nothing when its size runs past the data.
std::optional<std::string> ReadSizedBlock(const std::string& Data, size_t Offset)
{
    if (Data.size() < Offset + 4) return std::nullopt;
    uint32_t size = 0;
    for (int i = 0; i < 4; ++i)
        size |= static_cast<uint32_t>(static_cast<uint8_t>(Data[Offset + static_cast<size_t>(i)])) << (8 * i);
    if (size > Data.size() - Offset - 4) return std::nullopt;
    return Data.substr(Offset + 4, size);
}

// The stored form of a cell's bitmap or picture: bitmaps as BMP files, a picture with the
// class name of its graphic first, icons as ICO files.
std::string StoredGraphic(const TCellGraphic& Graphic)
{
    if (Graphic.CellType == ctPicture) {
        const auto* picture = dynamic_cast<const TPicture*>(Graphic.CellBitmap);
        const auto* bitmap = picture ? dynamic_cast<const TBitmap*>(picture->Graphic()) : nullptr;
        if (!bitmap || bitmap->Empty()) return {};
        return std::string("\x07TBitmap") + SizedBlock(bitmap->SaveToBytes());
    }
    if (Graphic.CellType == ctIcon) {
        const auto* icon = dynamic_cast<const TBitmap*>(Graphic.CellIcon);
        return icon && !icon->Empty() ? icon->SaveToBytes(TBitmap::ffIco) : std::string();
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(Graphic.CellBitmap);
    return bitmap && !bitmap->Empty() ? SizedBlock(bitmap->SaveToBytes()) : std::string();
}

std::unique_ptr<TBitmap> BitmapFromBlock(const std::optional<std::string>& Block)
{
    if (!Block || Block->empty()) return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    try {
        bitmap->LoadFromBytes(*Block);
    } catch (const EInvalidGraphic&) {
        return nullptr;
    }
    return bitmap;
}

// A picture's graphic after its class name: bitmaps and JPEG images carry their size
// first, icons are an ICO file, and the imaging component's pictures the file of their
// format (PNG, GIF, JPEG, BMP or ICO here). Metafiles, and formats the platform has no
// reader for, give nothing: the cell keeps its text and properties.
std::unique_ptr<TBitmap> PictureBitmapFromStored(const std::string& Data)
{
    const size_t nameLength = static_cast<uint8_t>(Data[0]);
    if (Data.size() < 1 + nameLength) return nullptr;
    const std::string className = Data.substr(1, nameLength);
    if (className == "TBitmap" || className == "TJPEGImage") return BitmapFromBlock(ReadSizedBlock(Data, 1 + nameLength));
    if (className == "TIcon" || className == "TWICImage") return BitmapFromBlock(Data.substr(1 + nameLength));
    return nullptr;
}

// A new object for the cell from its stored form, or nullptr when it cannot be rebuilt.
TObject* GraphicFromStored(TCellType Type, const std::string& Data)
{
    if (Data.empty()) return nullptr;
    if (Type == ctIcon) return BitmapFromBlock(Data).release();
    if (Type != ctPicture) return BitmapFromBlock(ReadSizedBlock(Data, 0)).release();
    const std::unique_ptr<TBitmap> bitmap = PictureBitmapFromStored(Data);
    if (!bitmap) return nullptr;
    auto* picture = new TPicture();
    picture->SetGraphic(bitmap.get());
    return picture;
}

void WriteCellPayload(const TCellGraphic& Graphic, TComponentWriter& Out)
{
    switch (Graphic.CellType) {
    case ctRadio: {
        TGridSLIO items;
        if (Graphic.CellStrings) items.Strings = Graphic.CellStrings->Items();
        items.Write(Out);
        break;
    }
    case ctImages: {
        TGridSLIO indexes;
        if (const auto* list = dynamic_cast<const TIntList*>(Graphic.CellBitmap))
            for (int i = 0; i < list->Count(); ++i)
                indexes.Strings.push_back(std::to_string(list->Items(i)));
        indexes.Write(Out);
        break;
    }
    case ctFilePicture: {
        TGridFilePicIO picture;
        if (const auto* file = dynamic_cast<const TFilePicture*>(Graphic.CellBitmap)) picture.Filename = file->Filename();
        picture.Write(Out);
        break;
    }
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctPicture: {
        TGridGraphicDataIO data = GraphicDataRecord(Graphic.CellType);
        data.Data = StoredGraphic(Graphic);
        data.Write(Out);
        break;
    }
    default:
        break;
    }
}

// Reads the payload record of a graphic of kind Type and, when Target is given, gives the
// target graphic a new object of its own.
void ReadCellPayload(TCellType Type, TComponentReader& In, TCellGraphic* Target, TPoint Cell)
{
    switch (Type) {
    case ctRadio: {
        TGridSLIO items;
        items.Read(In);
        if (!Target) return;
        auto* strings = new TStringList();
        for (const std::string& item : items.Strings)
            strings->Add(item);
        Target->CellStrings = strings;
        Target->CellCreated = true;
        return;
    }
    case ctImages: {
        TGridSLIO indexes;
        indexes.Read(In);
        std::vector<int> values = SplitExtents(JoinItems(indexes.Strings));
        if (!Target) return;
        auto* list = new TIntList(Cell.X, Cell.Y);
        for (int value : values)
            list->Add(value);
        Target->CellBitmap = list;
        return;
    }
    case ctFilePicture: {
        TGridFilePicIO picture;
        picture.Read(In);
        if (!Target) return;
        auto* file = new TFilePicture();
        Target->CellBitmap = file;
        Target->CellCreated = true;
        try {
            file->SetFilename(picture.Filename);
        } catch (const EInvalidGraphic&) {
            // The name stays: the picture shows once its file is there again.
        }
        return;
    }
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctPicture: {
        TGridGraphicDataIO data = GraphicDataRecord(Type);
        data.Read(In);
        if (!Target) return;
        TObject*& slot = Type == ctIcon ? Target->CellIcon : Target->CellBitmap;
        slot = GraphicFromStored(Type, data.Data);
        Target->CellCreated = slot != nullptr;
        return;
    }
    default:
        return;
    }
}

} // namespace

TFileProgress TExtStringGrid::FileProgressReporter(bool Active)
{
    if (!OnFileProgress || !Active) return TFileProgress({});
    return TFileProgress([this](int16_t Percent) { OnFileProgress(this, Percent); });
}

int TExtStringGrid::StreamID() const
{
    static std::atomic<int> lastID{0};
    if (FStreamID == 0) FStreamID = ++lastID;
    return FStreamID;
}

// The rectangle counts shown columns: its records carry the display column, its cells are
// read from the real one.
void TExtStringGrid::SaveRectToBinStream(const TRect& R, TMemoryStream& Stream)
{
    std::vector<TStreamedCol> cols;
    for (int c = R.Left; c <= R.Right; ++c)
        cols.push_back({c, ToRealCol(TDisplCol(c))});
    WriteBinCells(cols, R.Top, R.Bottom, ColCount(), Stream);
}

void TExtStringGrid::WriteBinCells(const std::vector<TStreamedCol>& Cols, int Top, int Bottom, int GridCols,
                                   TMemoryStream& Stream)
{
    TComponentWriter out(Stream);
    const int cols = static_cast<int>(Cols.size());
    const int rows = Bottom - Top + 1;
    const auto width = [this](TRealCol Col) {
        return IsHiddenColumn(Col.Index()) ? FColumns.KeptWidth(Col) : ColWidths(ToDisplCol(Col).Index());
    };
    TGridPropIO header;
    header.ColCount = cols;
    header.RowCount = rows;
    header.ColWidths = JoinExtents(0, cols - 1, [&](int i) { return width(Cols[static_cast<size_t>(i)].Col); });
    header.RowHeights = JoinExtents(Top, Bottom, [this](int r) { return RowHeights(r); });
    header.FullGrid = SaveFixedCells ? rows == RowCount() && cols == GridCols
                                     : rows == RowCount() - FixedRows() && cols == GridCols - FixedCols();
    header.ID = StreamID();
    header.Write(out);

    TGridCellIO cellIO;
    TGridCellPropIO propIO(this);
    TGridGraphicIO graphicIO;
    TFileProgress progress = FileProgressReporter();
    ExportNotification(0, Top);
    for (int r = Top; r <= Bottom; ++r) {
        ExportNotification(5, r);
        for (const TStreamedCol& col : Cols) {
            const TShownCell cell{col.Col, TDisplRow(r)};
            const TCellProperties* props = FindCellProperties(cell.Col.Index(), r);
            cellIO.Col = col.Index;
            cellIO.Row = r;
            cellIO.Cell = CellAt(cell);
            cellIO.HasProp = props != nullptr;
            cellIO.Write(out);
            if (!props) continue;
            const TCellGraphic* graphic = OwnGraphic(props);
            propIO.CellProperties().Assign(*props);
            propIO.CellProperties().SetBrushColorTo(props->BrushColorTo());
            propIO.CellProperties().GradientDirection = props->GradientDirection;
            propIO.CellProperties().Control = props->Control;
            propIO.HasGraphic = graphic && graphic->CellType != ctEmpty &&
                                (!OwnsObjectOfKind(graphic->CellType) || graphic->CellCreated);
            propIO.Write(out);
            if (!propIO.HasGraphic) continue;
            graphicIO.CellGraphic().CellText.clear();
            graphicIO.CellGraphic().Assign(*graphic);
            graphicIO.CellGraphic().CellCheckBoxState = graphic->CellCheckBoxState;
            graphicIO.Write(out);
            WriteCellPayload(*graphic, out);
        }
        progress.Report(r - Top, Bottom - Top);
    }
    ExportNotification(2, -1);
}

// With SaveHiddenCells the hidden columns are saved too, each at its real index, as the
// text files keep them.
void TExtStringGrid::SaveToBinStream(TMemoryStream& Stream)
{
    if (!SaveHiddenCells || NumHiddenColumns() == 0) {
        SaveRectToBinStream(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
        return;
    }
    std::vector<TStreamedCol> cols;
    for (int c = RealColIndex(SaveStartCol()); c <= SaveEndColWithHidden(); ++c)
        cols.push_back({c, TRealCol(c)});
    WriteBinCells(cols, SaveStartRow(), SaveEndRow(), TotalColCount(), Stream);
}

void TExtStringGrid::SaveToBinFile(const std::string& FileName)
{
    TMemoryStream stream;
    SaveToBinStream(stream);
    WriteFileBytes(FileName, stream.Bytes());
}

void TExtStringGrid::LoadAtPointFromBinStream(TPoint Point, TMemoryStream& Stream)
{
    ReadBinStream(Point, Stream, false);
}

void TExtStringGrid::LoadFromBinStream(TMemoryStream& Stream)
{
    ReadBinStream(TPoint{0, 0}, Stream, true);
    FNumNodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const TCellGraphic* graphic = OwnGraphic(FindCellProperties(0, r));
        if (graphic && graphic->CellType == ctNode) ++FNumNodes;
    }
    if (FNumNodes > 0) RepaintCol(0);
}

void TExtStringGrid::LoadFromBinFile(const std::string& FileName)
{
    TMemoryStream stream(ReadFileBytes(FileName));
    LoadFromBinStream(stream);
}

void TExtStringGrid::ReadBinStream(TPoint Point, TMemoryStream& Stream, bool WholeGridResizes)
{
    const size_t start = Stream.Position();
    ReadBinRecords(Point, Stream, WholeGridResizes, false);
    Stream.SetPosition(start);
    const TGridUpdateScope update(*this);
    ReadBinRecords(Point, Stream, WholeGridResizes, true);
}

// Without Apply only reads, so that a damaged stream is found before any cell changes.
// Cells that land outside the grid are read and left out.
void TExtStringGrid::ReadBinRecords(TPoint Point, TMemoryStream& Stream, bool WholeGridResizes, bool Apply)
{
    TComponentReader in(Stream);
    TGridPropIO header;
    header.Read(in);
    const std::vector<int> widths = SplitExtents(header.ColWidths);
    const std::vector<int> heights = SplitExtents(header.RowHeights);
    const bool replace = header.FullGrid && WholeGridResizes;
    if (replace && (header.ColCount < 1 || header.RowCount < 1 ||
                    int64_t{header.ColCount} * header.RowCount * kSmallestCellRecord >
                        static_cast<int64_t>(in.Remaining())))
        throw EReadError("Invalid stream format");
    if (replace && Apply) {
        Clear();
        SetRowCount(header.RowCount);
        SetColCount(header.ColCount);
        for (int c = 0; c < ColCount() && c < static_cast<int>(widths.size()); ++c)
            SetColWidths(c, widths[static_cast<size_t>(c)]);
        for (int r = 0; r < RowCount() && r < static_cast<int>(heights.size()); ++r)
            SetRowHeights(r, heights[static_cast<size_t>(r)]);
    }

    TGridCellIO cellIO;
    TGridCellPropIO propIO(this);
    TGridCellPropIO defaults(this);
    TGridGraphicIO graphicIO;
    TFileProgress progress = FileProgressReporter(Apply);
    std::optional<TPoint> origin;
    if (replace) origin = TPoint{0, 0};
    int64_t lastRow = std::numeric_limits<int64_t>::min();
    while (in.Remaining() >= 2) {
        cellIO.Read(in);
        if (!origin) origin = TPoint{cellIO.Col, cellIO.Row};
        const int64_t col = int64_t{cellIO.Col} - origin->X + Point.X;
        const int64_t row = int64_t{cellIO.Row} - origin->Y + Point.Y;
        // The target counts shown columns, as the saved rectangle did: hidden columns keep
        // their cells.
        const bool place = Apply && col >= 0 && col < ColCount() && row >= 0 && row < RowCount();
        const TShownCell at{ToRealCol(TDisplCol(place ? static_cast<int>(col) : 0)),
                            TDisplRow(place ? static_cast<int>(row) : 0)};
        const TPoint cell{at.Col.Index(), at.Row.Index()};
        if (place) SetCellAt(at, cellIO.Cell);
        if (row != lastRow) {
            lastRow = row;
            progress.Report(static_cast<double>(row - Point.Y), header.RowCount - 1);
        }
        if (!cellIO.HasProp) continue;

        TCellProperties* target = place ? GetCellProperties(cell.X, cell.Y) : nullptr;
        const TCellProperties& start = target ? *target : defaults.CellProperties();
        propIO.CellProperties().Assign(start);
        propIO.CellProperties().SetBrushColorTo(start.BrushColorTo());
        propIO.CellProperties().GradientDirection = start.GradientDirection;
        propIO.Read(in);
        if (target) {
            target->Assign(propIO.CellProperties());
            target->SetBrushColorTo(propIO.CellProperties().BrushColorTo());
            target->GradientDirection = propIO.CellProperties().GradientDirection;
        }
        if (!propIO.HasGraphic) continue;

        graphicIO.Read(in);
        const TCellGraphic& read = graphicIO.CellGraphic();
        TCellGraphic* graphic = place ? CreateCellGraphic(cell.X, cell.Y) : nullptr;
        if (graphic) {
            graphic->Assign(read);
            graphic->CellCheckBoxState = read.CellCheckBoxState;
            // The payload gives an owning kind its own object; until then it holds none.
            if (OwnsObjectOfKind(read.CellType)) graphic->CellCreated = false;
        }
        ReadCellPayload(read.CellType, in, graphic, cell);
        // A picture this grid cannot rebuild leaves the cell without a graphic.
        if (graphic && IsGraphicDataKind(read.CellType) && !graphic->CellCreated) RemoveCellGraphic(cell.X, cell.Y);
    }
}
