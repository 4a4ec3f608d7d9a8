#pragma once
#include <cstddef>
#include <functional>
#include <string>

// How a piece of work ended in its own process.
struct TChildOutcome {
    bool Finished = false; // it returned within its time and memory
    std::string Result;    // what it returned
    std::string Failure;   // else what stopped it: a signal, the time limit
};

// Runs Work in a forked child whose address space may grow by at most ExtraMemory bytes
// beyond the parent's and which is stopped after Seconds, so that a reader that would take
// all memory or run for hours fails its test without taking the test run down. Under
// AddressSanitizer, whose shadow memory rules out an address-space limit, only the time
// limit holds.
TChildOutcome RunInBoundedChild(const std::function<std::string()>& Work, size_t ExtraMemory, unsigned Seconds);
