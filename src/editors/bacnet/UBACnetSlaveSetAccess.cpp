#include "editors/bacnet/UBACnetSlaveSetAccess.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;
