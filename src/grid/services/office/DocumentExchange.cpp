#include "grid/services/office/DocumentExchange.h"

#include "grid/control/ExtStringGrid.h"
#include "grid/services/office/BusyCursor.h"
#include "platform/os/FileSystem.h"

namespace {
TDocxAlign DocxAlignOf(TAlignment Align)
{
    switch (Align) {
    case taRightJustify:
        return TDocxAlign::Right;
    case taCenter:
        return TDocxAlign::Center;
    default:
        return TDocxAlign::Left;
    }
}
} // namespace

TDocxTable TDocumentExchange::GridTable()
{
    TDocxTable table;
    FGrid.ExportNotification(0, 0);
    for (int r = 0; r < FGrid.RowCount(); ++r) {
        FGrid.ExportNotification(5, r + 1);
        auto& row = table.emplace_back();
        for (int c = 0; c < FGrid.ColCount(); ++c) {
            TDocxCell cell;
            FGrid.SaveCell(FGrid.RealColIndex(c), r, cell.Text);
            TAlignment horizontal = taLeftJustify;
            TVAlignment vertical{};
            // The alignment the cell is shown with: its own, the number rule's, the event's.
            FGrid.GetCellAlignmentEx(c, r, horizontal, vertical);
            cell.Align = DocxAlignOf(horizontal);
            row.push_back(cell);
        }
    }
    FGrid.ExportNotification(2, 0);
    return table;
}

void TDocumentExchange::Write(TDocxDocument& Document, const std::string& FileName,
                              const std::string* Bookmark)
{
    Document.InsertParagraphAtStart(FGrid.Text());
    const TDocxTable table = GridTable();
    if (!Bookmark)
        Document.InsertTableAtStart(table);
    else if (!Bookmark->empty() && Document.HasBookmark(*Bookmark))
        Document.InsertTableAtBookmark(table, *Bookmark);
    else
        Document.AppendTable(table);
    Document.SaveToFile(FileName);
}

void TDocumentExchange::Save(const std::string& FileName, bool CreateNew)
{
    TBusyCursor busy;
    TDocxDocument document =
        (!CreateNew && FileExists(FileName)) ? TDocxDocument::LoadFromFile(FileName) : TDocxDocument();
    Write(document, FileName, nullptr);
}

void TDocumentExchange::Append(const std::string& FileName, const std::string& Bookmark)
{
    TBusyCursor busy;
    TDocxDocument document = TDocxDocument::LoadFromFile(FileName);
    Write(document, FileName, &Bookmark);
}
