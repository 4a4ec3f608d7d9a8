#pragma once
#include <cstdint>
#include <functional>

// Milliseconds since an arbitrary start, never going back; replaceable in tests.
uint64_t TickCount();
// An empty function restores the steady clock.
void SetTickSource(std::function<uint64_t()> source);
