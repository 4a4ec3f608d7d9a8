#pragma once
#include <string>

// How long Start_Program waits at most for the program it started.
constexpr int Start_Program_Limit_Ms = 150000;

// Starts a program (without a shell) with its command-line parameters, its window hidden
// when `hidden`, and waits until it ends or limitMs have passed, polling every 10 ms.
// Reads nothing back: a program that cannot be started returns false at once, its exit code
// is not looked at, and one that outlives the wait goes on running and is reaped when it
// ends. The wait blocks the calling thread and processes no window messages.
// True when the program was started, however it ended.
bool Start_Program(const std::string& NomeSW, const std::string& Parameter, bool hidden,
                   int limitMs = Start_Program_Limit_Ms);
