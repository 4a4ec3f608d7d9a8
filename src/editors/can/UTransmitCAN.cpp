#include "editors/can/UTransmitCAN.h"

TFTransmitCAN* FTransmitCAN = nullptr;
