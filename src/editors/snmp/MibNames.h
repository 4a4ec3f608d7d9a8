#pragma once
#include <string>

// The names that the generated SNMP MIB gives its own objects and imports. A rule's
// description becomes the name of its object in that MIB, so it must differ from every
// one of them: identifiers are compared without regard to letter case, as MIB compilers
// warn about names that differ only in case.
bool Is_MIB_Name(const std::string& Name);
