#include <gtest/gtest.h>

#include <random>

#include "../control/GridOnForm.h"
#include "grid/control/CellGraphic.h"
#include "grid/control/ComponentStream.h"
#include "grid/foundation/model/CellProperties.h"
#include "grid/services/CellStreamRecords.h"
#include "grid/services/StreamIdents.h"
#include "platform/rtl/Streams.h"

namespace {

std::string Short(const std::string& Name)
{
    return std::string(1, static_cast<char>(Name.size())) + Name;
}

std::string Bytes(std::initializer_list<int> Values)
{
    std::string bytes;
    for (int v : Values)
        bytes += static_cast<char>(v);
    return bytes;
}

std::string CellRecord(const TGridCellIO& Cell)
{
    TMemoryStream stream;
    TComponentWriter out(stream);
    Cell.Write(out);
    return stream.Bytes();
}

std::string TextValue(const std::string& Text)
{
    TMemoryStream stream;
    TComponentWriter(stream).Text(Text);
    return stream.Bytes();
}

} // namespace

TEST(CellStreamRecord, CellRecordOfColumn5Row3)
{
    TGridCellIO cell;
    cell.Col = 5;
    cell.Row = 3;
    cell.Cell = "ab";
    const std::string expected = "TPF0" + Short("TGridCellIO") + Bytes({0}) + Short("Col") + Bytes({2, 5}) +
                                 Short("Row") + Bytes({2, 3}) + Short("Cell") + Bytes({6, 2}) + "ab" +
                                 Short("HasProp") + Bytes({8, 0, 0});
    EXPECT_EQ(CellRecord(cell), expected);

    // An empty text is left out; a column beyond 16 bits keeps all its bits.
    cell.Cell.clear();
    cell.Col = 70000;
    const std::string wide = CellRecord(cell);
    EXPECT_EQ(wide, "TPF0" + Short("TGridCellIO") + Bytes({0}) + Short("Col") + Bytes({4, 0x70, 0x11, 0x01, 0}) +
                        Short("Row") + Bytes({2, 3}) + Short("HasProp") + Bytes({8, 0, 0}));
}

TEST(CellStreamRecord, ValueTagsFollowTheValue)
{
    struct Case {
        int Value;
        std::string Bytes;
    };
    for (const Case& c : std::vector<Case>{{127, Bytes({2, 127})},
                                           {-128, Bytes({2, 0x80})},
                                           {128, Bytes({3, 0x80, 0})},
                                           {-32768, Bytes({3, 0, 0x80})},
                                           {32768, Bytes({4, 0, 0x80, 0, 0})},
                                           {65535, Bytes({4, 0xFF, 0xFF, 0, 0})}}) {
        TMemoryStream stream;
        TComponentWriter(stream).Integer(c.Value);
        EXPECT_EQ(stream.Bytes(), c.Bytes) << c.Value;
        stream.SetPosition(0);
        TComponentReader in(stream);
        EXPECT_EQ(in.Integer(in.Byte()), c.Value);
    }

    const std::string longText(300, 'x');
    EXPECT_EQ(TextValue(longText), Bytes({12, 0x2C, 1, 0, 0}) + longText);
    EXPECT_EQ(TextValue("caf\xC3\xA9"), Bytes({20, 5, 0, 0, 0}) + "caf\xC3\xA9");
    EXPECT_EQ(TextValue("\xE4\xB8\xAD\xE6\x96\x87"), Bytes({18, 2, 0, 0, 0, 0x2D, 0x4E, 0x87, 0x65}));
    EXPECT_EQ(TextValue(""), Bytes({18, 0, 0, 0, 0}));
    for (const std::string& text : {longText, std::string("caf\xC3\xA9"), std::string("\xE4\xB8\xAD"), std::string("")}) {
        TMemoryStream stream(TextValue(text));
        TComponentReader in(stream);
        EXPECT_EQ(in.Text(in.Byte()), text);
    }
}

TEST(CellStreamRecord, ColoursByNameAndElseByNumber)
{
    EXPECT_EQ(ColorToIdent(clNone), "clNone");
    EXPECT_EQ(ColorToIdent(0xFF00000F), "clBtnFace");
    EXPECT_EQ(ColorToIdent(0x00C0DCC0), "clMoneyGreen");
    EXPECT_EQ(ColorToIdent(0x00123456), std::nullopt);
    EXPECT_EQ(IdentToColor("clSkyBlue"), TColor{0x00F0CAA6});
    EXPECT_EQ(IdentToColor("clNoSuchColour"), std::nullopt);
}

