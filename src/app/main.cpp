#include "app/window/UCreate_Windows.h"
#include "platform/os/FileSystem.h"
#include "platform/ui/Forms.h"

// The program reads no arguments: everything it keeps lies beside the executable.
int main()
{
    Application->Initialize();
    Create_Windows(Application, ExeDir());
    Application->Run();
    return 0;
}
