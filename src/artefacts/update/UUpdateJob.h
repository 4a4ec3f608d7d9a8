#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "workspace/UStart_Program.h"

// What the device update window hands to the external updater.
struct TUpdate_Job {
    std::string IP_Address_Dev; // the four address edits joined by ".", as typed
    int32_t Option = 0;         // 0 firmware + configuration, 1 firmware, 2 configuration
    bool Read_Back = true;
};

// Writes the job to Exe_Dir + "/Ethernet_Update.xml", replacing the previous one. Raises
// EFCreateError when the file cannot be written.
void Compile_XML_Parameter(const TUpdate_Job& job);

// The program runner: starts the program and waits for its end.
using TStart_Program =
    std::function<TProgram_Run(const std::string& program, const std::string& params, bool hidden)>;

// The updater beside the executable.
std::string Updater_Path();

// The converter's firmware file in MASTER, and whether a job of the option sends it.
std::string Firmware_Path();
bool Sends_Firmware(int32_t option);

// Writes the job and runs the updater in a normal window; how the updater's run ended. A job
// that cannot be written raises before the updater is started.
TProgram_Run Run_Update(const TUpdate_Job& job, const TStart_Program& start_Program);