TEST(CellStreamRecord, ExtendedPrecisionKeepsDoubles)
{
    uint8_t bytes[10];
    DoubleToExtended(1.0, bytes);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 10), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    DoubleToExtended(-2.5, bytes);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 10), Bytes({0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    for (double value : {0.0, 1.0, -2.5, 0.1, 1e300, -1e-300, 4.9e-324, 123456.789}) {
        DoubleToExtended(value, bytes);
        EXPECT_EQ(ExtendedToDouble(bytes), value);
    }
    // Beyond a double's range.
    const uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
    EXPECT_TRUE(std::isinf(ExtendedToDouble(huge)));
}

class CellStreamTest : public GridOnForm {
protected:
    std::string Saved()
    {
        TMemoryStream stream;
        grid->SaveToBinStream(stream);
        return stream.Bytes();
    }
    // A 4 x 4 bitmap picture that the cell owns.
    void AddPicture(int ACol, int ARow)
    {
        auto* picture = new TPicture();
        TBitmap bitmap(4, 4);
        picture->SetGraphic(&bitmap);
        TCellGraphic* graphic = grid->CreateCellGraphic(ACol, ARow);
        graphic->CellType = ctPicture;
        graphic->CellBitmap = picture;
        graphic->CellCreated = true;
    }
};

TEST_F(CellStreamTest, RoundTripsTextsPropertiesAndGraphics)
{
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 77);
    grid->SetCells(0, 0, "caf\xC3\xA9");
    grid->SetCells(1, 1, "two\r\nlines");
    TCellProperties* props = grid->GetCellProperties(1, 1);
    props->SetBrushColor(clRed);
    props->FontColor = 0x00123456;
    props->FontName = "Arial";
    props->FontStyle = TFontStyles{fsBold, fsUnderline};
    props->Alignment = taCenter;
    props->Editor = edComboList;
    props->CellObject = 0xDEADBEEF;
    TCellGraphic* progress = grid->CreateCellGraphic(2, 2);
    progress->CellType = ctProgress;
    progress->CellValue = 42.5;
    TCellGraphic* radio = grid->CreateCellGraphic(0, 2);
    radio->CellType = ctRadio;
    radio->CellCreated = true;
    radio->CellStrings = new TStringList();
    radio->CellStrings->Add("one");
    radio->CellStrings->Add("");

    TMemoryStream stream(Saved());
    TForm otherForm{nullptr};
    auto* other = new TExtStringGrid(&otherForm);
    other->LoadFromBinStream(stream);
    EXPECT_EQ(other->ColCount(), 3);
    EXPECT_EQ(other->RowCount(), 3);
    EXPECT_EQ(other->ColWidths(1), 77);
    EXPECT_EQ(other->Cells(0, 0), "caf\xC3\xA9");
    EXPECT_EQ(other->Cells(1, 1), "two\r\nlines");
    const TCellProperties* read = other->FindCellProperties(1, 1);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BrushColor(), clRed);
    EXPECT_EQ(read->FontColor, 0x00123456u);
    EXPECT_EQ(read->FontName, "Arial");
    EXPECT_EQ(read->FontStyle, (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(read->Alignment, taCenter);
    EXPECT_EQ(read->Editor, edComboList);
    EXPECT_EQ(read->CellObject, 0u) << "a pointer of the writing process is never restored";
    ASSERT_NE(other->GetCellGraphic(2, 2), nullptr);
    EXPECT_EQ(other->GetCellGraphic(2, 2)->CellType, ctProgress);
    EXPECT_EQ(other->GetCellGraphic(2, 2)->CellValue, 42.5);
    const TCellGraphic* radioRead = other->GetCellGraphic(0, 2);
    ASSERT_NE(radioRead, nullptr);
    ASSERT_NE(radioRead->CellStrings, nullptr);
    EXPECT_EQ(radioRead->CellStrings->Items(), (std::vector<std::string>{"one", ""}));
}

TEST_F(CellStreamTest, CellObjectIsWrittenAsZero)
{
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->GetCellProperties(0, 0)->CellObject = 0x12345678;
    const std::string bytes = Saved();
    const std::string property = Short("CellProperties.CellObject");
    const size_t at = bytes.find(property);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(bytes.substr(at + property.size(), 2), Bytes({2, 0}));
}

TEST_F(CellStreamTest, PlacesCellsRelativeToThePoint)
{
    grid->SetColCount(8);
    grid->SetRowCount(5);
    grid->SetCells(5, 3, "first");
    grid->SetCells(6, 3, "second");
    TMemoryStream stream;
    grid->SaveRectToBinStream(TRect{5, 3, 6, 3}, stream);
    stream.SetPosition(0);
    grid->ClearNormalCells();
    grid->LoadAtPointFromBinStream(TPoint{1, 1}, stream);
    EXPECT_EQ(grid->Cells(1, 1), "first");
    EXPECT_EQ(grid->Cells(2, 1), "second");

    // Cells that land beyond the grid are left out.
    stream.SetPosition(0);
    grid->LoadAtPointFromBinStream(TPoint{7, 4}, stream);
    EXPECT_EQ(grid->Cells(7, 4), "first");
    EXPECT_EQ(grid->ColCount(), 8);
}

TEST_F(CellStreamTest, WholeGridReplacesOnlyWhenLoaded)
{
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetCells(0, 0, "a");
    const std::string bytes = Saved();
    grid->SetColCount(6);
    grid->SetRowCount(7);
    grid->SetCells(5, 6, "kept");

    TMemoryStream pasted(bytes);
    grid->LoadAtPointFromBinStream(TPoint{3, 3}, pasted);
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->Cells(3, 3), "a");
    EXPECT_EQ(grid->Cells(5, 6), "kept");

    TMemoryStream loaded(bytes);
    grid->LoadFromBinStream(loaded);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(0, 0), "a");
}

