#pragma once
#include <string>

// The rule of the desktop file system the configurator was made for, checked here so that a
// project or a language file behaves the same on every platform.

// The name under which that file system keeps a typed file or directory name: trailing
// blanks and dots dropped (leading ones kept). Empty when it refuses the name: nothing left
// after dropping them, a path separator or one of <>:"|?*, a control character, text that
// is not UTF-8, "." or "..", or a device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9,
// with or without an extension).
std::string Desktop_File_Name(const std::string& typed);

// True when the name is a file name that the file system keeps as it stands: never a path.
bool Is_Plain_File_Name(const std::string& name);
