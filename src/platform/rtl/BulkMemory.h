#pragma once
#include <memory_resource>

// Memory for the large buffers of one operation, such as the working lists of a sort of many
// rows. Such a buffer is written whole right after it is taken, so every page of it is a
// fault: a large block is mapped with huge pages where the system allows it, one fault for
// 2 MiB instead of one for each 4 KiB, and a few given-back blocks are kept for the next
// operation, which then touches no fresh page at all. Smaller blocks come from the ordinary
// heap.
std::pmr::memory_resource* BulkMemory();
