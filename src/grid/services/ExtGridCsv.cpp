#include "grid/control/ExtStringGrid.h"
#include "grid/control/settings/FloatingFooter.h"
#include "grid/services/CsvFormat.h"
#include "grid/services/FileProgress.h"
#include "grid/services/GridUpdateScope.h"
#include "grid/services/TextFileLines.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"

namespace {

TTextFileCoding CsvFileCoding(bool Unicode, bool Oem)
{
    if (Unicode) return TTextFileCoding::Utf8Bom;
    return Oem ? TTextFileCoding::Oem : TTextFileCoding::Ansi;
}

// The records of a CSV file's text, split by the delimiter that is set or else by the one
// the first two records agree on (0: every line is one field, kept in Lines).
std::vector<std::string_view> CsvRecords(std::string_view Text, char& Delimiter, std::vector<std::string>& Lines)
{
    if (!Delimiter) {
        const std::vector<std::string_view> firstTwo = SplitCsvRecords(Text, 0, 2);
        if (!firstTwo.empty())
            Delimiter = DetectCsvDelimiter(std::string(firstTwo[0]), firstTwo.size() > 1 ? std::string(firstTwo[1]) : "");
    }
    if (Delimiter) return SplitCsvRecords(Text, Delimiter);
    Lines = SplitTextLines(std::string(Text));
    return {Lines.begin(), Lines.end()};
}

} // namespace

std::string TExtStringGrid::CSVText()
{
    std::string text;
    BuildCSVText(text, SIZE_MAX, [] {});
    return text;
}

void TExtStringGrid::BuildCSVText(std::string& Text, size_t PartSize, const std::function<void()>& PartDone)
{
    TCsvCoding coding;
    coding.Separator = Delimiter ? Delimiter : ',';
    coding.AlwaysQuotes = AlwaysQuotes;
    coding.QuoteEmptyCells = QuoteEmptyCells;
    coding.JavaCSV = JavaCSV;
    TFileProgress progress = FileProgressReporter();
    ExportNotification(0, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(5, r);
        for (int c = SaveStartCol(); c <= SaveEndColWithHidden(); ++c) {
            if (c > SaveStartCol()) Text += coding.Separator;
            AppendCsvField(Text, SavedCellText(c, r), coding);
        }
        Text += "\r\n";
        // The first record tells roughly what the others take: growing a text of many
        // megabytes step by step would copy it over and over.
        if (r == SaveStartRow())
            Text.reserve(std::min(PartSize, Text.size() * static_cast<size_t>(SaveRowCount()) * 9 / 8) + Text.size());
        if (Text.size() >= PartSize) PartDone();
        progress.Report(r - SaveStartRow(), SaveRowCount() - 1);
    }
    ExportNotification(2, -1);
}

// The file is written as its records are made, a part at a time, so that a large grid needs
// no text of the file's size, and the disk writes while the next part is made.
void TExtStringGrid::SaveToCSV(const std::string& FileName, bool Unicode)
{
    constexpr size_t kPartSize = 256u << 10;
    TTextFileWriter file(FileName, CsvFileCoding(Unicode, OemConvert));
    std::string text;
    BuildCSVText(text, kPartSize, [&] {
        file.Write(text);
        text.clear();
    });
    file.Write(text);
    file.Commit();
}

void TExtStringGrid::AppendToCSV(const std::string& FileName, bool Unicode)
{
    std::string text = JoinTextLines(ReadTextFileLines(FileName, OemConvert));
    text += CSVText();
    WriteTextFile(FileName, std::move(text), CsvFileCoding(Unicode, OemConvert));
}

void TExtStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows)
{
    std::string bytes = ReadFileBytes(FileName);
    if (bytes.empty()) return;
    ReadCSVBytes(std::move(bytes), MaxRows, false);
}

void TExtStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows)
{
    std::string bytes = ReadFileBytes(FileName);
    if (bytes.empty()) return;
    ReadCSVBytes(std::move(bytes), MaxRows, true);
}

void TExtStringGrid::LoadFromCSVStream(TMemoryStream& AStream, int MaxRows)
{
    const size_t start = std::min(AStream.Position(), AStream.Size());
    AStream.SetPosition(AStream.Size());
    ReadCSVBytes(AStream.Bytes().substr(start), MaxRows, false);
}

void TExtStringGrid::ReadCSVBytes(std::string Bytes, int MaxRows, bool Append)
{
    char delimiter = Delimiter;
    const std::string text = DecodeTextBytes(std::move(Bytes), OemConvert);
    std::vector<std::string> plainLines;
    const std::vector<std::string_view> lines = CsvRecords(text, delimiter, plainLines);
    if (lines.empty()) throw Exception("File is empty");
    const size_t first = LoadFirstRow ? 0 : 1;
    size_t count = lines.size() > first ? lines.size() - first : 0;
    if (MaxRows > 0) count = std::min(count, static_cast<size_t>(MaxRows));
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;

    // Appended rows go where the floating footer's row is; its texts move to the new end.
    const bool moveFooter = Append && FloatingFooter()->Visible();
    std::vector<std::string> footerTexts;
    int row = Append ? RowCount() : SaveStartRow();
    if (moveFooter) {
        row = RowCount() - 1;
        for (int c = 0; c < ColCount(); ++c)
            footerTexts.push_back(Cells(c, row));
        ClearRows(row, 1);
    }

    TFileProgress progress = FileProgressReporter();
    // The rows are made at once: growing the grid step by step resizes it over and over.
    SetRowCount(Append ? RowCount() + static_cast<int>(count) : row + static_cast<int>(count) + FixedFooters);
    {
        const TGridUpdateScope update(*this);
        std::vector<std::string> fields;
        for (size_t i = 0; i < count; ++i, ++row) {
            if (row >= RowCount() - FixedFooters) SetRowCount(row + 1000);
            int col = SaveStartCol();
            SplitCsvLine(lines[first + i], delimiter, JavaCSV, fields);
            for (const std::string& field : fields) {
                if (ColCount() + hidden <= col) SetColCount(col + 1 - hidden);
                LoadCell(col++, row, field);
            }
            progress.Report(static_cast<double>(i + 1), static_cast<double>(count));
        }
        SetRowCount(row + FixedFooters + (moveFooter ? 1 : 0));
        FMaxRowCount = std::max(FMaxRowCount, RowCount());
        for (int c = 0; c < static_cast<int>(footerTexts.size()) && c < ColCount(); ++c)
            SetCells(c, RowCount() - 1, footerTexts[static_cast<size_t>(c)]);
    }
    DoCellsChanged(TRect{0, 0, ColCount(), RowCount()});
    ColumnsChanged();
}
