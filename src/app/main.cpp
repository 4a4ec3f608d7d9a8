#include "app/window/UCreate_Windows.h"
#include "platform/os/FileSystem.h"
#include "platform/os/FolderLock.h"
#include "platform/ui/Forms.h"

// The program reads no arguments: everything it keeps lies beside the executable.
int main()
{
    Application->Initialize();
    const std::string exeDir = ExeDir();
    const auto folder = Claim_Program_Folder(exeDir);
    if (!folder) return 1;
    Start_Windows(exeDir);
    Application->Run();
    return 0;
}
