#pragma once
#include <string>

#include "platform/rtl/Classes.h"

// The text table: every caption, hint, column header and message of the windows, read by
// fixed index (0 to 2499) as Lang_Table[n]. It is empty until the first Load_Language and
// holds exactly 2500 entries after every load; only the GUI thread uses it.
extern TStringList Lang_Table;

// Empties the table and fills it with the built-in English texts.
void Load_Default_Texts();

// Overlays the table with the lines of one language file; the caller makes sure the file
// exists. A file that cannot be opened raises EFOpenError with the system's reason, before
// any line is applied, so the table keeps the texts it had; the caller shows the message.
void Read_Language_File(const std::string& path);

// The path of the file of Language_Dir that the desktop file system opens under this
// name, whatever the letter case of the name on disk ("Italiano.LNG" for "Italiano.lng");
// "" when there is none, or the name is not a plain file name. An exact match comes first.
std::string Language_File_Path(const std::string& FileName);

// The built-in texts, overlaid from the file of Language_Name in Language_Dir. When that
// file is missing, or the name is not a plain file name (a path, a device name), Language_Name
// becomes "English" and English.lng is used where present;
// without it the built-in texts stay. Raises EFOpenError as Read_Language_File does. The
// windows are relabelled by the caller: the table notifies nobody.
void Load_Language();
