#pragma once
#include <string>

// How long Start_Program waits at most for the program it started.
constexpr int Start_Program_Limit_Ms = 150000;

// What became of a program that Start_Program ran.
struct TProgram_Run {
    bool Started = false;
    bool Ended = false; // within the wait
    int ExitCode = 0;   // once ended; 0 is success
    // It ended within the wait and said that it failed.
    bool Failed() const { return Ended && ExitCode != 0; }
};

// Starts a program (without a shell) with its command-line parameters, its window hidden
// when `hidden`, and waits until it ends or limitMs have passed, polling every 10 ms.
// A program that cannot be started returns at once; one that outlives the wait goes on
// running and is reaped when it ends. The wait blocks the calling thread and processes no
// window messages. The exit code is handed back, so that a failed run is not taken for a
// good one.
TProgram_Run Start_Program(const std::string& NomeSW, const std::string& Parameter, bool hidden,
                           int limitMs = Start_Program_Limit_Ms);
