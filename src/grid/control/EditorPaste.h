#pragma once
#include <functional>
#include <string>

class TCustomEdit;
class TExtStringGrid;

// A paste into a cell editor: the grid's OnClipboardPaste and OnClipboardBeforePasteCell
// (Sender the editor) may refuse it or change the text, a line break at its very end goes,
// and it replaces the editor's selection. A paste longer than LengthLimit (when above 0) is
// ignored, and so is a result longer than the limit or one that Accept refuses (Accept may
// change it); the editor's text, changed or not, then goes into the current cell. False when
// the events or the length of the paste stopped it before that.
bool PasteIntoCellEditor(TCustomEdit& Editor, TExtStringGrid& Grid, int LengthLimit,
                         const std::function<bool(std::string&)>& Accept);
