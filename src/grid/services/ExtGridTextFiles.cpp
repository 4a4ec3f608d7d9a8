#include <charconv>

#include "grid/control/ExtStringGrid.h"
#include "grid/foundation/text/NumberText.h"
#include "grid/services/FileProgress.h"
#include "grid/services/GridTextFormat.h"
#include "grid/services/GridUpdateScope.h"
#include "grid/services/TextFileLines.h"
#include "grid/services/office/BusyCursor.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Forms.h"

namespace {

// Counts beyond these in a file's first line mean a damaged file, not a grid to build.
constexpr int kMaxTextFileCols = 100000;
constexpr int kMaxTextFileRows = 10000000;

bool ParseCount(const std::string& Text, int Limit, int& Value)
{
    return TryStrToInt(Trim(Text), Value) && Value >= 0 && Value <= Limit;
}

bool IsWidthLine(const std::string& Line)
{
    return Line.rfind("cw", 0) == 0;
}

// "cw column,width": the column from the fourth character up to the comma.
bool ParseWidthLine(const std::string& Line, int& Col, int& Width)
{
    const size_t comma = Line.find(',');
    if (comma == std::string::npos || comma < 3) return false;
    Col = StrToInt(Line.substr(3, comma - 3));
    Width = StrToInt(Line.substr(comma + 1));
    return true;
}

TTextFileCoding WideOrAnsi(bool Unicode)
{
    return Unicode ? TTextFileCoding::Utf16Bom : TTextFileCoding::Ansi;
}

// One line of UTF-16LE units up to a unit 13, the unit after it skipped; false at the end.
bool ReadWideLine(TMemoryStream& Stream, std::string& Line)
{
    if (Stream.Position() + 2 > Stream.Size()) return false;
    std::string units;
    uint8_t unit[2];
    while (Stream.Read(unit, 2) == 2) {
        if (unit[0] == 13 && unit[1] == 0) {
            Stream.Read(unit, 2);
            break;
        }
        units.append(reinterpret_cast<const char*>(unit), 2);
    }
    Line = Utf16LeToUtf8(units);
    return true;
}

void WriteWideLine(TMemoryStream& Stream, const std::string& Line)
{
    const std::string units = Utf8ToUtf16Le(Line + "\r\n");
    Stream.Write(units.data(), units.size());
}

} // namespace

std::string TExtStringGrid::SavedCellText(int ACol, int ARow)
{
    std::string text;
    SaveCell(SavedRealCol(ACol), ARow, text);
    return text;
}

// ---- the grid text format

void TExtStringGrid::SaveToFile(const std::string& FileName, bool Unicode)
{
    const int lastCol = SaveEndColWithHidden();
    std::vector<std::string> lines;
    lines.push_back(std::to_string(lastCol - SaveStartCol() + 1) + "," + std::to_string(SaveRowCount()));
    for (int c = SaveStartCol(); c <= lastCol; ++c)
        lines.push_back("cw " + std::to_string(c) + "," + std::to_string(c < ColCount() ? ColWidths(c) : AllColWidths(c)));
    TFileProgress progress = FileProgressReporter();
    ExportNotification(0, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(5, r);
        for (int c = SaveStartCol(); c <= lastCol; ++c) {
            std::string text;
            SaveCell(c, r, text);
            if (!text.empty()) lines.push_back(std::to_string(c) + "," + std::to_string(r) + "," + EncodeCellLineBreaks(text));
        }
        progress.Report(r - SaveStartRow(), SaveRowCount() - 1);
    }
    ExportNotification(2, -1);
    WriteTextFileLines(FileName, lines, WideOrAnsi(Unicode));
}

void TExtStringGrid::LoadFromFile(const std::string& FileName)
{
    const std::vector<std::string> lines = ReadTextFileLines(FileName);
    const int addCols = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int addRows = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    std::string cols, rows, rest;
    int colCount = 0, rowCount = 0;
    if (lines.empty() || (SplitCellLine(lines[0], cols, rows, rest) && !rest.empty()) || lines[0].find(',') == std::string::npos ||
        !ParseCount(cols, kMaxTextFileCols, colCount) || !ParseCount(rows, kMaxTextFileRows, rowCount) ||
        colCount + addCols == 0 || rowCount + addRows == 0)
        throw EExtGridError("File contains no data or corrupt file " + FileName);

    const TGridUpdateScope update(*this);
    SetColCount(colCount + addCols);
    SetRowCount(rowCount + addRows);
    TFileProgress progress = FileProgressReporter();
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsWidthLine(line)) {
            int col = 0, width = 0;
            if (ParseWidthLine(line, col, width) && col >= 0 && col < ColCount()) SetColWidths(col, width);
        } else {
            std::string colText, rowText, text;
            SplitCellLine(line, colText, rowText, text);
            const int col = StrToInt(colText);
            const int row = StrToInt(rowText);
            if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount())
                LoadCell(col, row, DecodeCellLineBreaks(text, Multilinecells));
            progress.Report(row, RowCount() - 1);
        }
        Application->ProcessMessages();
    }
    DoCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    ColumnsChanged();
}

