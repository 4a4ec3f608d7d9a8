#pragma once
#include <memory>
#include <string>

class TComponent;
class TFolderLock;

// The program folder for this run, held until the lock is freed; or nothing, after telling
// the user in the language of the settings file that the configurator already runs on that
// folder: two runs on one folder would overwrite each other's saved work without a word.
std::unique_ptr<TFolderLock> Claim_Program_Folder(const std::string& exeDir);

// Creates every window of the system once, in the order of the program's start-up, the
// main window first; it starts beside exeDir. With the Application as owner the main
// window becomes the application's main form.
void Create_Windows(TComponent* owner, const std::string& exeDir);

// The program's start-up: the main window as the application's main form, and every other
// window once the main window is on screen (Application->Run), in the same order, before the
// user can reach any of them.
void Start_Windows(const std::string& exeDir);

// Frees every window that Create_Windows made and forgets them.
void Free_Windows();
