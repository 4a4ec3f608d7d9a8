#include "editors/frame/RuleFile.h"

#include "grid/control/ExtColumnGrid.h"
#include "platform/os/FileSystem.h"
#include "platform/rtl/SysUtils.h"
#include "platform/xml/XMLDoc.h"

namespace {
std::string File_Name(const TRuleWindow& Window)
{
    const std::string& path = *Window.File;
    return path.substr(path.find_last_of('/') + 1);
}

std::string Not_A_Row(const TRuleWindow& Window, const TXMLNode& Parent, int Row)
{
    return File_Name(Window) + ": " + Parent.NodeName() + " holds no rule where row " + std::to_string(Row) +
           " should be; the rows after it are not shown";
}

// Fills the grid from the row elements under Parent; returns "" or what was wrong first.
std::string Load_Rows(const TRuleWindow& Window, int TableIndex, const TXMLNode& Parent, TExtColumnGrid& Grid,
                      const TRuleRowLoaded& Loaded)
{
    const TRuleTable& Table = Window.Tables[TableIndex];
    std::string problem;
    int row = 1;
    for (TXMLNode child = Parent.FirstChild(); child; child = child.NextSibling()) {
        if (child.NodeType() != TXMLNodeType::ntElement) {
            if (Table.NonElementEndsLoading && row < Grid.RowCount())
                return problem.empty() ? Not_A_Row(Window, Parent, row) : problem;
            continue;
        }
        if (row == Grid.RowCount()) {
            // The next OK would drop them; the user must know before pressing it. Some
            // windows choose their row count at each show, so the grid says how many fit.
            const std::string rules = std::to_string(Grid.RowCount() - 1);
            return problem.empty() ? File_Name(Window) + ": " + Parent.NodeName() + " holds more than " +
                                         rules + " rows; the rows after row " + rules + " are not shown"
                                   : problem;
        }
        std::vector<bool> present(Table.Columns.size() + 1, false);
        for (size_t c = 0; c < Table.Columns.size(); ++c) {
            const TRuleColumn& column = Table.Columns[c];
            present[c + 1] = child.HasAttribute(column.Attribute);
            if (problem.empty() && !present[c + 1] && !column.Default)
                problem = File_Name(Window) + ": row " + std::to_string(row) + " has no " + column.Attribute;
            const std::string text = present[c + 1] || !column.Default ? child.Attribute(column.Attribute)
                                                                       : std::string(column.Default);
            Grid.SetCells(static_cast<int>(c) + 1, row, text);
        }
        if (Loaded) Loaded(TableIndex, row, present);
        ++row;
    }
    return problem;
}
} // namespace

int Rule_Row_Count(const TExtColumnGrid& Grid, int KeyColumn)
{
    int rows = 0;
    while (rows + 1 < Grid.RowCount() && !Trim(Grid.Cells(KeyColumn, rows + 1)).empty())
        ++rows;
    return rows;
}

std::string Load_Rule_File(const TRuleWindow& Window, const std::vector<TExtColumnGrid*>& Grids,
                           const TRuleRowLoaded& Loaded)
{
    if (!PathExists(*Window.File)) return "";
    TXMLDocument xml;
    std::string problem = xml.LoadReadablePart(*Window.File);
    const TXMLNode root = xml.DocumentElement();
    for (size_t t = 0; t < Window.Tables.size() && root; ++t) {
        const TXMLNode parent = Window.Tables[t].Section ? root.FindNode(Window.Tables[t].Section) : root;
        if (!parent) continue;
        const std::string missing = Load_Rows(Window, static_cast<int>(t), parent, *Grids[t], Loaded);
        if (problem.empty()) problem = missing;
    }
    return problem;
}

void Save_Rule_File(const TRuleWindow& Window, const std::vector<TExtColumnGrid*>& Grids)
{
    TXMLDocument xml;
    TXMLNode root = xml.AddChild(Window.Root);
    if (Window.Version) xml.AddComment(std::string("SW_VERSION = ") + Window.Version);
    for (size_t t = 0; t < Window.Tables.size(); ++t) {
        const TRuleTable& table = Window.Tables[t];
        TXMLNode parent = table.Section ? root.AddChild(table.Section) : root;
        const int rows = Rule_Row_Count(*Grids[t], Key_Column(table));
        for (int r = 1; r <= rows; ++r) {
            TXMLNode row = parent.AddChild("row");
            for (size_t c = 0; c < table.Columns.size(); ++c)
                row.SetAttribute(table.Columns[c].Attribute, Grids[t]->Cells(static_cast<int>(c) + 1, r));
        }
    }
    xml.SaveToFile(*Window.File);
}
