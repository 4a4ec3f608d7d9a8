// The grid's own file formats as they come from elsewhere: the binary cell stream, the grid
// text format (file and stream), CSV and fixed-width text, each read into a small grid.
// The first input byte picks the reader, so that one corpus keeps seeds of every format.
#include <cstdlib>

#include "FuzzInput.h"
#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/model/IntList.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Forms.h"

namespace {

TExtStringGrid& SmallGrid()
{
    static TForm form(nullptr);
    static auto* grid = new TExtStringGrid(&form);
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    return *grid;
}

void Read(uint8_t Kind, const std::string& Input)
{
    TExtStringGrid& grid = SmallGrid();
    switch (Kind % 5) {
    case 0: {
        TMemoryStream stream(Input);
        grid.LoadFromBinStream(stream);
        TMemoryStream again(Input);
        grid.LoadAtPointFromBinStream(TPoint{2, 2}, again);
        break;
    }
    case 1: {
        TMemoryStream stream(Input);
        grid.LoadFromCSVStream(stream, Input.size() % 2 ? 3 : 0);
        break;
    }
    case 2: {
        const std::string path = FuzzFilePath("grid.txt");
        WriteTestFile(path, Input);
        grid.LoadFromFile(path);
        break;
    }
    case 3: {
        TMemoryStream stream(Input);
        grid.LoadFromStream(stream);
        break;
    }
    default: {
        const std::string path = FuzzFilePath("fixed.txt");
        WriteTestFile(path, Input);
        TIntList positions(0, 0);
        for (size_t i = 0; i < Input.size() && i < 4; ++i)
            positions.Add(static_cast<uint8_t>(Input[i]) % 40);
        grid.LoadFromFixed(path, positions, Input.size() % 2 == 0, 50);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const std::string input = FuzzText(data + 1, size - 1);
    Tolerating([&] { Read(data[0], input); });
    return 0;
}