TEST_F(CellStreamTest, DamagedStreamsFailAndChangeNothing)
{
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetCells(0, 0, "a");
    grid->SetCells(1, 1, "b");
    const std::string bytes = Saved();
    grid->SetCells(0, 0, "before");

    TMemoryStream notAStream(std::string("XXXX") + bytes.substr(4));
    try {
        grid->LoadFromBinStream(notAStream);
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream format");
    }
    for (size_t cut : {bytes.size() - 1, bytes.size() - 5, bytes.size() / 2}) {
        TMemoryStream truncated(bytes.substr(0, cut));
        EXPECT_THROW(grid->LoadFromBinStream(truncated), EReadError) << cut;
        EXPECT_EQ(grid->Cells(0, 0), "before");
        EXPECT_EQ(grid->Cells(1, 1), "b");
    }
}

TEST_F(CellStreamTest, MutatedStreamsNeverCrash)
{
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetCells(1, 1, "x");
    grid->GetCellProperties(1, 1)->FontName = "Arial";
    TCellGraphic* images = grid->CreateCellGraphic(2, 2);
    images->CellType = ctImages;
    auto* list = new TIntList(2, 2);
    list->Add(3);
    images->CellBitmap = list;
    const std::string bytes = Saved();
    std::mt19937 random(29);
    for (int i = 0; i < 400; ++i) {
        std::string mutated = bytes;
        for (int k = 0; k < 3; ++k)
            mutated[random() % mutated.size()] = static_cast<char>(random());
        TMemoryStream stream(mutated);
        try {
            grid->LoadFromBinStream(stream);
        } catch (const Exception&) {
        }
        EXPECT_LE(grid->RowCount(), 100000);
    }
}

TEST_F(CellStreamTest, BitmapsAndPicturesTravelAsBmpFiles)
{
    grid->SetColCount(4);
    grid->SetRowCount(1);
    auto* bitmap = new TBitmap(3, 2);
    bitmap->Canvas()->SetPixels(1, 1, clRed);
    TCellGraphic* owned = grid->CreateCellGraphic(0, 0);
    owned->CellType = ctBitmap;
    owned->CellBitmap = bitmap;
    owned->CellCreated = true;
    AddPicture(1, 0);
    TBitmap application(2, 2);
    TCellGraphic* borrowed = grid->CreateCellGraphic(2, 0);
    borrowed->CellType = ctBitmap;
    borrowed->CellBitmap = &application;
    grid->SetCells(2, 0, "text");
    TCellGraphic* icon = grid->CreateCellGraphic(3, 0);
    icon->CellType = ctIcon;
    icon->CellIcon = new TBitmap(16, 16);
    icon->CellCreated = true;

    const std::string bytes = Saved();
    const std::string data = Short("Bitmap.Data") + Bytes({10});
    const size_t at = bytes.find(data);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(bytes.substr(at + data.size() + 8, 2), "BM") << "a size, then a whole BMP file";
    EXPECT_NE(bytes.find(Short("Picture.Data")), std::string::npos);
    borrowed->CellBitmap = nullptr;

    TMemoryStream stream(bytes);
    TForm otherForm{nullptr};
    auto* other = new TExtStringGrid(&otherForm);
    other->LoadFromBinStream(stream);
    const TCellGraphic* readBitmap = other->GetCellGraphic(0, 0);
    ASSERT_NE(readBitmap, nullptr);
    const auto* copy = dynamic_cast<TBitmap*>(readBitmap->CellBitmap);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Width(), 3);
    EXPECT_EQ(copy->Height(), 2);
    const TCellGraphic* readPicture = other->GetCellGraphic(1, 0);
    ASSERT_NE(readPicture, nullptr);
    const auto* pictureCopy = dynamic_cast<TPicture*>(readPicture->CellBitmap);
    ASSERT_NE(pictureCopy, nullptr);
    EXPECT_EQ(pictureCopy->Width(), 4);
    // The application's bitmap is not the grid's to write: text and properties only.
    EXPECT_EQ(other->Cells(2, 0), "text");
    EXPECT_NE(other->FindCellProperties(2, 0), nullptr);
    EXPECT_EQ(other->GetCellGraphic(2, 0), nullptr);
    const TCellGraphic* readIcon = other->GetCellGraphic(3, 0);
    ASSERT_NE(readIcon, nullptr);
    const auto* iconCopy = dynamic_cast<TBitmap*>(readIcon->CellIcon);
    ASSERT_NE(iconCopy, nullptr);
    EXPECT_EQ(iconCopy->Width(), 16);
}

