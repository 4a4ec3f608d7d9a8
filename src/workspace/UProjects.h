#pragma once
#include <string>

#include "platform/rtl/Classes.h"

// Projects: a project is a directory named after it inside Projects_Dir, with a "bin"
// subdirectory for the configuration image. Nothing else marks it.

// The text-table entries of the New Configuration window's refusals.
constexpr int Txt_Project_Name_Refused = 105;
constexpr int Txt_Project_Exists = 106;
constexpr int Txt_Project_Name_Empty = 107;
// A folder, not the name, is the cause: the message names the folder and the system's reason.
constexpr int Txt_Projects_Folder_Unusable = 111;
constexpr int Txt_Project_Folder_Not_Made = 112;

// Sets the eleven project file paths from Project_Dir.
void Set_Files();

// Why a name cannot become a new project inside projectsDir: one of the three text-table
// entries above, or 0 when it can. The name is taken as the desktop's file system takes it
// (Desktop_File_Name): names it refuses, that would leave the projects folder, or that start
// with "." (hidden folders, which the Open window does not list) are refused, and a name
// that differs from an existing entry only in letter case or in trailing blanks and dots
// counts as existing, so that projects behave the same everywhere.
int Project_Name_Refusal(const std::string& projectsDir, const std::string& name);

// Creates the project directory and its "bin" inside Projects_Dir under the name the file
// system keeps, and opens the project by that name (Project_Name, Project_Dir, Set_Files).
// Returns 0, or the text-table entry of the refusal, in which case nothing is created and
// nothing changes. For the two entries that blame a folder, cause (when given) receives
// "<folder>. <the system's reason>", which the message shows after the entry's text.
int Create_Project(const std::string& name, std::string* cause = nullptr);

// Opens the project of that name, or closes the open one when the name is empty
// (Project_Name, Project_Dir, Set_Files).
void Open_Project_Named(const std::string& name);

// Opens the project that Project_Name names when its directory exists (letter case aside)
// and returns true; otherwise empties Project_Dir and keeps Project_Name, so that the
// settings file goes on naming it. Does not set the file paths.
bool Reopen_Last_Project();

// Fills the list with the names of the project directories, hidden ones left out.
void Load_Project_Names(const std::string& projectsDir, TStringList& names);

// The index of the first name equal to snc when the letters a to z are compared without
// regard to case (other characters exactly), -1 when none.
int Search_Project_Name(const TStringList& names, const std::string& snc);

// The name of the open project as the part of Project_Dir after Projects_Dir; empty when
// none is open.
std::string Open_Project_Folder_Name();
