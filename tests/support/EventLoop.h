#pragma once
#include <functional>

// Runs the event loop until the condition holds, so that a test can wait for work that a
// worker thread hands back; gives up after a generous while, so that a fault fails the
// test instead of hanging it. Returns the condition.
bool Run_Loop_Until(const std::function<bool()>& condition);
