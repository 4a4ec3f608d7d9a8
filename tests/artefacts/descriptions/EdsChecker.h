#pragma once
#include <string>
#include <vector>

// Reads an EDS text as an INI file and lists what a CANopen tool would refuse: lines not
// ended by CR LF, repeated sections or keys, an object list whose count or entries don't
// match, a listed object without its section, sub-objects that don't match their
// object's SubNumber, and object sections that no list names. Empty when all is well.
std::vector<std::string> Check_EDS_Text(const std::string& bytes);
