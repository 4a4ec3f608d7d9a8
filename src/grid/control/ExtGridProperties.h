#pragma once
#include <string>

#include "grid/control/ExtGridEnums.h"
#include "grid/foundation/model/GridEnums.h"
#include "platform/ui/Graphics.h"

// The plain properties of the string grid. Writing the field only stores; the grid's Set...
// writers, where it has them, also repaint.
struct TExtGridProperties {
    TColor ActiveCellColor = clGray;
    TColor ActiveCellColorTo = clNone;
    TColor DisabledFontColor = clSilver;
    TColor HighlightColor = clHighlight;
    TColor HighlightTextColor = clHighlightText;
    TColor HintColor = clInfoBk;
    TColor SelectionColor = 0x00EACAB6;
    TColor SelectionColorTo = clNone;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    TColor SelectionTextColor = clBlack;
    TColor URLColor = clBlue;
    TColor ScrollColor = clNone;
    TColor SuiteGradientFrom = clWhite;
    TColor SuiteGradientTo = clNone; // the button face as RGB, set by the constructor
    TColor SuiteGradientMirrorFrom = clNone;
    TColor SuiteGradientMirrorTo = clNone;
    // The hover and down looks of fixed cells, as the control look hands them over.
    TColor SuiteGradientHoverFrom = clBlack;
    TColor SuiteGradientHoverTo = clBlack;
    TColor SuiteGradientHoverMirrorFrom = clNone;
    TColor SuiteGradientHoverMirrorTo = clNone;
    TColor SuiteGradientHoverBorder = clBlack;
    TColor SuiteGradientDownFrom = clBlack;
    TColor SuiteGradientDownTo = clBlack;
    TColor SuiteGradientDownMirrorFrom = clNone;
    TColor SuiteGradientDownMirrorTo = clNone;
    TColor SuiteGradientDownBorder = clBlack;
    int SelectionColorMixerFactor = 50;

    bool ActiveCellShow = false;
    // Link titles (or the links themselves) are the hints of HTML cells.
    bool AnchorHint = false;
    bool EnableHTML = true;
    bool EnableWheel = true;
    bool EnhRowColMove = true;
    bool FitCellsInGrid = true;
    // Fixed cells press like buttons and click OnButtonClick (drawn so with both fixed lines).
    bool FixedAsButtons = false;
    bool FixedColAlways = false;
    bool FixedRowAlways = false;
    bool IntegralHeight = false;
    bool SizeWithForm = false;
    bool IntelliZoom = true;
    bool LoadFirstRow = true;
    bool QuoteEmptyCells = true;
    bool SaveFixedCells = true;
    bool SaveFixedCols = false;
    bool SaveFixedRows = false;
    bool SaveHiddenCells = false;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool AutoSize = false; // the columns are sized to their content once the form is loaded
    bool SaveWithRTF = false; // saved rich text keeps its RTF (on one line) instead of its plain text
    bool SelectionRectangle = false;
    bool ShowDesignHelper = true;
    bool ShowNullDates = true;
    bool ShowSelection = true;
    bool UseDisabledFont = true;
    bool UseInternalHintClass = true;

    std::string CheckTrue = "Y";
    std::string CheckFalse = "N";
    std::string FilterDropDownClear = "(All)";
    std::string FloatFormat = "%.2f";
    std::string InvalidEntryText;
    std::string InvalidEntryTitle;
    std::string PasswordChar = "*";
    std::string XMLEncoding = "ISO-8859-1";

    TAlignment DefaultAlignment = taLeftJustify;
    TEditorType DefaultEditor = edNormal;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    THintShowLargeTextPos HintShowLargeTextPos = hpCell;
    TIntelliPan IntelliPan = ipVertical;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    TScrollBarAlways ScrollBarAlways = saNone;
    TScrollType ScrollType = ssNormal;
    TVAlignment VAlignment = vtaTop;
    int FixedFooters = 0;
    int FixedRightCols = 0;
    int GroupColumn = -1;
    int PreviewPage = 1;
    int ZoomFactor = 0;

    // Written through their Set... writers, which repaint as needed.
    bool URLShow = false;
    bool URLShowInText = false;
    bool URLFull = false;
    // A right press on a link edits it.
    bool URLEdit = false;
    bool FilterDropDownAuto = false;
    bool FilterIncremental = false;
    bool Hovering = false;
    bool EnableBlink = false;
    bool SelectionResizer = false;
    bool SelectionColorMixer = false;
    bool Flat = false;
    bool SpreadSheet = false;
    int MaxEditLength = 0;
};
