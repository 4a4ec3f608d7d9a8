#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

// Debian's interpreter, which sees the modules the set-up installs, before any other on the path.
inline std::string PythonCommand()
{
    return access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
}

// Whether the interpreter and the module are there; the tests that need them skip without.
inline bool PythonModuleAvailable(const std::string& Module)
{
    const std::string command = PythonCommand() + " -c 'import " + Module + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// Runs a script (without single quotes) with one argument and gives what it printed.
inline std::string RunPython(const std::string& Script, const std::string& Argument)
{
    const std::string command = PythonCommand() + " -c '" + Script + "' '" + Argument + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t read;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, read);
        pclose(pipe);
    }
    return output;
}
