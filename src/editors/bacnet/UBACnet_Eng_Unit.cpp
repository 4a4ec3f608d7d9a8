#include "editors/bacnet/UBACnet_Eng_Unit.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;
