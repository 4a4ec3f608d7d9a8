#include "grid/control/EditorPaste.h"

#include "grid/control/ExtStringGrid.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/StdCtrls.h"

namespace {

void RemoveFinalLineBreak(std::string& Text)
{
    if (Text.ends_with("\r\n"))
        Text.resize(Text.size() - 2);
    else if (Text.ends_with('\n') || Text.ends_with('\r'))
        Text.pop_back();
}

bool Exceeds(const std::string& Text, int LengthLimit) { return LengthLimit >= 1 && Length(Text) > LengthLimit; }

} // namespace

bool PasteIntoCellEditor(TCustomEdit& Editor, TExtStringGrid& Grid, int LengthLimit,
                         const std::function<bool(std::string&)>& Accept)
{
    std::string pasted = Clipboard()->AsText();
    if (pasted.empty()) return false;
    bool allow = true;
    if (Grid.OnClipboardPaste) Grid.OnClipboardPaste(&Editor, allow);
    if (allow && Grid.OnClipboardBeforePasteCell)
        Grid.OnClipboardBeforePasteCell(&Editor, Grid.Col(), Grid.Row(), pasted, allow);
    if (!allow || Exceeds(pasted, LengthLimit)) return false;
    RemoveFinalLineBreak(pasted);
    const std::string text = Editor.Text();
    const int start = Editor.SelStart(), replaced = Editor.SelLength();
    std::string result = Copy(text, 1, start) + pasted + Copy(text, start + replaced + 1, Length(text));
    if (!Exceeds(result, LengthLimit) && (!Accept || Accept(result))) Editor.SetText(result);
    Grid.SetCurrentCell(Editor.Text());
    if (replaced > 0) {
        Editor.SetSelStart(start);
        Editor.SetSelLength(Length(pasted));
    } else {
        Editor.SetSelStart(start + Length(pasted));
    }
    return true;
}
