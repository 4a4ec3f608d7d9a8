#include "support/TestDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <csignal>
#include <dlfcn.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

// The few calls of the X libraries the tests use, looked up at run time: a machine without
// them still builds and runs every other test.
struct TTestDisplay::TX {
    void* x11 = nullptr;
    void* xtst = nullptr;
    Display* display = nullptr;
    decltype(&XOpenDisplay) Open = nullptr;
    decltype(&XCloseDisplay) Close = nullptr;
    decltype(&XInternAtom) Intern_Atom = nullptr;
    decltype(&XQueryTree) Query_Tree = nullptr;
    decltype(&XGetWindowProperty) Get_Property = nullptr;
    decltype(&XGetWindowAttributes) Get_Attributes = nullptr;
    decltype(&XSetInputFocus) Set_Focus = nullptr;
    decltype(&XKeysymToKeycode) Keycode = nullptr;
    decltype(&XSync) Sync = nullptr;
    decltype(&XFree) Free = nullptr;
    int (*Fake_Key)(Display*, unsigned int, Bool, unsigned long) = nullptr;
    int (*Fake_Motion)(Display*, int, int, int, unsigned long) = nullptr;
    int (*Fake_Button)(Display*, unsigned int, Bool, unsigned long) = nullptr;

    ~TX()
    {
        if (display) Close(display);
        if (xtst) dlclose(xtst);
        if (x11) dlclose(x11);
    }

    template <class F> bool Find(void* library, const char* name, F& call)
    {
        call = reinterpret_cast<F>(dlsym(library, name));
        return call != nullptr;
    }

    bool Load()
    {
        x11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        xtst = dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL);
        return x11 && xtst && Find(x11, "XOpenDisplay", Open) && Find(x11, "XCloseDisplay", Close) &&
               Find(x11, "XInternAtom", Intern_Atom) && Find(x11, "XQueryTree", Query_Tree) &&
               Find(x11, "XGetWindowProperty", Get_Property) &&
               Find(x11, "XGetWindowAttributes", Get_Attributes) && Find(x11, "XSetInputFocus", Set_Focus) &&
               Find(x11, "XKeysymToKeycode", Keycode) && Find(x11, "XSync", Sync) &&
               Find(x11, "XFree", Free) && Find(xtst, "XTestFakeKeyEvent", Fake_Key) &&
               Find(xtst, "XTestFakeMotionEvent", Fake_Motion) &&
               Find(xtst, "XTestFakeButtonEvent", Fake_Button);
    }

    // The process that made the window, as the toolkit marks it; 0 when unmarked.
    pid_t Owner_Of(Window window) const
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const Atom pid = Intern_Atom(display, "_NET_WM_PID", True);
        if (pid == 0 ||
            Get_Property(display, window, pid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) != Success ||
            !data)
            return 0;
        const pid_t owner =
            count == 1 && format == 32 ? static_cast<pid_t>(*reinterpret_cast<long*>(data)) : 0;
        Free(data);
        return owner;
    }

    // The process's topmost window on screen, or 0; with its place on the screen.
    Window Shown_Window_Of(pid_t pid, int* left = nullptr, int* top = nullptr) const
    {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        Sync(display, False);
        if (!Query_Tree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
        // The tree lists the windows from the bottom of the stack to its top.
        Window found = 0;
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (Owner_Of(children[i]) != pid || !Get_Attributes(display, children[i], &attributes) ||
                attributes.map_state != IsViewable)
                continue;
            found = children[i];
            if (left) *left = attributes.x;
            if (top) *top = attributes.y;
        }
        if (children) Free(children);
        return found;
    }
};

TTestDisplay::TTestDisplay()
{
    auto x = std::make_unique<TX>();
    if (!x->Load()) {
        missing_ = "the X libraries libX11.so.6 and libXtst.so.6";
        return;
    }
    int ready[2];
    if (pipe(ready) != 0) return;
    const std::string fd = std::to_string(ready[1]);
    const char* argv[] = {"Xvfb",        "-displayfd", fd.c_str(), "-screen", "0",
                          "1024x768x24", "-nolisten",  "tcp",      nullptr};
    const bool started =
        posix_spawnp(&server_, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) == 0;
    if (!started) server_ = 0;
    close(ready[1]);
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (started && poll(&wait, 1, 20000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ready[0]);
    if (!started || number.empty()) {
        missing_ = "the virtual X server Xvfb";
        return;
    }
    name_ = ":" + number;
    x->display = x->Open(name_.c_str());
    if (!x->display) {
        missing_ = "a connection to the virtual X server";
        return;
    }
    x_ = std::move(x);
}

TTestDisplay::~TTestDisplay()
{
    x_.reset();
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

unsigned long TTestDisplay::Top_Window_Of(pid_t pid) const { return x_->Shown_Window_Of(pid); }

void TTestDisplay::Press_Key_In_Window_Of(pid_t pid, unsigned long keysym) const
{
    const Window window = x_->Shown_Window_Of(pid);
    if (!window) return;
    x_->Set_Focus(x_->display, window, RevertToParent, CurrentTime);
    const unsigned int code = x_->Keycode(x_->display, keysym);
    x_->Fake_Key(x_->display, code, True, CurrentTime);
    x_->Fake_Key(x_->display, code, False, CurrentTime);
    x_->Sync(x_->display, False);
}

void TTestDisplay::Click_In_Window_Of(pid_t pid, int x, int y) const
{
    int left = 0, top = 0;
    if (!x_->Shown_Window_Of(pid, &left, &top)) return;
    x_->Fake_Motion(x_->display, -1, left + x, top + y, CurrentTime);
    x_->Fake_Button(x_->display, Button1, True, CurrentTime);
    x_->Fake_Button(x_->display, Button1, False, CurrentTime);
    x_->Sync(x_->display, False);
}
