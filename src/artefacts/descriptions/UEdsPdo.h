#pragma once
#include <array>
#include <string>
#include <vector>

#include "artefacts/descriptions/UEdsBlocks.h"
#include "artefacts/descriptions/UEdsRules.h"

// The short names of the application variables, one per PDO row.
using EDS_PDO_Var_Names = std::array<const char*, EDS_PDO_Max>;
extern const EDS_PDO_Var_Names EDS_RPDO_Var_Names;
extern const EDS_PDO_Var_Names EDS_TPDO_Var_Names;

// The indexes of every PDO object of the tables, in the order the object list names them:
// receive communication and mapping, transmit communication and mapping, then the arrays.
std::vector<int> PDO_Object_Indexes();

// The blocks of every PDO object of the tables: all receive communication and mapping
// objects, all transmit communication and mapping objects, then the application arrays.
void Write_PDO_Objects(TEdsBlockWriter& writer);
