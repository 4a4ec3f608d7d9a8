#include "support/HostileFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/rtl/Exceptions.h"

void Remove_Entry(const std::string& path) { std::filesystem::remove_all(path); }

namespace {
void Require(bool done, const std::string& what)
{
    if (!done) throw std::runtime_error("cannot place " + what);
}

void Link_To_Zero(const std::string& path)
{
    Remove_Entry(path);
    Require(symlink("/dev/zero", path.c_str()) == 0, "a link at " + path);
}

void Fifo(const std::string& path)
{
    Remove_Entry(path);
    Require(mkfifo(path.c_str(), 0644) == 0, "a FIFO at " + path);
}

void Directory(const std::string& path)
{
    Remove_Entry(path);
    Require(mkdir(path.c_str(), 0755) == 0, "a directory at " + path);
}
} // namespace

const std::vector<THostileEntry>& Hostile_Entries()
{
    static const std::vector<THostileEntry> entries = {
        {"link to /dev/zero", "a character device", Link_To_Zero},
        {"FIFO", "a FIFO (named pipe)", Fifo},
        {"directory", "a directory", Directory},
    };
    return entries;
}

std::string Read_Refusal(const std::function<void()>& read)
{
    try {
        read();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

std::string Refusal_Text(const std::string& path, const THostileEntry& entry)
{
    return "Cannot open file \"" + path + "\". It is " + entry.Kind + ", not a regular file";
}
