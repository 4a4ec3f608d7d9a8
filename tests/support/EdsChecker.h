#pragma once
#include <string>
#include <vector>

// Reads an EDS text as an INI file and lists what a CANopen tool would refuse: lines not
// ended by CR LF, repeated sections or keys, an object list whose count or entries don't
// match, a listed object without its section, sub-objects that don't match their
// object's SubNumber, and object sections that no list names. Empty when all is well.
std::vector<std::string> Check_EDS_Text(const std::string& bytes);

// Every CANopen EDS file a test generates goes through this one check: the reading above,
// then the field's own linter, dcfchk, which stands beside the checkout in
// ../shared/tools/dcfchk and must find nothing. Failures are the test's; where ../shared is
// absent the test is marked skipped, with a message that says the linter did not run.
void Expect_Clean_CANopen_EDS(const std::string& path);
