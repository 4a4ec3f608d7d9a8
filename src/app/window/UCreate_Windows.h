#pragma once
#include <string>

class TComponent;

// Creates every window of the system once, in the order of the program's start-up, the
// main window first; it starts beside exeDir. With the Application as owner the main
// window becomes the application's main form.
void Create_Windows(TComponent* owner, const std::string& exeDir);

// Frees every window that Create_Windows made and forgets them.
void Free_Windows();
