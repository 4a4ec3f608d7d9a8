#pragma once
// Platform-private: what every part of the platform needs of the one Qt application, without
// the ui layer's types. Included only by platform .cpp files.
#include <functional>

// Creates the Qt application on first use (Fusion style, our system colours as its palette).
void EnsureQtApplication();

// Runs a piece of our code called from Qt. An exception that escapes it goes to
// Application->HandleException, never back into Qt: its error box is shown on the next
// turn of the event loop, after the Qt handler returned.
void GuardedCall(const std::function<void()>& call);
// Shows the error boxes that guarded calls left waiting; ProcessMessages ends with them.
void ShowPostedErrors();
