#include "artefacts/descriptions/UDescriptionFiles.h"

#include <memory>

#include "platform/os/FileSystem.h"
#include "platform/ui/Dialogs.h"
#include "workspace/UComon.h"
#include "workspace/ULanguage.h"

const TMaker_Contact Maker_Contact{
    "Quorvane S.r.l.", "Via Alessandro Volta, 12", "24050 Grassobbio", "Bergamo",
    "Italy",           "+39 035 0000000",          "+39 035 0000001",  "support@quorvane.com"};

std::optional<std::string> Ask_Save_Path(const std::string& filter, const std::string& fileName,
                                         const std::string& defaultExt)
{
    const auto dialog = std::make_unique<TSaveDialog>(nullptr);
    dialog->InitialDir = Project_Dir;
    dialog->Filter = filter;
    dialog->FileName = fileName;
    dialog->DefaultExt = defaultExt;
    if (!dialog->Execute()) return std::nullopt;
    return dialog->FileName;
}

bool May_Replace_File(const std::string& path, int questionText)
{
    return !FileExists(path) || MessageDlg(Lang_Table[questionText], mtConfirmation, mbYesNo, 0) == mrYes;
}

std::string Element_Text(const TXMLNode& root, const std::string& name, const std::string& fallback)
{
    const TXMLNode node = root ? root.FindNode(name) : TXMLNode();
    return node ? node.Text() : fallback;
}

void For_Each_Row(const TXMLNode& root, const std::string& section,
                  const std::function<void(const TXMLNode&)>& rowAction)
{
    const TXMLNode node = root ? root.FindNode(section) : TXMLNode();
    if (!node) return;
    // Sibling steps: indexing the child list starts from the first child every time.
    for (TXMLNode row = node.FirstChild(); row; row = row.NextSibling())
        if (row.NodeType() == TXMLNodeType::ntElement) rowAction(row);
}
