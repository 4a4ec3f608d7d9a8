#pragma once
#include "platform/rtl/Sets.h"

// The enumerations that the grid's properties, cell properties and events are typed with.
// Code compares and stores them by ordinal and saved settings by name, so the order of the
// values is part of the grid's interface: never reorder or insert.

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

enum TExtGridButtonStyle { tasButton, tasCheck };

enum TSearchDirection { sdTopBottom, sdLeftRight };

enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };

enum TClipboardPasteAction { paReplace, paInsert };

enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };

enum TInsertPosition { pInsertBefore, pInsertAfter };

enum TCursorAdvance { caDefault, caSnake, caLoop };

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };

enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };

enum TWheelAction { waMoveSelection, waScroll };

enum TColumnCalcType {
    acNONE,
    acSUM,
    acAVG,
    acCOUNT,
    acMIN,
    acMAX,
    acSPREAD,
    acCUSTOM,
    acDISTINCT,
    acSTDDEV
};

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

// How a sorted column compares its cells.
enum TSortStyle {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase
};

// The in-place editor of a cell or column. The rule editors use edNormal, edComboEdit,
// edComboList and edDataCheckBox (a check box whose state is the cell text).
enum TEditorType {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edExtGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn
};
