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
    // The text of a cell whose attribute a file row lacks, for attributes older files may
    // not have; nullptr when every row must carry it.
    const char* Missing = nullptr;
};

struct TRuleTable {
    const char* Grid;                 // component name of the grid
    const char* Sheet;                // component name of its tab sheet (two-grid windows)
    const char* Section;              // section element of the file (two-grid windows)
    int Rules;                        // rule rows; the grid has one more for the headers
    int FirstHeader;                  // text of the header of column 0; the others follow in column order
    int FirstHint;                    // text of the hint of column 1; the others follow in column order
    int ByteCountColumn;              // the column whose value gates the position checks; 0 when none
    int ArraySize;                    // size of the exchange array its positions index
    bool EnableColumn;                // column 1 is an Enable box: disabled rows are not checked
    std::vector<TRuleColumn> Columns; // from column 1
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
    std::vector<TRuleTable> Tables;
};

// The key of every rule table is column 1: a row whose key is blank ends the table.
constexpr int Rule_Key_Column = 1;

// The number rule of every rule editor; a text that does not read gives -1.
int Rule_Number(const std::string& text);
