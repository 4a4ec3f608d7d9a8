#include "grid/control/editing/EditorKinds.h"

TEditorKind EditorKindOf(TEditorType Kind)
{
    using enum TEditorFamily;
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edPositiveFloat:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edPassword:
    case edValidChars:
        return {Text, true};
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit:
        return {Spin, true};
    case edComboEdit:
    case edComboList:
        return {Combo, false};
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        return {EditBtn, true};
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        return {UnitEditBtn, false};
    case edCheckBox:
        return {CheckBox, false};
    case edButton:
        return {Button, false};
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit:
        return {DatePicker, false};
    case edDateTimeEdit:
        return {DateTimePicker, false};
    case edRichEdit:
        return {RichEdit, false};
    case edCustom:
        return {Custom, false};
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edExtGridDropDown:
        return {DropDown, false};
    case edDataCheckBox:
    case edNone:
        break;
    }
    return {None, false};
}