void TExtStringGrid::SaveToStream(TMemoryStream& Stream)
{
    WriteWideLine(Stream, std::to_string(SaveColCount()) + "," + std::to_string(SaveRowCount()));
    for (int c = 0; c < ColCount(); ++c)
        WriteWideLine(Stream, "cw " + std::to_string(c) + "," + std::to_string(ColWidths(c)));
    ExportNotification(0, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(5, r);
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            std::string text;
            SaveCell(c, r, text);
            if (!text.empty())
                WriteWideLine(Stream, std::to_string(c - SaveStartCol()) + "," + std::to_string(r - SaveStartRow()) +
                                          "," + EncodeCellLineBreaks(text));
        }
    }
    ExportNotification(2, -1);
}

void TExtStringGrid::LoadFromStream(TMemoryStream& Stream)
{
    std::string line;
    if (!ReadWideLine(Stream, line)) return;
    const TGridUpdateScope update(*this);
    if (!line.empty()) {
        std::string cols, rows, rest;
        SplitCellLine(line, cols, rows, rest);
        int colCount = 0, rowCount = 0;
        if (!ParseCount(cols, kMaxTextFileCols, colCount) || !ParseCount(rows, kMaxTextFileRows, rowCount))
            throw EConvertError("'" + line + "' is not a valid column and row count");
        SetColCount(std::max(1, colCount + SaveStartCol()));
        SetRowCount(std::max(1, rowCount + SaveStartRow()));
    }
    for (size_t start = Stream.Position(); ReadWideLine(Stream, line); start = Stream.Position()) {
        if (IsWidthLine(line)) {
            int col = 0, width = 0;
            if (ParseWidthLine(line, col, width) && col >= 0 && col < ColCount()) SetColWidths(col, width);
            continue;
        }
        std::string colText, rowText, text;
        if (!SplitCellLine(line, colText, rowText, text) || colText.empty() || rowText.empty()) {
            Stream.SetPosition(start);
            break;
        }
        const int col = StrToInt(colText) + SaveStartCol();
        const int row = StrToInt(rowText) + SaveStartRow();
        if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount())
            LoadCell(col, row, DecodeCellLineBreaks(text, Multilinecells));
    }
    DoCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    ColumnsChanged();
}

// ---- plain text

std::vector<int> TExtStringGrid::ASCIIColumnWidths(int FirstCol, int LastCol, bool AllLines)
{
    std::vector<int> widths(static_cast<size_t>(std::max(0, LastCol - FirstCol + 1)), 0);
    for (int r = 0; r < RowCount(); ++r)
        for (int c = FirstCol; c <= LastCol; ++c) {
            int& width = widths[static_cast<size_t>(c - FirstCol)];
            width = std::max(width, LongestLineLength(SavedCellText(c, r), AllLines));
        }
    return widths;
}

std::vector<std::string> TExtStringGrid::ASCIILines(std::vector<std::string> Lines)
{
    const int firstCol = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int firstRow = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    const int lastCol = ColCount() - 1 + (SaveHiddenCells ? NumHiddenColumns() : 0);
    const std::vector<int> widths = ASCIIColumnWidths(firstCol, lastCol, Multilinecells);
    ExportNotification(0, firstRow);
    for (int r = firstRow; r < RowCount(); ++r) {
        ExportNotification(5, r);
        std::string main;
        std::vector<std::string> continuations;
        for (int c = firstCol; c <= lastCol; ++c) {
            const int width = widths[static_cast<size_t>(c - firstCol)];
            TAlignment alignment = taLeftJustify;
            TVAlignment vertical = vtaTop;
            GetCellAlignmentEx(c, r, alignment, vertical);
            const std::vector<std::string> cellLines = CellTextLines(SavedCellText(c, r));
            const int start = CharLength(main);
            const std::string aligned = AlignInColumn(cellLines[0], width, alignment);
            main += aligned;
            const int length = CharLength(aligned);
            if (width >= length) main += std::string(static_cast<size_t>(width - length + 1), ' ');
            if (!Multilinecells) continue;
            for (size_t k = 1; k < cellLines.size(); ++k) {
                if (continuations.size() < k) continuations.emplace_back();
                std::string& line = continuations[k - 1];
                line += std::string(static_cast<size_t>(std::max(0, start - CharLength(line))), ' ');
                line += AlignInColumn(cellLines[k], width, alignment);
            }
        }
        Lines.push_back(std::move(main));
        for (std::string& line : continuations)
            Lines.push_back(std::move(line));
    }
    ExportNotification(2, -1);
    return Lines;
}

