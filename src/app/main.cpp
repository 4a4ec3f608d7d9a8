#include "app/window/UCreate_Windows.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Forms.h"

// The program reads no arguments: everything it keeps lies beside the executable.
int main()
{
    Application->Initialize();
    Start_Windows(ExeDir());
    Application->Run();
    return 0;
}
