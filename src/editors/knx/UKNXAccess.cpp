#include "editors/knx/UKNXAccess.h"

TFKNXAccess* FKNXAccess = nullptr;