// Streams from elsewhere hold pictures of other graphic classes; those the platform can
// decode come back as the cell's picture, the others leave the cell without a graphic.
TEST_F(CellStreamTest, PicturesOfOtherGraphicClasses)
{
    const std::string png = Bytes({0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0x12, 0x16, 0xF1, 0x4D, 0x00, 0x00,
        0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x41, 0x0C, 0x70, 0x16, 0x00, 0x41,
        0xD2, 0x05, 0xFB, 0x87, 0xF0, 0xB9, 0x48, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82});
    const std::string gif = Bytes({0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF,
        0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
        0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B});
    const std::string ico = TBitmap(5, 7).SaveToBytes(TBitmap::ffIco);
    const std::string size7 = Bytes({7, 0, 0, 0});
    struct Case {
        std::string data;
        int width; // 0: no picture
    };
    const std::vector<Case> cases = {
        {Short("TIcon") + ico, 5},
        {Short("TWICImage") + png, 3},
        {Short("TWICImage") + gif, 1},
        {Short("TWICImage") + "not an image", 0},
        {Short("TMetafile") + size7 + "\x01\x00\x09\x00\x00\x03\x00", 0},
        {Short("TJPEGImage") + Bytes({200, 0, 0, 0}) + "short", 0},
        {Bytes({40}) + "TBit", 0},
    };
    grid->SetColCount(2);
    grid->SetRowCount(1);
    AddPicture(0, 0);
    grid->SetCells(1, 0, "after");
    const std::string saved = Saved();
    const std::string path = Short("Picture.Data") + Bytes({10});
    const size_t at = saved.find(path);
    ASSERT_NE(at, std::string::npos);
    const size_t dataAt = at + path.size();
    const uint32_t length = static_cast<uint8_t>(saved[dataAt]) | static_cast<uint8_t>(saved[dataAt + 1]) << 8 |
                            static_cast<uint8_t>(saved[dataAt + 2]) << 16;

    for (const Case& c : cases) {
        std::string spliced = saved.substr(0, dataAt);
        const auto size = static_cast<uint32_t>(c.data.size());
        spliced += Bytes({static_cast<int>(size & 0xFF), static_cast<int>((size >> 8) & 0xFF), 0, 0}) + c.data;
        spliced += saved.substr(dataAt + 4 + length);
        TMemoryStream stream(spliced);
        TForm otherForm{nullptr};
        auto* other = new TExtStringGrid(&otherForm);
        other->LoadFromBinStream(stream);
        const TCellGraphic* read = other->GetCellGraphic(0, 0);
        const auto* copy = read ? dynamic_cast<TPicture*>(read->CellBitmap) : nullptr;
        EXPECT_EQ(copy ? copy->Width() : 0, c.width) << c.data.substr(0, 12);
        if (c.width == 0) {
            EXPECT_EQ(read, nullptr) << "a picture that cannot be rebuilt leaves no graphic";
        }
        EXPECT_NE(other->FindCellProperties(0, 0), nullptr);
        EXPECT_EQ(other->Cells(1, 0), "after") << "the records after the picture are read on";
    }
}
