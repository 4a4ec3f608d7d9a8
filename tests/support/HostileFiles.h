#pragma once
#include <functional>
#include <string>
#include <vector>

// What a hostile or careless hand may put at a file's path in place of a regular file: a
// link to an endless device, a FIFO nobody writes to, a directory. Readers must refuse each
// at once, naming the file and what stands there.
struct THostileEntry {
    const char* Name;
    const char* Kind; // how the error names it: "a character device", "a FIFO (named pipe)", "a directory"
    void (*Place)(const std::string& path);
};

// The three entries; each Place first removes whatever stands at the path.
const std::vector<THostileEntry>& Hostile_Entries();

// Removes whatever stands at the path: a link itself, never what it points to.
void Remove_Entry(const std::string& path);

// The message of the platform error the read raised, or "" when it raised none.
std::string Read_Refusal(const std::function<void()>& read);

// The error of the platform's file reading for the entry at the path.
std::string Refusal_Text(const std::string& path, const THostileEntry& entry);
