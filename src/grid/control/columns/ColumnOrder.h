#pragma once
#include <vector>

// Whether Order names each of Count columns exactly once.
bool IsColumnPermutation(const std::vector<int>& Order, int Count);
