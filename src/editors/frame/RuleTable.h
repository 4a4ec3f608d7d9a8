#pragma once
#include <string>
#include <vector>

#include "platform/ui/Graphics.h"

// What a rule editor window declares about itself: its texts, its file and, per grid, the
// columns with their file attributes and the rules OK checks them against. The frame
// (TRuleEditorForm) does the rest the same way for every window.

// How OK checks a cell. Positions are checked against the exchange array of the grid and
// their message ends with the highest position.
enum class TRuleCheck { None, Range, ByteCount, Position };

struct TRuleColumn {
    const char* Attribute;
    int Width;
    TColor Color;
    bool CheckBox = false; // "Y" / "N", centred
    TRuleCheck Check = TRuleCheck::None;
    int Min = 0;
    int Max = 0;
    int Message = 0; // text of the rule's message
    // A position column is checked only when the row's byte count reaches this many bytes.
    int NeededBytes = 1;
    // What the cell reads when the row element lacks the attribute; nullptr when the
    // attribute is required and its absence is reported.
    const char* Default = nullptr;
    // Texts of the header and of the hint where they break the run of the columns before.
    int Header = 0;
    int Hint = 0;
};

struct TRuleTable {
    const char* Grid;                 // component name of the grid
    const char* Sheet;                // component name of its tab sheet (two-grid windows)
    const char* Section;              // section element of the file; nullptr: rows under the root
    int Rules;                        // rule rows; the grid has one more for the headers
    int FirstHeader;                  // text of the header of column 0; the others follow in column order
    int FirstHint;                    // text of the hint of column 1; the others follow in column order
    int ByteCountColumn;              // the column whose value gates the position checks; 0 when none
    int ArraySize;                    // size of the exchange array its positions index
    bool EnableColumn;                // column 1 is an Enable box: disabled rows are not checked
    std::vector<TRuleColumn> Columns; // from column 1
    // A child of the table's element that is no row element (a comment) ends the loading
    // with a message instead of being passed over.
    bool NonElementEndsLoading = false;
};

struct TRuleWindow {
    // Text of the caption; the description, the six button captions, their six hints and
    // the tab sheet captions follow in this order.
    int FirstText;
    int ClientWidth;
    const std::string* File; // program-wide path of the rule file
    const char* Root;
    const char* Version; // written in the comment after the root; nullptr: no comment
    int ErrorPrefix;     // "Error row "
    int DeleteQuestion;  // "Are you sure to delete the Row number "
    // The rule of a row whose key is blank while it, or a row after it, holds data: OK
    // refuses it, since the file keeps only the rows before the first blank key.
    int BlankKeyMessage;
    std::vector<TRuleTable> Tables;
    // Texts of the first button hint and of the first tab sheet caption, where the window's
    // block does not keep them right after the button captions and the button hints.
    int FirstButtonHint = 0;
    int FirstSheetCaption = 0;
};

// A row whose key is blank ends the table. The key is column 1, or the column after the
// Enable box.
constexpr int Rule_Key_Column = 1;
inline int Key_Column(const TRuleTable& Table) { return Table.EnableColumn ? 2 : Rule_Key_Column; }

// The number rule of every rule editor; a text that does not read gives -1.
int Rule_Number(const std::string& text);
// Whether the text reads by the number rule as a value from Min to Max.
bool Rule_In_Range(const std::string& text, int Min, int Max);
