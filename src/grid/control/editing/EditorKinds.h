#pragma once
#include "grid/foundation/model/GridEnums.h"

// Which control edits a cell of an editor kind. Several kinds share one control and differ
// only in how it is filled.
enum class TEditorFamily {
    None, // no editor: the cell is not edited, or its graphic is toggled in place
    Text,
    Spin,
    Combo,
    EditBtn,
    UnitEditBtn,
    CheckBox,
    Button,
    DatePicker,
    DateTimePicker,
    RichEdit,
    Custom, // the application's editor link
    DropDown,
};

struct TEditorKind {
    TEditorFamily Family;
    // The cell shows the editor's text while it is typed in.
    bool FollowedWhileTyped;
};

TEditorKind EditorKindOf(TEditorType Kind);
