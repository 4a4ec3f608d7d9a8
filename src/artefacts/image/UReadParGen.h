#pragma once
#include <string>

#include "artefacts/image/UGenParBlock.h"

// Takes the communication parameters of ParGen.xml into the general block. Without the file
// the block keeps its defaults; a missing or unreadable element takes its own default.
void Read_ParGen(const std::string& path, TGen_Par_Block& block);
