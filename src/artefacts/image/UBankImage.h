#pragma once
#include <string>

#include "artefacts/image/UCANopenRules.h"

// The project files the image is built from; a file that does not exist leaves its defaults.
struct TBank_Sources {
    std::string ParGen;
    std::string EtherNetIP_Master_Rules;
    TCANopen_Rule_Files CANopen;
};

// The whole bank.bin in memory, built from the defaults and the project files read anew.
// Raises when a CANopen rule file holds a value that cannot be taken.
std::string Build_Bank_Image(const TBank_Sources& sources);
