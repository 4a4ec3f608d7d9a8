#pragma once
#include <functional>
#include <string>

// Hands an address or a file to the desktop, which opens it with the program the user
// chose for it (a web address in the browser). False when the desktop refused.
bool ShellOpen(const std::string& urlOrPath);

// Tests replace the desktop; an empty function restores it.
void SetShellOpener(std::function<bool(const std::string& urlOrPath)> opener);
