#include "editors/can/UReceiveCAN.h"

TFReceiveCAN* FReceiveCAN = nullptr;
