#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCellGraphic;
class TCellProperties;
class TCellPropsStore;
class TComponentReader;
class TComponentWriter;

// The records of the binary cell stream. Each is one component record: "TPF0", the class
// name, an empty object name, the properties that are set, and two ending zeros. A reader
// checks the signature but takes the record into whichever record it expects next.

// The header: the rectangle's size and its column widths and row heights as comma text.
struct TGridPropIO {
    int ColCount = 0;
    int RowCount = 0;
    std::string ColWidths;
    std::string RowHeights;
    bool FullGrid = false;
    int ID = 0;
    void Write(TComponentWriter& Out) const;
    void Read(TComponentReader& In);
};

// One cell: its absolute column and row in the writing grid and its text.
struct TGridCellIO {
    int Col = 0;
    int Row = 0;
    std::string Cell;
    bool HasProp = false;
    void Write(TComponentWriter& Out) const;
    void Read(TComponentReader& In);
};

// A cell's properties. The object reference of a cell is a raw pointer of the writing
// process, meaningless anywhere else: it is written as 0 and never read back.
class TGridCellPropIO {
public:
    explicit TGridCellPropIO(TCellPropsStore* Grid);
    ~TGridCellPropIO();
    TCellProperties& CellProperties() { return *FCellProperties; }
    bool HasGraphic = false;
    void Write(TComponentWriter& Out) const;
    // Reads over the current values: what the record leaves out keeps them.
    void Read(TComponentReader& In);

private:
    std::unique_ptr<TCellProperties> FCellProperties;
};

// A cell's graphic: kind, placement and plain values, not the objects it holds.
class TGridGraphicIO {
public:
    TGridGraphicIO();
    ~TGridGraphicIO();
    TCellGraphic& CellGraphic() { return *FCellGraphic; }
    void Write(TComponentWriter& Out) const;
    // Starts from an empty graphic, so no value of an earlier record carries over.
    void Read(TComponentReader& In);

private:
    std::unique_ptr<TCellGraphic> FCellGraphic;
};

// A payload of texts: radio items, or image indexes as decimal texts.
struct TGridSLIO {
    std::vector<std::string> Strings;
    void Write(TComponentWriter& Out) const;
    void Read(TComponentReader& In);
};

// A file picture, by its file name.
struct TGridFilePicIO {
    std::string Filename;
    void Write(TComponentWriter& Out) const;
    void Read(TComponentReader& In);
};

// A graphic payload as the bytes of its stored form: TGridBMPIO (Bitmap.Data), TGridIconIO
// (Icon.Data) or TGridPicIO (Picture.Data).
struct TGridGraphicDataIO {
    std::string ClassName;
    std::string Path;
    std::string Data;
    void Write(TComponentWriter& Out) const;
    void Read(TComponentReader& In);
};
