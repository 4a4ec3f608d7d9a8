// The grid's XML exchange: the save area written as records, XML files read by their tree.
#include "grid/control/ExtStringGrid.h"
#include "grid/services/XmlExchange.h"

void TExtStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                               const std::string& RecordDescr, const TStringList* FieldDescr, bool ExportEmptyCells)
{
    TXmlGridWriter(*this).Save(FileName, ListDescr, RecordDescr, FieldDescr, ExportEmptyCells);
}

void TExtStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    TXmlGridReader(*this, LevelToRow, LoadFieldDescr).Load(FileName);
}
