#pragma once
#include <memory>
#include <string>
#include <sys/types.h>

// A private X display for the tests that run the program itself and act on its windows as a
// user does: a virtual X server of its own, and real key presses sent through the X server's
// test extension, which the program receives as it receives a keyboard's. Where the server
// or the X libraries are missing, Available() is false and Missing() says what is missing,
// for the test to skip with.
class TTestDisplay {
public:
    TTestDisplay();
    ~TTestDisplay();
    TTestDisplay(const TTestDisplay&) = delete;
    TTestDisplay& operator=(const TTestDisplay&) = delete;

    bool Available() const { return x_ != nullptr; }
    const std::string& Missing() const { return missing_; }
    // The display's name for DISPLAY, ":N".
    const std::string& Name() const { return name_; }

    // The topmost window of the process on screen, 0 when it shows none.
    unsigned long Top_Window_Of(pid_t pid) const;
    // Gives the keyboard to the topmost window of the process, and presses and releases the
    // key there (an X key symbol, such as 0xFF0D for Return).
    void Press_Key_In_Window_Of(pid_t pid, unsigned long keysym) const;
    // A click of the left mouse button at a point of the process's topmost window.
    void Click_In_Window_Of(pid_t pid, int x, int y) const;

private:
    struct TX;
    std::unique_ptr<TX> x_;
    pid_t server_ = 0;
    std::string name_, missing_;
};
