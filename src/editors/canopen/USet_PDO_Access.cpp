#include "editors/canopen/USet_PDO_Access.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;
