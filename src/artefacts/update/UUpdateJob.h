#pragma once
#include <cstdint>
#include <functional>
#include <string>

// What the device update window hands to the external updater.
struct TUpdate_Job {
    std::string IP_Address_Dev; // the four address edits joined by ".", as typed
    int32_t Option = 0;         // 0 firmware + configuration, 1 firmware, 2 configuration
    bool Read_Back = true;
};

// Writes the job to Exe_Dir + "/Ethernet_Update.xml", replacing the previous one. Raises
// EFCreateError when the file cannot be written.
void Compile_XML_Parameter(const TUpdate_Job& job);

// The program runner: starts the program and waits for its end; false when it could not be
// started.
using TStart_Program =
    std::function<bool(const std::string& program, const std::string& params, bool hidden)>;

// The updater beside the executable.
std::string Updater_Path();

// Writes the job and runs the updater in a normal window; false when the updater could not
// be started. A job that cannot be written raises before the updater is started.
bool Run_Update(const TUpdate_Job& job, const TStart_Program& start_Program);
