// The configurator's own start-up, step for step as its entry runs it, ended as soon as the
// main window is on screen. The program's folders go to the directory given (a fresh one
// makes a first run).
#include <cstdio>

#include "ScreenProbe.h"
#include "app/window/UCreate_Windows.h"
#include "platform/ui/Forms.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantrel_startup <program-directory>\n");
        return 2;
    }
    Application->Initialize();
    ExitWhenFirstWindowIsOnScreen();
    Start_Windows(argv[1]);
    Application->Run();
    return 1;  // the main window never reached the screen
}
