#include "editors/canopen/USet_SDO_Server_Access.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;