void TExtStringGrid::SaveToASCII(const std::string& FileName, bool Unicode)
{
    const TBusyCursor busy;
    WriteTextFileLines(FileName, ASCIILines({}), WideOrAnsi(Unicode));
}

void TExtStringGrid::AppendToASCII(const std::string& FileName, bool Unicode)
{
    const TBusyCursor busy;
    std::vector<std::string> existing;
    if (FileExists(FileName)) existing = ReadTextFileLines(FileName);
    WriteTextFileLines(FileName, ASCIILines(std::move(existing)), WideOrAnsi(Unicode));
}

// ---- fixed width

void TExtStringGrid::SaveToFixed(const std::string& FileName, TIntList& positions)
{
    const int lastCol = SaveEndColWithHidden();
    for (int c = SaveStartCol(); c <= lastCol; ++c)
        if (c - SaveStartCol() >= positions.Count()) {
            int longest = 0;
            for (int r = SaveStartRow(); r <= SaveEndRow(); ++r)
                longest = std::max(longest, LongestLineLength(SavedCellText(c, r), false));
            positions.Add(longest + 1);
        }
    std::vector<std::string> lines;
    ExportNotification(0, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(5, r);
        std::string line;
        for (int c = SaveStartCol(); c <= lastCol; ++c)
            line += FitToWidth(CellTextLines(SavedCellText(c, r))[0], positions.Items(c - SaveStartCol()));
        lines.push_back(std::move(line));
    }
    ExportNotification(2, -1);
    try {
        WriteTextFileLines(FileName, lines, TTextFileCoding::Ansi);
    } catch (const EInOutError&) {
        throw EExtGridError("Cannot Create file " + FileName);
    }
}

void TExtStringGrid::LoadFromFixed(const std::string& FileName, TIntList& positions, bool DoTrim, int MaxRows)
{
    std::vector<std::string> lines;
    try {
        lines = ReadTextFileLines(FileName);
    } catch (const EInOutError&) {
        throw EExtGridError("File " + FileName + " not found");
    }
    std::vector<int> starts;
    for (int i = 0; i < positions.Count(); ++i)
        starts.push_back(positions.Items(i));
    std::sort(starts.begin(), starts.end());
    for (int i = 0; i < static_cast<int>(starts.size()); ++i)
        positions.SetItems(i, starts[static_cast<size_t>(i)]);
    if (starts.size() < 2) return;

    const TGridUpdateScope update(*this);
    SetColCount(FixedCols() + static_cast<int>(starts.size()) - 1);
    int row = SaveStartRow();
    if (row >= RowCount() && !lines.empty()) SetRowCount(row + 1);
    for (size_t i = 0; i < lines.size(); ++i, ++row) {
        for (size_t k = 1; k < starts.size(); ++k) {
            std::string field = CharRange(lines[i], starts[k - 1] - 1, starts[k] - 1);
            if (DoTrim) field = Trim(field);
            LoadCell(SaveStartCol() + static_cast<int>(k) - 1, row, field);
        }
        if (MaxRows != -1 && static_cast<int>(i) + 1 >= MaxRows) break;
        if (row + 1 >= RowCount() && i + 1 < lines.size()) SetRowCount(row + 2);
    }
    DoCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    ColumnsChanged();
}

double TExtStringGrid::CellToReal(int ACol, int ARow) const
{
    const std::string text = Cells(ACol, ARow);
    if (text.empty()) return 0;
    const std::string number = NormalizeNumberText(text);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || number.empty()) {
        const size_t position = error != std::errc() ? 1 : static_cast<size_t>(end - number.data()) + 1;
        throw EExtGridError("Error at position: " + std::to_string(position) + " in Cell [" + std::to_string(ACol) +
                            ", " + std::to_string(ARow) + "].");
    }
    return value;
}
