#include "editors/canopen/USet_SDO_Client_Access.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;
