#pragma once

class TExtColumnGrid;

// The row functions every rule editor shares. Rule grids have a fixed number of rows, so
// deleting and inserting move cell texts instead of changing the row count. They work on
// every column but column 0 (the row number), hidden columns included.

// The rows below move up by one; the last row becomes empty.
void Delete_Grid_Row(int Row, TExtColumnGrid& Grid);
// The rows from Row move down by one; the last row's content is lost. Column 1 of the
// opened row becomes "Y" when SetEnable is true (grids whose column 1 is an Enable box).
void Insert_Grid_Row(int Row, TExtColumnGrid& Grid, bool SetEnable);
// Whether a text cell of the row (check boxes aside, which always hold "Y" or "N") holds
// more than blanks.
bool Row_In_Use(TExtColumnGrid& Grid, int Row);
// Fills the program-wide Copy_Row_Buffer with the texts of columns 1, 2, ... of the row.
void Copy_Grid_Row(TExtColumnGrid& Grid, int Row);
// Writes the buffer into the row when Copied (the caller's copy flag for this grid) is
// set and the buffer fits the grid; a row already in use is overwritten only on Yes.
void Paste_Grid_Row(TExtColumnGrid& Grid, int Row, bool Copied);
// With the "double click auto size" option, a double click on the header sizes the column.
void Grid_Auto_Size_Col(TExtColumnGrid& Grid, int Row, int Col);
// With the "jump field tables" option, Enter moves to the next cell (after the last cell,
// to column 1 of row 1) and is consumed.
void Grid_Enter_Key_Jump(TExtColumnGrid& Grid, char32_t& Key);
