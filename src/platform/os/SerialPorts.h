#pragma once
#include <functional>
#include <string>

// Serial ports by their Windows number: COM1 is /dev/ttyS0, COM2 /dev/ttyS1 ...
std::string SerialPortDevice(int comNumber);

// True when the port can be opened for reading and writing, or exists but is busy or
// forbidden to us (another program holds it).
bool SerialPortPresent(int comNumber);

// Tests replace the probe; an empty function restores the real one.
void SetSerialPortProbe(std::function<bool(int comNumber)> probe);
