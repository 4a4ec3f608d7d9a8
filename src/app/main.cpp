#include <cstdio>
#include <cstdlib>

// Until the main window exists the program only tells the user so.
int main()
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Vantrel_EtherNetIP_Master: no display available (DISPLAY is not set).\n");
        return 1;
    }
    std::printf("Vantrel_EtherNetIP_Master: the main window is not built yet.\n");
    return 0;
}
